// Index pages: paging and the paged file names, which articles are listed,
// an empty channel, attached templates, publishing, and magazine column
// pages per issue year.
#include "content/index_generation.h"

#include <utility>

#include <gtest/gtest.h>

#include "content/article_generation.h"
#include "content/attach.h"
#include "generation_fixture.h"
#include "structure/channel.h"
#include "structure/column.h"
#include "template/template_system.h"

namespace corvela::content {
namespace {

// PageNum|Pages|PrevPage|NextPage|titles of the links
constexpr const char* kIndexTemplate =
    "<!--%Dim l, s : For Each l In Channel.TOC.AllLinks : s = s & l.Title & \",\" : Next\r\n"
    "Response.Output Channel.TOC.PageNum & \"|\" & Channel.TOC.Pages & \"|\" & Channel.TOC.PrevPage & \"|\" & "
    "Channel.TOC.NextPage & \"|\" & s%-->";

class IndexGenerationTest : public GenerationTest {
 protected:
  void SetUp() override {
    writeSite("/t/index.htm", kIndexTemplate);
    writeSite("/t/article.htm", "<!--%Response.Output Document(\"content\")%-->");
  }
  std::string publish(int32_t channelId) {
    structure::Channel channel;
    channel.Load(channelId);
    return channel.Publish();
  }
  std::string generateIndex(int32_t channelId) {
    structure::Channel channel;
    channel.Load(channelId);
    return channel.GenerateIndex().toString();
  }
  // An article whose pages have been generated.
  int32_t generatedArticle(int32_t channelId, const std::string& title, int32_t status) {
    int32_t id = saveDatedArticle(channelId, title, 2004, 3, 5, status, {"body"});
    Content article;
    article.Load(id);
    generateMember(article);
    return id;
  }
};

TEST_F(IndexGenerationTest, TwentyFiveArticlesMakeThreePagesOfTen) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html", 10);
  for (int i = 1; i <= 25; ++i) generatedArticle(news, "a" + std::to_string(i), kStatusPublished);
  std::string report = generateIndex(news);
  EXPECT_EQ(report, "ColumnName:News<br>CreateFile:/news/index.html<br>CreateFile:/news/index_2.html<br>"
                    "CreateFile:/news/index_3.html<br>");
  EXPECT_EQ(readSite("/news/index.html"), "1|3||/news/index_2.html|a25,a24,a23,a22,a21,a20,a19,a18,a17,a16,");
  EXPECT_EQ(readSite("/news/index_2.html"),
            "2|3|/news/index.html|/news/index_3.html|a15,a14,a13,a12,a11,a10,a9,a8,a7,a6,");
  EXPECT_EQ(readSite("/news/index_3.html"), "3|3|/news/index_2.html||a5,a4,a3,a2,a1,");
  EXPECT_NE(generateIndex(news).find("OverWrite:/news/index_3.html<br>"), std::string::npos);
}

TEST_F(IndexGenerationTest, OnlyHistoryAndCurrentArticlesAreListedAndUngeneratedOnesKeepTheirPlace) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html", 2);
  for (int32_t status : {kStatusNew, kStatusEdited, kStatusSubmitted, kStatusHistory, kStatusPublished})
    generatedArticle(news, "s" + std::to_string(status), status);
  saveDatedArticle(news, "no file", 2004, 3, 5, kStatusPublished, {"body"});
  generateIndex(news);
  EXPECT_EQ(readSite("/news/index.html"), "1|2||/news/index_2.html|s5,")
      << "the article without a page file takes a place on page 1 but shows no link";
  EXPECT_EQ(readSite("/news/index_2.html"), "2|2|/news/index.html||s4,");
}

