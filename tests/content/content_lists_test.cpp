// The article lists: history demotion by reserve days, status lists taken
// only as integers, issue lists, and the searches across the search rows.
#include <algorithm>

#include <gtest/gtest.h>

#include "content/search_row.h"
#include "content_fixture.h"
#include "platform/db/recordset.h"

namespace corvela::content {
namespace {

class ListTest : public ContentTest {
 protected:
  void SetUp() override { news_ = addChannel("/News"); }

  // An article saved with the given submit date (days before now).
  int32_t articleSubmitted(double daysAgo, int32_t status, int32_t issue = 1) {
    Content article;
    article.setColumnid(news_);
    article.setStatus(status);
    article.setissueId(issue);
    article.setSubmitDate(OleDate{oleDateNow() - daysAgo});
    article.Save2();
    return article.ID();
  }

  void searchRow(int32_t contentId, const std::string& path, const std::string& title, const std::string& metadata) {
    SearchRow row;
    row.contentId = contentId;
    row.channelPath = path;
    row.title = title;
    row.metadata = metadata;
    row.submitDate = OleDate{oleDateNow()};
    writeSearchRow(row);
  }

  std::string statusOf(int32_t id) { return scalar("SELECT status FROM cms_content WHERE id=" + std::to_string(id)); }

  int32_t news_ = 0;
};

TEST_F(ListTest, ListAllMovesPublishedArticlesPastTheReserveDaysToHistoryEvenAtZeroDays) {
  setReserveDays(news_, 7);
  int32_t old = articleSubmitted(10, kStatusPublished), recent = articleSubmitted(1, kStatusPublished);
  int32_t oldDraft = articleSubmitted(10, kStatusSubmitted);
  EXPECT_EQ(ids(Content().ListAll(news_, "1,2,3,5")), (std::vector<int32_t>{oldDraft, recent}));
  EXPECT_EQ(statusOf(old), "4");
  EXPECT_EQ(statusOf(recent), "5");
  EXPECT_EQ(statusOf(oldDraft), "3") << "only published articles move";
  EXPECT_EQ(ids(Content().ListHistory(news_)), (std::vector<int32_t>{old}));

  setReserveDays(news_, 0);
  int32_t fresh = articleSubmitted(0.001, kStatusPublished);
  EXPECT_TRUE(ids(Content().ListAll(news_, "5")).empty()) << "reserve days 0 move every published article";
  EXPECT_EQ(ids(Content().ListAll(news_, "4")), (std::vector<int32_t>{fresh, recent, old}));
}

TEST_F(ListTest, StatusListsAreTakenOnlyAsIntegers) {
  int32_t draft = articleSubmitted(0, kStatusNew), submitted = articleSubmitted(0, kStatusSubmitted);
  EXPECT_EQ(ids(Content().ListAll(news_, " 3 , 1 ")), (std::vector<int32_t>{submitted, draft}));
  EXPECT_EQ(ids(Content().ListAll2(news_, 1, "3")), (std::vector<int32_t>{submitted}));
  const Raised refused{1051, "", "Some Error in your input:Invalid status list!"};
  for (const char* list : {"", "1,,2", "1,2,", "abc", "1) OR (1=1", "3) UNION SELECT * FROM user_users --", "1.5",
                           "99999999999"}) {
    EXPECT_EQ(raised([&] { Content().ListAll(news_, list); }), refused) << list;
    EXPECT_EQ(raised([&] { Content().ListAll2(news_, 1, list); }), refused) << list;
  }
}

TEST_F(ListTest, ListAll2ListsOneIssue) {
  int32_t first = articleSubmitted(0, kStatusNew, 7), second = articleSubmitted(0, kStatusNew, 8);
  int32_t later = articleSubmitted(0, kStatusNew, 7);
  EXPECT_EQ(ids(Content().ListAll2(news_, 7, "1,2,3,5")), (std::vector<int32_t>{later, first}));
  EXPECT_EQ(ids(Content().ListAll2(news_, 8, "1,2,3,5")), (std::vector<int32_t>{second}));
}

TEST_F(ListTest, SearchFindsKeysInMetadataOrTitleLiterally) {
  int32_t byTitle = saveArticle(news_, "Rain in Spain"), byMeta = saveArticle(news_, "Weather");
  int32_t percent = saveArticle(news_, "Rates"), plain = saveArticle(news_, "Plain");
  int32_t noRow = saveArticle(news_, "rain, but never generated");
  searchRow(byTitle, "/News", "Rain in Spain", "plains");
  searchRow(byMeta, "/News", "Weather", "heavy rain today");
  searchRow(percent, "/News", "Rates", "up 100% on a_b, it's true");
  searchRow(plain, "/News", "Plain", "up 1000 on axb");
  (void)noRow;
  auto found = [&](const std::string& key) {
    auto list = ids(Content().Search(key));
    std::sort(list.begin(), list.end());
    return list;
  };
  EXPECT_EQ(found("RAIN"), (std::vector<int32_t>{byTitle, byMeta}));
  EXPECT_EQ(found("100%"), (std::vector<int32_t>{percent}));
  EXPECT_EQ(found("a_b"), (std::vector<int32_t>{percent}));
  EXPECT_EQ(found("it's"), (std::vector<int32_t>{percent}));
  EXPECT_EQ(found("%"), (std::vector<int32_t>{percent}));
  EXPECT_EQ(found("\\"), (std::vector<int32_t>{}));
  EXPECT_EQ(found("' OR '1'='1"), (std::vector<int32_t>{}));
}

TEST_F(ListTest, Search2KeepsToTheChannelsBranch) {
  int32_t sports = addChannel("/News/Sports"), letter = addChannel("/Newsletter");
  int32_t inNews = saveArticle(news_, "a"), inSports = saveArticle(sports, "b"), inLetter = saveArticle(letter, "c");
  searchRow(inNews, "/News", "a", "goal");
  searchRow(inSports, "/News/Sports", "b", "goal");
  searchRow(inLetter, "/Newsletter", "c", "goal");
  auto found = ids(Content().Search2("goal", news_));
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<int32_t>{inNews, inSports}));
  EXPECT_EQ(ids(Content().Search2("goal", sports)), (std::vector<int32_t>{inSports}));
  EXPECT_EQ(raised([&] { Content().Search2("goal", 999); }).number, 555);
}

