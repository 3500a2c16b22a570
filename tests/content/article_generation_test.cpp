// Article pages: file names from NameMethod, the per-page document keys,
// the report, page file names and search rows, a second run, an article
// without pages, a locked file and a template that fails on one page.
#include "content/article_generation.h"

#include <gtest/gtest.h>

#include "content/content.h"
#include "generation_fixture.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/progid_factory.h"
#include "sitefiles/file.h"
#include "sitefiles/site_folder.h"

namespace corvela::content {
namespace {

constexpr const char* kPageTemplate =
    "<!--%Response.Output Document(\"title\") & \"|\" & Document(\"pagenum\") & \"|\" & Document(\"prevpage\") & "
    "\"|\" & Document(\"nextpage\") & \"|\" & Document(\"url\") & \"|\" & Document(\"pages\").Count & \"|\" & "
    "Channel.Name & \"|\" & Document(\"content\")%-->";

// A content plug-in that records RunPlugin's arguments, or fails.
class RunPluginRecorder : public DispatchObject<RunPluginRecorder> {
 public:
  static constexpr std::string_view kClassName = "RunPluginRecorder";
  static inline std::vector<std::string> calls;
  static const DispatchTable<RunPluginRecorder>& dispatchTable() {
    static const DispatchTable<RunPluginRecorder> table =
        Members<RunPluginRecorder>().method<&RunPluginRecorder::RunPlugin>("RunPlugin").build();
    return table;
  }
  void RunPlugin(std::string_view path, ByRef<std::string> uri, ByRef<std::string> title, int32_t size,
                 OleDate created, OleDate modified, std::string_view type, ByRef<std::string> author,
                 std::string_view lockedBy, ByRef<int32_t> status) {
    if (path == "/Fail") throw ComError(77, "Plugin", "broken");
    calls.push_back(std::string(path) + "|" + *uri + "|" + *title + "|" + std::to_string(size) + "|" +
                    (created.days > 0 && modified.days >= created.days ? "dated" : "undated") + "|" +
                    std::string(type) + "|" + *author + "|" + std::string(lockedBy) + "|" + std::to_string(*status));
  }
};

const ClassRegistration kRecorder("Test.RunPluginRecorder", [] { return std::make_shared<RunPluginRecorder>(); });

class ArticleGenerationTest : public GenerationTest {
 protected:
  void SetUp() override {
    writeSite("/t/article.htm", kPageTemplate);
    news_ = addGeneratedChannel("/News", "/news/{@year}/{@uid}.htm", "/news/index.htm");
  }
  std::string generate(int32_t id) {
    Content article;
    article.Load(id);
    return generateMember(article);
  }
  int32_t news_ = 0;
};

TEST_F(ArticleGenerationTest, NameMethodTokens) {
  int32_t id = saveDatedArticle(news_, "  Big News  ", 2004, 3, 5, kStatusNew, {});
  Content article;
  article.Load(id);
  article.setAuthor(" Ann Lee ");
  const std::string uid = std::to_string(id);
  struct Case {
    const char *pattern, *expected;
  } cases[] = {
      {"/news/{@year}/{@uid}.htm", "/news/2004/{id}.htm"},
      {"/NEWS/{@YEAR}/{@Month}-{@DAY}/{@UID}.HTM", "/news/2004/3-5/{id}.htm"},
      {"/a/{@date}.html", "/a/2004_3_5.html"},
      {"/a/{@author}-{@title}.htm", "/a/Ann Lee-Big News.htm"},
      {"/a/{@uid}{@uid}", "/a/{id}{id}"},
      {"/a/{@unknown}.htm", "/a/{@unknown}.htm"},
  };
  for (const Case& c : cases) {
    std::string expected = c.expected;
    for (size_t at; (at = expected.find("{id}")) != std::string::npos;) expected.replace(at, 4, uid);
    EXPECT_EQ(articleFileUri(c.pattern, article), expected) << c.pattern;
  }
}

TEST_F(ArticleGenerationTest, DisplayTitleCutsAfterTenCharacters) {
  EXPECT_EQ(displayTitle("0123456789"), "0123456789");
  EXPECT_EQ(displayTitle("0123456789A"), "01234567...");
  EXPECT_EQ(displayTitle("新闻新闻新闻新闻新闻"), "新闻新闻新闻新闻新闻");
  EXPECT_EQ(displayTitle("新闻新闻新闻新闻新闻新"), "新闻新闻新闻新闻...");
}

TEST_F(ArticleGenerationTest, ThreePagesWithTheirKeysFileNamesAndSearchRow) {
  int32_t id = saveDatedArticle(news_, "Paged", 2004, 3, 5, kStatusSubmitted, {"one", "two", "three"});
  const std::string base = "/news/2004/" + std::to_string(id);
  const std::string p1 = base + ".htm", p2 = base + "_2.htm", p3 = base + "_3.htm";

  EXPECT_EQ(generate(id), "Paged" + std::string("CreateFile:") + p1 + "<br>CreateFile:" + p2 + "<br>CreateFile:" + p3 +
                              "<br>");
  EXPECT_EQ(readSite(p1), "Paged|1||" + p2 + "|" + p1 + "|3|News|one");
  EXPECT_EQ(readSite(p2), "Paged|2|" + p1 + "|" + p3 + "|" + p2 + "|3|News|two");
  EXPECT_EQ(readSite(p3), "Paged|3|" + p2 + "||" + p3 + "|3|News|three");
  EXPECT_EQ(scalar("SELECT group_concat(filename, ',') FROM (SELECT filename FROM cms_pages WHERE contentid=" +
                   std::to_string(id) + " ORDER BY pagenum)"),
            p1 + "," + p2 + "," + p3);
  EXPECT_EQ(scalar("SELECT FilePath || '|' || ChannelPath || '|' || Summary FROM SearchMetadata WHERE ContentID=" +
                   std::to_string(id)),
            p3 + "|/News|three");
  EXPECT_EQ(scalar("SELECT MetaData FROM SearchMetadata"), " one two three");
  EXPECT_EQ(scalar("SELECT title FROM cms_fileattribute WHERE filename='" + p2 + "'"), "Paged");

  EXPECT_EQ(generate(id), "Paged" + std::string("OverWrite:") + p1 + "<br>OverWrite:" + p2 + "<br>OverWrite:" + p3 +
                              "<br>")
      << "the second run overwrites every page";
  EXPECT_EQ(scalar("SELECT count(*) FROM SearchMetadata"), "1");
}

TEST_F(ArticleGenerationTest, ArticleWithoutPagesWritesNothing) {
  int32_t id = saveDatedArticle(news_, "A rather long title", 2004, 3, 5, kStatusNew, {});
  EXPECT_EQ(generate(id), "A rather...");
  EXPECT_FALSE(siteHas("/news/2004"));
  EXPECT_EQ(scalar("SELECT count(*) FROM SearchMetadata"), "0");
}

TEST_F(ArticleGenerationTest, UnsavedArticleRaisesSaveFirst) {
  Content article;
  article.setColumnid(news_);
  EXPECT_EQ(raised([&] { generateMember(article); }), (Raised{555, "Content.Generate", "SaveFirst"}));
}

TEST_F(ArticleGenerationTest, PluginHearsOfTheFirstPageOnlyAndItsFailuresAreIgnored) {
  RunPluginRecorder::calls.clear();
  setSetting("plugin", "Test.RunPluginRecorder");
  int32_t id = saveDatedArticle(news_, "Told", 2004, 3, 5, kStatusSubmitted, {"one", "two"});
  generate(id);
  const std::string uri = "/news/2004/" + std::to_string(id) + ".htm";
  ASSERT_EQ(RunPluginRecorder::calls.size(), 1u);
  EXPECT_EQ(RunPluginRecorder::calls[0],
            "/News|" + uri + "|Told|" + std::to_string(readSite(uri).size()) + "|dated|text/htm| ||3");

  int32_t failing = addGeneratedChannel("/Fail", "/fail/{@uid}.htm", "/fail/index.htm");
  int32_t other = saveDatedArticle(failing, "Still written", 2004, 3, 5, kStatusNew, {"x"});
  EXPECT_EQ(generate(other), "Still wr...CreateFile:/fail/" + std::to_string(other) + ".htm<br>");
}

TEST_F(ArticleGenerationTest, LockedFileIsRewrittenAndKeepsItsLock) {
  int32_t id = saveDatedArticle(news_, "Locked", 2004, 3, 5, kStatusNew, {"body"});
  const std::string uri = "/news/2004/" + std::to_string(id) + ".htm";
  sitefiles::MakeUriFoldersSure("/news/2004");
  sitefiles::SiteFolder().CreateFile("/news/2004/", std::to_string(id) + ".htm")->LockFile("alice");
  EXPECT_EQ(generate(id), "Locked" + std::string("OverWrite:") + uri + "<br>");
  EXPECT_EQ(readSite(uri), "Locked|1|||" + uri + "|1|News|body");
  EXPECT_EQ(scalar("SELECT trim(lockedby) FROM cms_fileattribute WHERE filename='" + uri + "'"), "alice");
}

TEST_F(ArticleGenerationTest, FailingPageLeavesItsOldFileAndTheOthersAreWritten) {
  int32_t id = saveDatedArticle(news_, "Broken", 2004, 3, 5, kStatusNew, {"one", "two", "three"});
  const std::string base = "/news/2004/" + std::to_string(id);
  writeSite(base + "_2.htm", "the good old page");
  writeSite("/t/article.htm", "<!--%If Document(\"pagenum\") = 2 Then x = 1 / 0\r\nResponse.Output \"new\"%-->");
  std::string report = generate(id);
  EXPECT_EQ(report, "Broken" + std::string("CreateFile:") + base + ".htm<br>Error:" + base +
                        "_2.htm Division by zero\r\nError At Line 1 ,Column 33 ,\r\n"
                        "If Document(\"pagenum\") = 2 Then x = 1 / 0<br>CreateFile:" + base + "_3.htm<br>");
  EXPECT_EQ(readSite(base + "_2.htm"), "the good old page");
  EXPECT_EQ(readSite(base + "_3.htm"), "new");
  EXPECT_EQ(scalar("SELECT filename FROM cms_pages WHERE pagenum=2"), "")
      << "the page's file name is only set when its file was written";
}

}  // namespace
}  // namespace corvela::content