TEST_F(IndexGenerationTest, EmptyChannelStillGetsItsFirstPageAndAttachmentsFollow) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html");
  writeSite("/t/side.htm", "<!--%Response.Output \"side of \" & Document(\"title\") & Channel.TOC.Pages%-->");
  Attach attach;
  attach.setColumnid(news);
  attach.setTemplate("/t/side.htm");
  attach.setFileName("/news/side/bar.htm");
  attach.Save();
  EXPECT_EQ(generateIndex(news),
            "ColumnName:News<br>CreateFile:/news/index.html<br>CreateFile:/news/side/bar.htm<br>");
  EXPECT_EQ(readSite("/news/index.html"), "1|0|||");
  EXPECT_EQ(readSite("/news/side/bar.htm"), "side of News1");
}

TEST_F(IndexGenerationTest, PublishPromotesWaitingArticlesOfThisChannelOnly) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html");
  int32_t sport = addGeneratedChannel("/Sport", "/sport/{@uid}.htm", "/sport/index.html");
  generatedArticle(news, "waiting", kStatusSubmitted);
  int32_t other = generatedArticle(sport, "elsewhere", kStatusSubmitted);
  EXPECT_EQ(publish(news), "ColumnName:News<br>CreateFile:/news/index.html<br>");
  EXPECT_EQ(readSite("/news/index.html"), "1|1|||waiting,");
  EXPECT_EQ(scalar("SELECT status FROM cms_content WHERE id=" + std::to_string(other)), "3");
}

TEST_F(IndexGenerationTest, BrokenIndexTemplateLeavesThePublishedIndex) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html");
  generatedArticle(news, "one", kStatusPublished);
  generateIndex(news);
  writeSite("/t/index.htm", "<!--%Response.Output Nonsense(%-->");
  std::string report = generateIndex(news);
  EXPECT_EQ(report.rfind("ColumnName:News<br>Error:/news/index.html ", 0), 0u) << report;
  EXPECT_EQ(readSite("/news/index.html"), "1|1|||one,");
}

TEST_F(IndexGenerationTest, NonPositivePageSizeRaisesAndWritesNothing) {
  int32_t news = addGeneratedChannel("/News", "/news/{@uid}.htm", "/news/index.html");
  structure::Channel channel;
  channel.Load(news);
  channel.setIndexPagesize(0);
  EXPECT_EQ(raised([&] { channel.GenerateIndex(); }).number, 3001);
  EXPECT_FALSE(siteHas("/news/index.html"));
  int32_t waiting = generatedArticle(news, "waiting", kStatusSubmitted);
  EXPECT_EQ(raised([&] { channel.Publish(); }).number, 3001);
  EXPECT_EQ(scalar("SELECT status FROM cms_content WHERE id=" + std::to_string(waiting)), "3")
      << "a publish whose index fails leaves its articles waiting";
}

TEST_F(IndexGenerationTest, MagazineColumnHasOnePagePerPublishedIssueYear) {
  addMagazineWithColumn("/t/year.htm");
  writeSite("/t/year.htm",
            "<!--%Dim l, s : For Each l In Column.TOC.AllLinks : s = s & l.Title & \",\" : Next\r\n"
            "Dim p : For Each p In Channel.TOC.AllPages : s = s & \"[\" & p.Title & \" \" & p.url & \"]\" : Next\r\n"
            "Response.Output s%-->");
  for (auto [year, status] : {std::pair{"2003", 2}, {"2004", 2}, {"2005", 1}}) {
    addIssue(year, "1", status, std::string("in ") + year, kStatusPublished);
    Content article;
    article.Load(article_);
    generate2Member(article);
  }
  auto system = std::make_shared<tmpl::TemplateSystem>();
  structure::Column loaded;
  loaded.Load(column_);
  GenerationReport report = generateColumnIndex(loaded, *system);
  EXPECT_EQ(report.text, "ColumnName:Essays<br>CreateFile:/mag/essays/list.htm<br>CreateFile:/mag/essays/list_2003.htm<br>");
  const std::string years = "[2004年 /mag/essays/list_2004.htm][2003年 /mag/essays/list_2003.htm]";
  EXPECT_EQ(readSite("/mag/essays/list.htm"), "in 2004," + years);
  EXPECT_EQ(readSite("/mag/essays/list_2003.htm"), "in 2003," + years);
}

}  // namespace
}  // namespace corvela::content
