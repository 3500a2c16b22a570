// Search: channel branches, literal words, points per returned row, clicks
// per file, and texts that would break SQL built without quoting.
#include "content/search.h"

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::content {
namespace {

using testing::CoreTest;

struct Row {
  int id;
  const char* path;
  const char* title;
  const char* metadata;
  const char* submitted;
};

const Row kRows[] = {
    {1, "/News", "Alpha news", "apple banana", "2024-01-01 08:00:00"},
    {2, "/News/Sport", "O'Brien wins", "football 100% sure", "2024-01-02 08:00:00"},
    {3, "/Newsletter", "Letter", "apple", "2024-01-03 08:00:00"},
    {4, "/中文频道", "中文标题", "新闻 apple", "2024-01-04 08:00:00"},
    {5, "/x'; DROP TABLE SearchMetadata; --", "Odd", "odd", "2024-01-05 08:00:00"},
};

class SearchTest : public CoreTest {
 protected:
  SearchTest() {
    for (const Row& r : kRows)
      sql("INSERT INTO SearchMetadata (ContentID,ChannelPath,Title,Summary,FilePath,Submitdate,Points,Clicks,MetaData)"
          " VALUES (" + std::to_string(r.id) + "," + quoted(r.path) + "," + quoted(r.title) + ",'s','/f" +
          std::to_string(r.id) + ".html','" + r.submitted + "',0,0," + quoted(r.metadata) + ")");
  }
  static std::string quoted(std::string text) {
    for (size_t at = text.find('\''); at != std::string::npos; at = text.find('\'', at + 2)) text.insert(at, "'");
    return "'" + text + "'";
  }
  // The file names of the rows, in order.
  static std::string files(const std::shared_ptr<db::Recordset>& rs) {
    std::string out;
    for (; !rs->eof(); rs->moveNext()) out += rs->value("FilePath").toString() + ",";
    return out;
  }
  std::string points() { return scalar("SELECT group_concat(Points, ',') FROM (SELECT Points FROM SearchMetadata ORDER BY ContentID)"); }
};

TEST_F(SearchTest, FindsRowsOfTheChannelBranchHoldingEveryWordLiterally) {
  struct Case {
    const char* path;
    const char* query;
    const char* found;
  };
  const Case cases[] = {
      {"/News", "", "/f1.html,/f2.html,"},
      {"/News/", "", "/f1.html,/f2.html,"},
      {"", "", "/f1.html,/f2.html,/f3.html,/f4.html,/f5.html,"},
      {"/", "apple", "/f1.html,/f3.html,/f4.html,"},
      {"", "APPLE|banana", "/f1.html,"},
      {"", "apple||", "/f1.html,/f3.html,/f4.html,"},
      {"", "o'brien", "/f2.html,"},
      {"", "'", "/f2.html,"},
      {"", "100%", "/f2.html,"},
      {"", "%", "/f2.html,"},
      {"", "_", ""},
      {"/中文频道", "新闻", "/f4.html,"},
      {"/中文", "", ""},
      {"/x'; DROP TABLE SearchMetadata; --", "", "/f5.html,"},
      {"' OR '1'='1", "", ""},
      {"", "' OR '1'='1", ""},
      {"", "x'; DROP TABLE SearchMetadata; --", ""},
  };
  Search search;
  for (const Case& c : cases)
    EXPECT_EQ(files(search.Find(c.path, c.query)), c.found) << "path [" << c.path << "] query [" << c.query << "]";
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM SearchMetadata"), "5");
}

TEST_F(SearchTest, EveryReturnedRowGainsOnePointAfterItIsRead) {
  Search search;
  auto rs = search.Find("/News", "");
  EXPECT_EQ(rs->value("Points").toLong(), 0) << "the rows show the points before this search";
  EXPECT_EQ(points(), "1,1,0,0,0");
  search.Find("", "apple");
  EXPECT_EQ(points(), "2,1,1,1,0");
  search.ListAfterDate("/News", OleDate{Variant("2024-01-01 08:00:00").toDate()});
  EXPECT_EQ(points(), "2,2,1,1,0") << "a row submitted exactly at the date is not after it";
}

TEST_F(SearchTest, ListAfterDateTakesTheBranchAndLaterRowsOnly) {
  Search search;
  const OleDate newYear{Variant("2024-01-01 00:00:00").toDate()};
  EXPECT_EQ(files(search.ListAfterDate("/News", newYear)), "/f1.html,/f2.html,");
  EXPECT_EQ(files(search.ListAfterDate("", OleDate{Variant("2024-01-03 08:00:00").toDate()})), "/f4.html,/f5.html,");
  EXPECT_EQ(files(search.ListAfterDate("/x'; DROP TABLE SearchMetadata; --", newYear)), "/f5.html,");
  EXPECT_EQ(files(search.ListAfterDate("/News%", newYear)), "");
}

TEST_F(SearchTest, AddClicksCountsOnTheNamedFileOnly) {
  sql("UPDATE SearchMetadata SET Clicks=NULL WHERE ContentID=2");
  sql("UPDATE SearchMetadata SET FilePath='/o''neil 100%.html' WHERE ContentID=3");
  Search search;
  search.AddClicks("/f2.html");
  search.AddClicks("/f2.html");
  search.AddClicks("/o'neil 100%.html");
  for (const std::string& text : testing::trickyTexts()) search.AddClicks(text);
  EXPECT_EQ(scalar("SELECT group_concat(Clicks, ',') FROM (SELECT Clicks FROM SearchMetadata ORDER BY ContentID)"),
            "0,2,1,0,0");
}

TEST_F(SearchTest, ScriptsReachSearchAndVersionByProgId) {
  std::shared_ptr<Object> search = createObject("Corvela.Search");
  Variant args[] = {Variant("/News/Sport"), Variant("wins")};
  auto rows = search->call("Search", args).toObject();
  EXPECT_EQ(rows->get("RecordCount").toLong(), 1);
  std::shared_ptr<Object> version = createObject("Corvela.Version");
  EXPECT_EQ(version->get("CurrentVersionID").toLong(), 1);
}

}  // namespace
}  // namespace corvela::content