TEST_F(ListTest, Search3ListsTheArticlesSavedOnOneDay) {
  int32_t today = articleSubmitted(0, kStatusNew), yesterday = articleSubmitted(1, kStatusNew);
  int32_t other = addChannel("/Other");
  Content elsewhere;
  elsewhere.setColumnid(other);
  elsewhere.Save();
  EXPECT_EQ(ids(Content().Search3(OleDate{oleDateNow()}, news_)), (std::vector<int32_t>{today}));
  EXPECT_EQ(ids(Content().Search3(OleDate{oleDateNow() - 1}, news_)), (std::vector<int32_t>{yesterday}));
}

TEST_F(ListTest, SearchRowsAreWrittenOnceAndMoveWithTheirArticle) {
  int32_t sports = addChannel("/Sports");
  int32_t id = saveArticle(news_, "t");
  searchRow(id, "/News", "first", "m1");
  searchRow(id, "/News", "second", "m2");
  std::string where = "SearchMetadata WHERE ContentID=" + std::to_string(id);
  EXPECT_EQ(count(where), 1);
  EXPECT_EQ(scalar("SELECT Title || '|' || MetaData FROM " + where), "second|m2");
  sql("UPDATE SearchMetadata SET Points=4");
  searchRow(id, "/News", "third", "m3");
  EXPECT_EQ(scalar("SELECT Points FROM " + where), "4") << "an update keeps the points";
  Content article;
  article.Load(id);
  article.MoveTo(sports);
  EXPECT_EQ(scalar("SELECT ChannelPath FROM " + where), "/Sports");
}

TEST(SearchSummary, DropsParagraphTagsCommentsOtherTagsAndCuts) {
  EXPECT_EQ(searchSummary("<P>one</p><br>two<b>x</b>"), "onetwo<!--b-->x<!--/b-->");
  std::string summary = searchSummary("<p>" + std::string(400, 'a'));
  EXPECT_EQ(summary, std::string(255, 'a'));
  std::string breaks;
  for (int i = 0; i < 100; ++i) breaks += "<br>";
  EXPECT_EQ(searchSummary(breaks + "tail"), "") << "the first 300 characters are taken before the tags go";
}

}  // namespace
}  // namespace corvela::content
