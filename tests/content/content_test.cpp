// Content as a record: defaults, the input check, status changes, cuts and
// tricky texts, ordering numbers per column under concurrency, moves at the
// ends, pages, deletion and the content plug-in.
#include "content/content.h"

#include <cmath>
#include <set>

#include <gtest/gtest.h>

#include "content/page.h"
#include "content_fixture.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/progid_factory.h"
#include "platform/db/connection.h"
#include "support/tricky_texts.h"

namespace corvela::content {
namespace {

class ArticleTest : public ContentTest {
 protected:
  void SetUp() override { news_ = addChannel("/News"); }
  int32_t news_ = 0;
};

TEST_F(ArticleTest, SaveWithoutColumnRaises1051AndWritesNothing) {
  Content article;
  article.AddPage(1, "body");
  EXPECT_EQ(raised([&] { article.Save(); }), (Raised{1051, "", "Some Error in your input:Invalid ColumnID!"}));
  EXPECT_EQ(article.ID(), -1);
  EXPECT_EQ(count("cms_content"), 0);
  EXPECT_EQ(count("cms_pages"), 0);
  EXPECT_EQ(count("IDManager WHERE tablename='cms_content' OR tablename LIKE 'USN%'"), 0);
}

TEST_F(ArticleTest, StatusOfSavesAndResaves) {
  struct Case {
    int32_t savedWith, storedFirst, storedAfterResave;
  } cases[] = {{kStatusNew, 1, 2}, {kStatusEdited, 2, 2}, {kStatusSubmitted, 3, 3}, {kStatusPublished, 5, 5}};
  for (const Case& c : cases) {
    int32_t id = saveArticle(news_, "t", c.savedWith);
    std::string where = "cms_content WHERE id=" + std::to_string(id);
    EXPECT_EQ(scalar("SELECT status FROM " + where), std::to_string(c.storedFirst)) << c.savedWith;
    Content article;
    article.Load(id);
    article.Save();
    EXPECT_EQ(scalar("SELECT status FROM " + where), std::to_string(c.storedAfterResave)) << c.savedWith;
    EXPECT_EQ(article.Status(), c.storedAfterResave);
  }
}

TEST_F(ArticleTest, TextsAreCutToTheirColumnsEmptyOnesStoredAsASpaceAndFlagsNormalised) {
  std::string title(250, 'x');
  title += "it's quoted";  // 261 characters: the cut falls after "it's q"
  Content article;
  article.setColumnid(news_);
  article.setTitle(title);
  article.setAuthor(std::string(60, 'a'));
  article.setPutInTopx("y");
  article.setIsImageNews("maybe");
  article.Save();
  Content read;
  read.Load(article.ID());
  EXPECT_EQ(read.Title(), title.substr(0, 255));
  EXPECT_EQ(read.Author(), std::string(50, 'a'));
  EXPECT_EQ(read.PutInTopx(), "Y");
  EXPECT_EQ(read.IsImageNews(), "N");
  EXPECT_EQ(article.Title(), read.Title()) << "the object reflects the stored row";
  read.setTitle("");
  read.setAuthor("");
  read.Save();
  EXPECT_EQ(scalar("SELECT title || '|' || author FROM cms_content"), " | ") << "empty texts are stored as one space";
}

TEST_F(ArticleTest, TrickyTextsRoundTrip) {
  for (const std::string& text : testing::trickyTexts()) {
    Content article;
    article.setColumnid(news_);
    article.setTitle(text);
    article.setAuthor(text.substr(0, 20));
    article.setKeyword(text);
    article.Save();
    Content read;
    read.Load(article.ID());
    EXPECT_EQ(read.Title(), text);
    EXPECT_EQ(read.Keyword(), text);
  }
  EXPECT_EQ(count("cms_acl"), 0) << "no statement was changed by a text";
}

TEST_F(ArticleTest, SaveStampsTheSubmitDateAndSave2KeepsIt) {
  const double lastYear = oleDateNow() - 365;
  Content article;
  article.setColumnid(news_);
  article.setSubmitDate(OleDate{lastYear});
  article.Save2();
  Content read;
  read.Load(article.ID());
  EXPECT_NEAR(read.SubmitDate().days, lastYear, 1.0 / 86400);
  read.Save();
  EXPECT_NEAR(read.SubmitDate().days, oleDateNow(), 1.0 / 24);
}

TEST_F(ArticleTest, OrderingNumbersCountPerColumn) {
  int32_t sports = addChannel("/Sports");
  int32_t a = saveArticle(news_, "a"), b = saveArticle(news_, "b"), c = saveArticle(sports, "c");
  auto usn = [&](int32_t id) { return scalar("SELECT USN FROM cms_content WHERE id=" + std::to_string(id)); };
  EXPECT_EQ(usn(a), "1");
  EXPECT_EQ(usn(b), "2");
  EXPECT_EQ(usn(c), "1");
  Content article;
  article.Load(a);
  article.Save();
  EXPECT_EQ(usn(a), "1") << "a re-save keeps the number";
}

TEST_F(ArticleTest, ConcurrentSavesInOneColumnNeverShareAnOrderingNumber) {
  constexpr int kThreads = 4, kEach = 8;
  runTogether(kThreads, [&](int) {
    for (int i = 0; i < kEach; ++i) saveArticle(news_, "concurrent");
    db::releasePooledConnection(connString());
  });
  EXPECT_EQ(count("cms_content"), kThreads * kEach);
  EXPECT_EQ(scalar("SELECT count(DISTINCT USN) FROM cms_content"), std::to_string(kThreads * kEach));
  EXPECT_EQ(scalar("SELECT max(USN) FROM cms_content"), std::to_string(kThreads * kEach));
}

TEST_F(ArticleTest, MoveUpAndDownSwapWithTheNeighbourAndStopAtTheEnds) {
  int32_t low = saveArticle(news_, "low"), mid = saveArticle(news_, "mid"), high = saveArticle(news_, "high");
  auto order = [&] { return ids(Content().ListAll(news_, "1,2,3,5")); };
  ASSERT_EQ(order(), (std::vector<int32_t>{high, mid, low}));

  Content top;
  top.Load(high);
  top.MoveUp();
  EXPECT_EQ(order(), (std::vector<int32_t>{high, mid, low}));
  EXPECT_EQ(top.Status(), kStatusNew) << "nothing was saved at the top";
  Content bottom;
  bottom.Load(low);
  bottom.MoveDown();
  EXPECT_EQ(order(), (std::vector<int32_t>{high, mid, low}));

  Content stale;
  stale.Load(mid);
  bottom.MoveUp();
  EXPECT_EQ(order(), (std::vector<int32_t>{high, low, mid}));
  EXPECT_EQ(bottom.Status(), kStatusEdited) << "a move saves the article";
  stale.MoveUp();  // loaded before the last swap: the stored number counts
  EXPECT_EQ(order(), (std::vector<int32_t>{high, mid, low}));
  EXPECT_EQ(scalar("SELECT count(DISTINCT USN) FROM cms_content"), "3");
}

TEST_F(ArticleTest, AddPageReplacesAnExistingPageOrAppendsTheNext) {
  Content article;
  article.setColumnid(news_);
  article.AddPage(1, "one");
  article.AddPage(7, "two");
  article.AddPage(5, "three");
  article.AddPage(2, "TWO");
  article.AddPage(0, "four");
  article.Save();
  Content read;
  read.Load(article.ID());
  for (Content* held : {&article, &read}) {
    std::vector<std::shared_ptr<Page>> pages = held->pageList();
    ASSERT_EQ(pages.size(), 4u);
    const char* bodies[] = {"one", "TWO", "three", "four"};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(pages[i]->PageNum(), i + 1);
      EXPECT_EQ(pages[i]->Content(), bodies[i]);
      EXPECT_EQ(pages[i]->contentid(), article.ID());
      EXPECT_GE(pages[i]->PageID(), 0);
    }
  }
}

TEST_F(ArticleTest, ClearPagesDeletesSavedRowsAndDropsUnsavedPages) {
  int32_t id = saveArticle(news_, "t", kStatusNew, {"a", "b"});
  int32_t other = saveArticle(news_, "u", kStatusNew, {"c"});
  Content article;
  article.Load(id);
  article.AddPage(0, "unsaved");
  article.ClearPages();
  EXPECT_EQ(article.Pages()->Count(), 0);
  EXPECT_EQ(count("cms_pages WHERE contentid=" + std::to_string(id)), 0);
  EXPECT_EQ(count("cms_pages WHERE contentid=" + std::to_string(other)), 1);
}

TEST_F(ArticleTest, DelRemovesPagesPropertiesAndTheSearchRowButNothingElse) {
  int32_t id = saveArticle(news_, "t", kStatusNew, {"a", "b"});
  int32_t other = saveArticle(news_, "u", kStatusNew, {"c"});
  for (int32_t article : {id, other}) {
    std::string n = std::to_string(article);
    sql("INSERT INTO ContentProperty (ValueID,ContentID,PropertyID,STRING_VALUE) VALUES (" + n + "," + n + ",1,'v')");
    sql("INSERT INTO SearchMetadata (ContentID,Title) VALUES (" + n + ",'t')");
  }
  EXPECT_TRUE(Content().Del(id));
  for (const char* table : {"cms_content WHERE id", "cms_pages WHERE contentid", "ContentProperty WHERE ContentID",
                            "SearchMetadata WHERE ContentID"}) {
    EXPECT_EQ(count(table + ("=" + std::to_string(id))), 0) << table;
    EXPECT_EQ(count(table + ("=" + std::to_string(other))), 1) << table;
  }
  EXPECT_EQ(raised([&] { Content().Load(id); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { Content().Del(id); }), (Raised{1050, "", "NoRecord"}));
}

// A content plug-in that records its calls, or fails every one.
class RecordingPlugin : public DispatchObject<RecordingPlugin> {
 public:
  static constexpr std::string_view kClassName = "RecordingPlugin";
  static inline std::vector<std::string> log;
  static inline bool failing = false;
  static const DispatchTable<RecordingPlugin>& dispatchTable() {
    static const DispatchTable<RecordingPlugin> table = Members<RecordingPlugin>()
        .method<&RecordingPlugin::UpdateEntry>("UpdateEntry")
        .method<&RecordingPlugin::DelEntry>("DelEntry")
        .build();
    return table;
  }
  void UpdateEntry(std::string_view file, ByRef<int32_t> status) {
    if (failing) throw ComError(77, "Plugin", "broken");
    log.push_back("update " + std::string(file) + " " + std::to_string(*status));
  }
  void DelEntry(std::string_view file) { log.push_back("delete " + std::string(file)); }
};

const ClassRegistration kRecording("Test.RecordingPlugin", [] { return std::make_shared<RecordingPlugin>(); });

TEST_F(ArticleTest, PluginHearsOfTheFirstPageOnSaveAndDelete) {
  RecordingPlugin::log.clear();
  setSetting("plugin", "Test.RecordingPlugin");
  Content article;
  article.setColumnid(news_);
  article.setStatus(kStatusSubmitted);
  article.AddPage(0, "one");
  article.AddPage(0, "two");
  article.pageList()[0]->setFileName("/news/a.htm");
  article.pageList()[1]->setFileName("/news/a_2.htm");
  article.Save();
  article.Del(article.ID());
  EXPECT_EQ(RecordingPlugin::log, (std::vector<std::string>{"update /news/a.htm 3", "delete /news/a.htm"}));
}

TEST_F(ArticleTest, MissingOrFailingPluginsNeverFailASave) {
  RecordingPlugin::failing = true;
  for (const char* progId : std::initializer_list<const char*>{"Test.RecordingPlugin", "No.SuchPlugin", "", nullptr}) {
    progId ? setSetting("plugin", progId) : removeSetting("plugin");
    EXPECT_GT(saveArticle(news_, "t", kStatusNew, {"page"}), 0) << (progId ? progId : "no setting");
  }
  RecordingPlugin::failing = false;
}

TEST_F(ArticleTest, MoveToTakesANumberOfTheNewColumnAndCopyToCopiesPages) {
  int32_t sports = addChannel("/Sports");
  saveArticle(sports, "already there");
  int32_t id = saveArticle(news_, "moving", kStatusNew, {"p1", "p2"}, "k");
  Content article;
  article.Load(id);
  article.MoveTo(sports);
  EXPECT_EQ(article.Columnid(), sports);
  EXPECT_EQ(article.usn(), 2) << "the next number of the new column";

  Content unsaved;
  unsaved.MoveTo(sports);
  EXPECT_EQ(unsaved.CopyTo(sports), nullptr);
  EXPECT_EQ(count("cms_content"), 2);

  article.setPSN(9);
  article.AddRelativeArticle(1);
  article.Save();
  std::shared_ptr<Content> copy = article.CopyTo(news_);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy->ID(), article.ID());
  EXPECT_EQ(copy->Columnid(), news_);
  EXPECT_EQ(copy->Title(), "moving");
  EXPECT_EQ(copy->Keyword(), "k");
  EXPECT_EQ(copy->PSN(), 0);
  EXPECT_EQ(copy->relatedArticleXml(), kEmptyRelatedList);
  std::vector<std::shared_ptr<Page>> pages = copy->pageList();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[1]->Content(), "p2");
  EXPECT_EQ(count("cms_pages"), 4) << "the copy has page rows of its own";
}

}  // namespace
}  // namespace corvela::content
