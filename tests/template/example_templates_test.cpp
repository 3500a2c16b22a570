// The example templates render what a site needs: titles, article text,
// page and index navigation with links relative to the page itself, and no
// script errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/core_fixture.h"
#include "platform/automation/collection.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_system.h"
#include "template/toc.h"

namespace corvela::tmpl {
namespace {

class ExampleTemplates : public testing::CoreTest {
 protected:
  ExampleTemplates() {
    std::filesystem::create_directories(siteDir() + "/templates");
    for (const char* name : {"article.html", "channel_index.html", "magazine_cover.html", "issue.html"})
      std::filesystem::copy_file(std::filesystem::path(EXAMPLE_TEMPLATES) / name, siteDir() + "/templates/" + name);
    auto column = system->CurrentColumn();
    column->setName("news");
    column->setAlias("News & Views");
    column->setCoverPage("/news/index.html");
  }

  std::string render(const char* uri) {
    std::string page;
    EXPECT_TRUE(system->render(uri, page)) << page;
    return page;
  }

  // Each part must be in the page.
  static void expectParts(const std::string& page, std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) EXPECT_NE(page.find(part), std::string::npos) << part << " in\n" << page;
  }

  static std::shared_ptr<comLink> link(const std::string& url, const std::string& title) {
    auto l = std::make_shared<comLink>();
    l->seturl(url);
    l->setTitle(title);
    l->setAuthor("Ann");
    l->setSubmitDate(OleDate{45000});
    return l;
  }

  std::shared_ptr<TemplateSystem> system = std::make_shared<TemplateSystem>();
};

TEST_F(ExampleTemplates, ArticlePageShowsTheArticleAndItsPages) {
  auto document = system->CurrentDocument();
  for (const auto& [key, value] : {std::pair{"title", Variant("Quay <opens>")}, {"author", Variant("A. Reporter")},
                                   {"submitdate", Variant::fromDate(45000)}, {"content", Variant("<p>Body text.</p>")},
                                   {"pagenum", Variant(2)}, {"prevpage", Variant("/news/2023/7.html")},
                                   {"url", Variant("/news/2023/7_2.html")}})
    document->Add(Variant(key), value);
  auto pages = std::make_shared<Collection>();
  pages->add(Variant("/news/2023/7.html"));
  pages->add(Variant("/news/2023/7_2.html"));
  document->addObject(Variant("pages"), pages);

  std::string page = render("/templates/article.html");
  expectParts(page, {"<!DOCTYPE html>", "<h1>Quay &lt;opens&gt;</h1>", "<p>Body text.</p>",
                     "<title>Quay &lt;opens&gt; - News &amp; Views</title>", "href=\"../../css/site.css\"",
                     "<a href=\"7.html\">&larr; Previous</a>", "<span class=\"current\">2</span>"});
  EXPECT_EQ(page.find("METADATA"), std::string::npos);
  EXPECT_EQ(page.find("Next &rarr;"), std::string::npos) << "the last page has no next link";
}

TEST_F(ExampleTemplates, ChannelIndexListsTheLinksOfItsPage) {
  auto toc = system->CurrentColumn()->TOC();
  toc->setPages(2);
  toc->setPageNum(1);
  toc->setNextPage("/news/index_2.html");
  toc->AllPages()->add(Variant(std::shared_ptr<Object>(link("/news/index.html", "news(1)"))));
  toc->AllPages()->add(Variant(std::shared_ptr<Object>(link("/news/index_2.html", "news(2)"))));
  toc->AllLinks()->add(Variant(std::shared_ptr<Object>(link("/news/2023/7.html", "First & best"))));

  expectParts(render("/templates/channel_index.html"),
              {"<a class=\"title\" href=\"2023/7.html\">First &amp; best</a>", "<a href=\"index_2.html\">2</a>",
               "<a href=\"index_2.html\">&rarr;</a>"});
}

// The magazine views name the cover, the current issue page and the column
// pages without their folder; the pages still link relative to themselves.
TEST_F(ExampleTemplates, MagazinePagesLinkWithinTheMagazineFolder) {
  auto magazine = system->CurrentMagazine();
  magazine->setName("Monthly");
  magazine->setCoverPage("index.html");
  magazine->setIndexPage("current.html");
  auto issue = std::make_shared<TemplateIssue>();
  issue->setIssueYear("2026");
  issue->setIssueNumber("12");
  issue->setIndexPage("/monthly/2026_12.html");
  magazine->Issues()->add(Variant(std::shared_ptr<Object>(issue)));
  auto column = std::make_shared<TemplateColumn2>();
  column->setName("Essays");
  column->setIndexPage("index.html");
  column->TOC()->AllLinks()->add(Variant(std::shared_ptr<Object>(link("/monthly/essays/3.html", "Third"))));
  magazine->Columns()->add(Variant(std::shared_ptr<Object>(column)));

  expectParts(render("/templates/magazine_cover.html"),
              {"href=\"../css/site.css\"", "<a href=\"2026_12.html\">", "href=\"current.html#section1\">Essays</a>"});

  system->CurrentIssue()->setIndexPage("/monthly/2026_12.html");
  system->CurrentDocument()->Add(Variant("title"), Variant("December"));
  expectParts(render("/templates/issue.html"), {"<a class=\"name\" href=\"index.html\">Monthly</a>",
                                                "<h2 id=\"section1\">Essays</h2>", "href=\"essays/3.html\">Third</a>"});
}

}  // namespace
}  // namespace corvela::tmpl
