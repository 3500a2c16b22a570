// Magazine and Issue: required fields, cuts and file names, attribute
// documents, column and issue lists, access entries down to the columns,
// the issue pair rule (also under concurrency) and the cascades.
#include "structure/magazine.h"

#include <thread>

#include <gtest/gtest.h>

#include "platform/automation/collection.h"
#include "platform/db/connection.h"
#include "structure/acl.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/my_attribute.h"
#include "structure_fixture.h"
#include "support/tricky_texts.h"

namespace corvela::structure {
namespace {

class MagazineTest : public StructureTest {
 protected:
  int32_t newMagazine(const std::string& name) {
    Magazine magazine;
    magazine.setName(name);
    magazine.Save();
    return magazine.ID();
  }
  int32_t newIssue(int32_t magazineId, const std::string& year, const std::string& number) {
    Issue issue;
    issue.setMagazineID(magazineId);
    issue.setIssueYear(year);
    issue.setIssueNumber(number);
    issue.Save();
    return issue.ID();
  }
  int count(const std::string& fromWhere) { return std::stoi(scalar("SELECT count(*) FROM " + fromWhere)); }
};

template <class T>
std::vector<std::shared_ptr<T>> items(const std::shared_ptr<Collection>& list) {
  std::vector<std::shared_ptr<T>> out;
  for (size_t i = 0; i < list->size(); ++i) out.push_back(std::static_pointer_cast<T>(list->at(i).rawObject()));
  return out;
}

TEST_F(MagazineTest, SaveCutsTextsKeepsFileNamesAndRoundTripsEveryText) {
  struct Field {
    void (Magazine::*set)(std::string_view);
    std::string (Magazine::*get)() const;
    std::string written, read;
  };
  const Field fields[] = {
      {&Magazine::setName, &Magazine::Name, std::string(60, 'n'), std::string(50, 'n')},
      {&Magazine::setAlias, &Magazine::Alias, "a'b", "a'b"},
      {&Magazine::setCoverPage, &Magazine::CoverPage, "/mag/cover.htm", "cover.htm"},
      {&Magazine::setIndexPage, &Magazine::IndexPage, "/mag/sub/index.htm", "index.htm"},
      {&Magazine::setDirectory, &Magazine::Directory, std::string(600, 'd'), std::string(500, 'd')},
      {&Magazine::setCurrentYear, &Magazine::CurrentYear, "", " "},
  };
  Magazine magazine;
  for (const Field& f : fields) (magazine.*f.set)(f.written);
  magazine.setIsOpen(false);
  magazine.Save();
  EXPECT_EQ(magazine.Name(), std::string(50, 'n')) << "the object keeps the cut value";
  Magazine read;
  read.Load(magazine.ID());
  for (const Field& f : fields) EXPECT_EQ((read.*f.get)(), f.read) << f.written.substr(0, 20);
  EXPECT_FALSE(read.IsOpen());
  for (const std::string& text : testing::trickyTexts()) {
    for (auto set : {&Magazine::setName, &Magazine::setAlias, &Magazine::setCoverTemplate, &Magazine::setIndexTemplate,
                     &Magazine::setCoverPicture, &Magazine::setExtProperty})
      (read.*set)(text);
    read.Save();
    Magazine again;
    again.Load(read.ID());
    for (const std::string& field : {again.Name(), again.Alias(), again.CoverTemplate(), again.IndexTemplate(),
                                     again.CoverPicture(), again.ExtProperty()})
      EXPECT_EQ(field, text);
  }
  EXPECT_EQ(count("Magazine"), 1);
}

TEST_F(MagazineTest, RequiredFieldsAndMissingIds) {
  Magazine magazine;
  magazine.setName("");
  EXPECT_EQ(raised([&] { magazine.Save(); }),
            (Raised{1051, "", "There is some error in your input:The Column Name can not be empty!"}));
  EXPECT_EQ(count("Magazine"), 0);
  EXPECT_EQ(raised([&] { Magazine().Load(5); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { Magazine().Del(5); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { Issue().Load(5); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { Issue().Del(5); }), (Raised{1050, "", "NoRecord"}));
  Issue issue;
  issue.setIssueYear("");
  issue.setIssueNumber("");
  EXPECT_EQ(raised([&] { issue.Save(); }),
            (Raised{1051, "", "There is some error in your input:年号不能为空!期号不能为空!"}));
  issue.setIssueYear("2003");
  EXPECT_EQ(raised([&] { issue.Save(); }).description, "There is some error in your input:期号不能为空!");
  EXPECT_EQ(count("Issue"), 0);
}

TEST_F(MagazineTest, AttributesRoundTripUpperCasedAndTextsThatDoNotParseStay) {
  Magazine magazine;
  magazine.setName("m");
  magazine.SetAttribute("editor", "x");
  magazine.SetAttribute("it's [odd]", "1 < 2 & 3");
  magazine.SetAttribute("Editor", "y");
  magazine.Save();
  Magazine read;
  read.Load(magazine.ID());
  std::vector<std::shared_ptr<myAttribute>> all = items<myAttribute>(read.AllAttribute());
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0]->Name(), "EDITOR");
  EXPECT_EQ(all[0]->Value().toString(), "y");
  EXPECT_EQ(all[1]->Name(), "IT'S [ODD]");
  EXPECT_EQ(read.GetAttribute("Editor"), "y");
  EXPECT_EQ(read.GetAttribute("it's [odd]"), "1 < 2 & 3");
  EXPECT_EQ(read.GetAttribute("missing"), "");

  Issue issue;
  issue.SetAttribute("theme", "spring");
  EXPECT_EQ(issue.ExtProperty(), "<?xml version=\"1.0\" encoding=\"gb2312\"?><issue><attribute name=\"THEME\">spring</attribute></issue>");
  EXPECT_EQ(issue.GetAttribute("THEME"), "spring");

  magazine.setExtProperty("<magazine>");
  EXPECT_EQ(magazine.AllAttribute(), nullptr);
  EXPECT_EQ(magazine.GetAttribute("a"), "");
  EXPECT_EQ(raised([&] { magazine.SetAttribute("a", "b"); }), (Raised{555, "User.SetAttribute", "InvalidXML"}));
  EXPECT_EQ(magazine.ExtProperty(), "<magazine>");
  magazine.setExtProperty("   ");
  EXPECT_EQ(magazine.AllAttribute()->Count(), 0);
  issue.setExtProperty("<?xml version=\"1.0\"?>");
  EXPECT_EQ(raised([&] { issue.SetAttribute("a", "b"); }).number, 555);
}

TEST_F(MagazineTest, ColumnsByIdAndIssuesNewestFirst) {
  int32_t magazine = newMagazine("m"), other = newMagazine("o");
  int32_t c1 = newColumn("c1", magazine), c2 = newColumn("c2", magazine);
  newColumn("elsewhere", other);
  int32_t i2003 = newIssue(magazine, "2003", "5"), i2004a = newIssue(magazine, "2004", "1");
  int32_t i2004b = newIssue(magazine, "2004", "2");
  newIssue(other, "2004", "1");
  Magazine read;
  read.Load(magazine);
  std::vector<int32_t> columns, issues;
  for (const auto& column : items<Column>(read.Columns())) columns.push_back(column->ID());
  for (const auto& issue : items<Issue>(read.Issues())) issues.push_back(issue->ID());
  EXPECT_EQ(columns, (std::vector<int32_t>{c1, c2}));
  EXPECT_EQ(issues, (std::vector<int32_t>{i2004b, i2004a, i2003}));
}

TEST_F(MagazineTest, ApplyACLToChildGivesEachColumnExactlyTheMagazinesEntries) {
  int32_t magazine = newMagazine("m");
  int32_t c1 = newColumn("c1", magazine), c2 = newColumn("c2", magazine);
  Magazine read;
  read.Load(magazine);
  read.AddACLEntry("ann");
  read.AddACLEntry("bob");
  Column column;
  column.Load(c2);
  column.AddACLEntry("carl");
  column.AddACLEntry("ann");
  read.ApplyACLToChild();
  for (int32_t id : {c1, c2}) {
    std::string resource = "'CHANNEL_" + std::to_string(id) + "'";
    EXPECT_EQ(scalar("SELECT group_concat(userid) FROM (SELECT userid FROM cms_acl WHERE resource=" + resource +
                     " ORDER BY userid)"),
              "ann,bob");
  }
  read.ClearACLEntry();
  EXPECT_EQ(count("cms_acl WHERE resource='CHANNEL_" + std::to_string(magazine) + "'"), 0);
  Magazine unsaved;
  unsaved.AddACLEntry("ann");
  EXPECT_EQ(count("cms_acl"), 4);
}

TEST_F(MagazineTest, IssuePairsAreUniqueWithinAMagazine) {
  int32_t magazine = newMagazine("m"), other = newMagazine("o");
  int32_t first = newIssue(magazine, "2003", "5");
  const Raised duplicate{6145, "Issue.Save", "已经有同年同期的期号存在!"};
  EXPECT_EQ(raised([&] { newIssue(magazine, "2003", "5"); }), duplicate);
  EXPECT_GT(newIssue(other, "2003", "5"), 0);
  int32_t second = newIssue(magazine, "2003", "6");
  Issue issue;
  issue.Load(first);
  issue.setDescription("own pair again");
  EXPECT_TRUE(issue.Save());
  issue.setIssueNumber("6");
  EXPECT_EQ(raised([&] { issue.Save(); }), duplicate);
  Issue read;
  read.Load(first);
  EXPECT_EQ(read.IssueNumber(), "5");
  EXPECT_EQ(read.Description(), "own pair again");
  EXPECT_NE(second, first);
  EXPECT_EQ(count("Issue"), 3);
}

TEST_F(MagazineTest, ConcurrentSavesOfOnePairStoreItOnce) {
  int32_t magazine = newMagazine("m");
  constexpr int kThreads = 4;
  std::vector<std::thread> threads;
  std::vector<int> failures(kThreads);
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      for (int number = 1; number <= 5; ++number)
        failures[t] += raised([&] { newIssue(magazine, "2010", std::to_string(number)); }).number == 6145;
      db::releasePooledConnection(connString());
    });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(count("Issue"), 5);
  int refused = 0;
  for (int f : failures) refused += f;
  EXPECT_EQ(refused, 5 * (kThreads - 1));
}

TEST_F(MagazineTest, IssueFieldsAndLongTextsRoundTrip) {
  int32_t magazine = newMagazine("m");
  Issue issue;
  issue.setMagazineID(magazine);
  issue.setIssueYear("2003");
  issue.setIssueNumber("o'5");
  issue.setCoverPicture("/p/c.jpg");
  issue.setStatus(2);
  issue.setPublishDate(OleDate{40000.5});
  issue.setDescription(std::string(70000, 'd') + "it's");
  issue.Save();
  Issue read;
  read.Load(issue.ID());
  EXPECT_EQ(read.IssueNumber(), "o'5");
  EXPECT_EQ(read.CoverPicture(), "/p/c.jpg");
  EXPECT_EQ(read.Status(), 2);
  EXPECT_EQ(read.MagazineID(), magazine);
  EXPECT_DOUBLE_EQ(read.PublishDate().days, 40000.5);
  EXPECT_EQ(read.Description(), std::string(70000, 'd') + "it's");
}

TEST_F(MagazineTest, IssueDelRemovesItsArticlesWithTheirRows) {
  int32_t magazine = newMagazine("m");
  int32_t column = newColumn("c", magazine);
  int32_t doomed = newIssue(magazine, "2003", "1"), kept = newIssue(magazine, "2003", "2");
  addSectionRows(column, 100);
  addSectionRows(column, 200);
  sql("UPDATE cms_content SET issueid=" + std::to_string(doomed) + " WHERE id=100");
  sql("UPDATE cms_content SET issueid=" + std::to_string(kept) + " WHERE id=200");
  EXPECT_TRUE(Issue().Del(doomed));
  EXPECT_EQ(count("Issue"), 1);
  for (const char* table : {"cms_content WHERE id", "cms_pages WHERE contentid", "ContentProperty WHERE ContentID",
                            "SearchMetadata WHERE ContentID"}) {
    EXPECT_EQ(count(std::string(table) + "=100"), 0) << table;
    EXPECT_EQ(count(std::string(table) + "=200"), 1) << table;
  }
}

TEST_F(MagazineTest, MagazineDelCascadesToColumnsIssuesAttachmentsAndEntries) {
  int32_t magazine = newMagazine("m"), other = newMagazine("o");
  int32_t column = newColumn("c", magazine), otherColumn = newColumn("c", other);
  int32_t issue = newIssue(magazine, "2003", "1");
  newIssue(other, "2003", "1");
  addSectionRows(column, 100);
  addSectionRows(otherColumn, 200);
  sql("UPDATE cms_content SET issueid=" + std::to_string(issue) + " WHERE id=100");
  sql("INSERT INTO cms_attach (id,columnid,filename) VALUES (900," + std::to_string(magazine) + ",'f')");
  Magazine read;
  read.Load(magazine);
  read.AddACLEntry("ann");
  EXPECT_TRUE(Magazine().Del(magazine));
  EXPECT_EQ(count("Magazine"), 1);
  EXPECT_EQ(count("cms_column"), 1);
  EXPECT_EQ(count("Issue"), 1);
  EXPECT_EQ(countSectionRows(column, 100), 0);
  EXPECT_EQ(countSectionRows(otherColumn, 200), 7);
  EXPECT_EQ(count("cms_attach WHERE id=900"), 0);
  EXPECT_EQ(count("cms_acl WHERE resource='CHANNEL_" + std::to_string(magazine) + "'"), 0);
}

}  // namespace
}  // namespace corvela::structure
