// Page: bodies of any length and any text, the input check, deletion with
// and without the published file, and the listing order (records_script
// reaches it by ProgID).
#include "content/page.h"

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::content {
namespace {

using testing::CoreTest;
using testing::Raised;
using testing::raised;

class PageTest : public CoreTest {
 protected:
  int32_t savePage(int32_t contentId, int32_t number, std::string body, std::string fileName = "/a.html") {
    Page page;
    page.setcontentid(contentId);
    page.setPageNum(number);
    page.setContent(body);
    page.setFileName(fileName);
    EXPECT_TRUE(page.Save());
    return page.PageID();
  }
};

TEST_F(PageTest, BodiesAndFileNamesRoundTripExactly) {
  std::string longBody;
  for (int i = 0; longBody.size() < 200000; ++i) longBody += "第" + std::to_string(i) + "段 it's 100% '; -- ";
  std::vector<std::pair<std::string, std::string>> cases = {{"it's <b>\"bold\"</b>", "/news/o'neil.html"},
                                                            {longBody, "/long.html"}};
  for (const std::string& text : testing::trickyTexts()) cases.emplace_back(text, text);
  for (const auto& [body, fileName] : cases) {
    SCOPED_TRACE(fileName);
    Page read;
    read.Load(savePage(3, 1, body, fileName));
    EXPECT_EQ(read.Content(), body);
    EXPECT_EQ(read.FileName(), fileName);
    EXPECT_EQ(read.contentid(), 3);
  }
  EXPECT_EQ(Page().PageNum(), 1);
  EXPECT_EQ(scalar("SELECT min(pageid) FROM cms_pages"), "1") << "new pages get ids from 1";
}

TEST_F(PageTest, EmptyBodyIsStoredAsOneSpace) {
  int32_t id = savePage(1, 1, "");
  EXPECT_EQ(scalar("SELECT content FROM cms_pages WHERE pageid=" + std::to_string(id)), " ");
  sql("UPDATE cms_pages SET content=NULL");
  Page read;
  read.Load(id);
  EXPECT_EQ(read.Content(), " ");
}

TEST_F(PageTest, SaveOfAnExistingPageUpdatesIt) {
  int32_t id = savePage(1, 1, "first");
  Page page;
  page.Load(id);
  page.setContent("second");
  page.setPageNum(4);
  page.Save();
  EXPECT_EQ(page.PageID(), id);
  EXPECT_EQ(scalar("SELECT COUNT(*) || content || pagenum FROM cms_pages"), "1second4");
}

TEST_F(PageTest, NegativeContentIdAndMissingPagesAreRefused) {
  Page page;
  EXPECT_EQ(raised([&] { page.Save(); }), (Raised{1051, "", "Input Error:Invalid contentid!"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_pages"), "0");
  EXPECT_EQ(raised([&] { page.Load(9); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { page.Del(9); }), (Raised{1050, "", "NoRecord"}));
}

TEST_F(PageTest, FailedBodyWriteLeavesThePageAsItWas) {
  int32_t id = savePage(1, 1, "old body", "/old.html");
  sql("CREATE TRIGGER refuse BEFORE UPDATE OF content ON cms_pages WHEN NEW.content = 'new body' "
      "BEGIN SELECT RAISE(ABORT, 'refused'); END");
  Page page;
  page.Load(id);
  page.setContent("new body");
  page.setFileName("/new.html");
  EXPECT_THROW(page.Save(), ComError);
  EXPECT_EQ(scalar("SELECT filename || content FROM cms_pages"), "/old.htmlold body");
  Page fresh;
  fresh.setcontentid(1);
  fresh.setContent("new body");
  EXPECT_THROW(fresh.Save(), ComError);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_pages"), "1") << "a new page is not left behind half-saved";
}

TEST_F(PageTest, DelRemovesThePublishedFileWhenThereIsOne) {
  std::filesystem::create_directories(siteDir() + "/news");
  std::ofstream(siteDir() + "/news/p.html") << "x";
  std::ofstream(dataDir() / "outside.html") << "x";
  int32_t withFile = savePage(1, 1, "a", "/news/p.html");
  int32_t missingFile = savePage(1, 2, "b", "/news/gone.html");
  int32_t climbing = savePage(1, 3, "c", "/../outside.html");
  Page page;
  EXPECT_TRUE(page.Del(withFile));
  EXPECT_FALSE(std::filesystem::exists(siteDir() + "/news/p.html"));
  EXPECT_TRUE(page.Del(missingFile));
  EXPECT_TRUE(page.Del(climbing));
  EXPECT_TRUE(std::filesystem::exists(dataDir() / "outside.html")) << "nothing outside the site is removed";
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_pages"), "0");
}

TEST_F(PageTest, ListAllPagesOrdersOneArticlesPagesByNumber) {
  savePage(5, 3, "c");
  savePage(5, 1, "a");
  savePage(6, 2, "other");
  savePage(5, 2, "b");
  auto rs = Page().ListAllPages(5);
  std::string bodies;
  for (; !rs->eof(); rs->moveNext()) bodies += rs->value("content").toString();
  EXPECT_EQ(bodies, "abc");
}

}  // namespace
}  // namespace corvela::content
