// What templates read of channels: GetChannel, DocumentChannel, the
// sub-channel and parent views, and pages of the article list.
#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_system.h"
#include "template/toc.h"

namespace corvela::tmpl {
namespace {

class ChannelViews : public testing::CoreTest {
 protected:
  ChannelViews() {
    structure::ChannelManager tree;
    tree.Init();
    news = tree.AddChannel("/News", "/t/a.htm", "/news/{@uid}.htm");
    sport = tree.AddChannel("/News/Sport", "/t/a.htm", "/sport/{@uid}.htm");
    arts = tree.AddChannel("/News/Arts", "/t/a.htm", "/arts/{@uid}.htm");
    structure::Channel channel;
    channel.Load(news);
    channel.setAlias("All the news");
    channel.setIndexPath("/news/index.htm");
    channel.setIndexPagesize(3);
    channel.Save();
  }

  // Article id titled "t<id>" in the channel (News unless given), with a
  // first page unless the file name is empty.
  void article(int id, int usn, int status, const std::string& file, int channel = 0, const char* top = "N",
               const std::string& published = "2024-01-01") {
    std::string n = std::to_string(id);
    sql("INSERT INTO cms_content (id,columnid,title,author,submitdate,status,USN,putintopx,isimagenews,publishdate) "
        "VALUES (" + n + "," + std::to_string(channel ? channel : news) + ",'t" + n + "','au','2024-01-0" +
        std::to_string(id % 9 + 1) + " 00:00:00'," + std::to_string(status) + "," + std::to_string(usn) + ",'" + top +
        "','N','" + published + " 00:00:00')");
    if (!file.empty())
      sql("INSERT INTO cms_pages (pageid,pagenum,filename,contentid) VALUES (" + n + ",1,'" + file + "'," + n + ")");
  }

  static std::vector<std::string> titles(const std::shared_ptr<Collection>& links) {
    std::vector<std::string> out;
    for (size_t i = 0; i < links->size(); ++i) out.push_back(links->at(i).rawObject()->get("Title").toString());
    return out;
  }

  int32_t news = 0, sport = 0, arts = 0;
};

TEST_F(ChannelViews, ViewsCarryNamePathAliasAndCoverPage) {
  auto byPath = TemplateSystem().GetChannel("/News");
  EXPECT_EQ(byPath->Name(), "News");
  EXPECT_EQ(byPath->Path(), "/News");
  EXPECT_EQ(byPath->CoverPage(), "/news/index.htm");
  EXPECT_EQ(byPath->Alias(), "") << "GetChannel leaves Alias unset";

  TemplateDocument document;
  document.Init(news);
  EXPECT_EQ(document.DocumentChannel()->Alias(), "All the news");

  auto subs = byPath->SubChannels();
  ASSERT_EQ(subs->size(), 2u);
  auto first = std::dynamic_pointer_cast<TemplateColumn>(subs->at(0).rawObject());
  EXPECT_EQ(first->Name(), "Sport");
  EXPECT_EQ(first->Path(), "/News/Sport");
  EXPECT_EQ(first->channelId(), sport);

  auto parent = first->ParentChannel();
  EXPECT_EQ(parent->channelId(), news);
  EXPECT_EQ(parent->Path(), "/News");
}

TEST_F(ChannelViews, QueryPagesThePublishedArticles) {
  for (int i = 1; i <= 7; ++i) article(i, i, 5, "/news/" + std::to_string(i) + ".htm");
  article(8, 8, 3, "/news/8.htm");  // waiting
  article(9, 9, 5, " ");
  TemplateColumn view;
  view.Init(news);
  EXPECT_EQ(titles(view.Query("usn", 1, 3)), (std::vector<std::string>{"t7", "t6"}))
      << "a row without a file name still fills its place on the page";
  EXPECT_EQ(titles(view.Query("TITLE", 2, 3)), (std::vector<std::string>{"t5", "t4", "t3"}));
  EXPECT_EQ(titles(view.Query("title", 99, 3)), (std::vector<std::string>{"t2", "t1"})) << "past the end: the last page";
  EXPECT_EQ(titles(view.Query("title; DROP TABLE cms_content", 1, 2)), (std::vector<std::string>{"t7"}))
      << "an unknown column orders by ordering number";
  EXPECT_EQ(titles(view.Query("usn", 1, -1)).size(), 2u) << "the channel's page size (3) with one row skipped";
}

TEST_F(ChannelViews, TopListsPublishedTopArticlesAsDocuments) {
  article(1, 1, 5, "", news, "Y", "2024-01-05");
  article(2, 3, 4, "", news, "Y", "2024-01-01");
  article(3, 2, 5, "", news, "Y", "2024-01-02");
  article(4, 9, 3, "", news, "Y", "2024-01-09");
  article(5, 8, 5, "", news, "N", "2024-01-08");
  article(6, 1, 5, "", sport, "Y", "2024-01-07");
  article(7, 1, 5, "", arts, "Y", "2024-01-03");
  TemplateColumn view;
  view.Init(news);
  auto titlesOf = [](const std::shared_ptr<Collection>& documents) {
    std::vector<std::string> out;
    for (size_t i = 0; i < documents->size(); ++i)
      out.push_back(std::dynamic_pointer_cast<TemplateDocument>(documents->at(i).rawObject())->value("title").toString());
    return out;
  };
  EXPECT_EQ(titlesOf(view.Top(5)), (std::vector<std::string>{"t2", "t3", "t1"}));
  EXPECT_EQ(titlesOf(view.Top(2)), (std::vector<std::string>{"t2", "t3"}));
  EXPECT_EQ(titlesOf(view.TopEx(10)), (std::vector<std::string>{"t6", "t1", "t7", "t3", "t2"}));
  EXPECT_TRUE(titlesOf(view.Top(-1)).empty());
  EXPECT_TRUE(titlesOf(view.ImageNews(5)).empty());

  comLink link;
  EXPECT_TRUE(link.Document()->value("title").isEmpty()) << "before Init: an empty document";
  link.Init(3);
  EXPECT_EQ(link.Document()->value("title").toString(), "t3");
  link.Init(99);
  EXPECT_THROW(link.Document(), ComError);
}

}  // namespace
}  // namespace corvela::tmpl
