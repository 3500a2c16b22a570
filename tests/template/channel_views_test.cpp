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

  // Article id with a first page; status 5 unless given.
  void article(int id, const std::string& title, int usn, int status = 5, const std::string& file = "") {
    sql("INSERT INTO cms_content (id,columnid,title,author,submitdate,status,USN) VALUES (" + std::to_string(id) + "," +
        std::to_string(news) + ",'" + title + "','au','2024-01-0" + std::to_string(id % 9 + 1) + " 00:00:00'," +
        std::to_string(status) + "," + std::to_string(usn) + ")");
    sql("INSERT INTO cms_pages (pageid,pagenum,filename,contentid) VALUES (" + std::to_string(id) + ",1,'" +
        (file.empty() ? "/news/" + std::to_string(id) + ".htm" : file) + "'," + std::to_string(id) + ")");
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
  for (int i = 1; i <= 7; ++i) article(i, std::string(1, static_cast<char>('a' + i)), i);
  article(8, "waiting", 8, 3);
  article(9, "no file", 9, 5, " ");
  TemplateColumn view;
  view.Init(news);
  EXPECT_EQ(titles(view.Query("usn", 1, 3)), (std::vector<std::string>{"h", "g"}))
      << "a row without a file name still fills its place on the page";
  EXPECT_EQ(titles(view.Query("TITLE", 2, 3)), (std::vector<std::string>{"f", "e", "d"}));
  EXPECT_EQ(titles(view.Query("title", 99, 3)), (std::vector<std::string>{"c", "b"})) << "past the end: the last page";
  EXPECT_EQ(titles(view.Query("title; DROP TABLE cms_content", 1, 2)), (std::vector<std::string>{"h"}))
      << "an unknown column orders by ordering number";
  EXPECT_EQ(titles(view.Query("usn", 1, -1)).size(), 2u) << "the channel's page size (3) with one row skipped";
}

TEST_F(ChannelViews, TopListsPublishedTopArticlesAsDocuments) {
  auto add = [&](int id, int channel, int status, const char* top, int usn, const char* published) {
    sql("INSERT INTO cms_content (id,columnid,title,status,USN,putintopx,isimagenews,publishdate) VALUES (" +
        std::to_string(id) + "," + std::to_string(channel) + ",'t" + std::to_string(id) + "'," +
        std::to_string(status) + "," + std::to_string(usn) + ",'" + top + "','N','" + published + "')");
  };
  add(1, news, 5, "Y", 1, "2024-01-05 00:00:00");
  add(2, news, 4, "Y", 3, "2024-01-01 00:00:00");
  add(3, news, 5, "Y", 2, "2024-01-02 00:00:00");
  add(4, news, 3, "Y", 9, "2024-01-09 00:00:00");
  add(5, news, 5, "N", 8, "2024-01-08 00:00:00");
  add(6, sport, 5, "Y", 1, "2024-01-07 00:00:00");
  add(7, arts, 5, "Y", 1, "2024-01-03 00:00:00");
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
