// TemplateSystem.Execute on template files in a private site, and the URL
// helpers templates call through "System".
#include "template/template_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/core_fixture.h"
#include "template/compiled_template_cache.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_response.h"

namespace corvela::tmpl {
namespace {

class TemplateSystemTest : public testing::CoreTest {
 protected:
  void writeTemplate(const std::string& uri, const std::string& text) {
    std::ofstream(siteDir() + uri, std::ios::binary) << text;
  }
  std::shared_ptr<TemplateSystem> system = std::make_shared<TemplateSystem>();
};

TEST_F(TemplateSystemTest, RunsLiteralAndCodeWithTheNamedObjects) {
  writeTemplate("/a.tpl",
                "<h1><!--% Response.Output Document(\"title\") %--></h1>\r\n"
                "<!--% Response.Output Channel.Name & \"|\" & Column.Name %-->\r\n");
  system->CurrentDocument()->Add("TITLE", "Hello");
  system->CurrentColumn()->setName("news");
  system->CurrentColumn2()->setName("col");
  EXPECT_EQ(system->Execute("/a.tpl"), "<h1>\r\nHello</h1>\r\nnews|col");
}

TEST_F(TemplateSystemTest, ASuccessfulRunLeavesAFreshDocumentAndAFailedOneKeepsIt) {
  writeTemplate("/ok.tpl", "<!--% Response.Output Document(\"x\") %-->");
  writeTemplate("/bad.tpl", "<!--% Err.Raise 5 %-->");
  system->CurrentDocument()->Add("x", "1");
  EXPECT_EQ(system->Execute("/ok.tpl"), "1");
  EXPECT_EQ(system->Execute("/ok.tpl"), "") << "the document was replaced by an empty one";
  system->CurrentDocument()->Add("x", "2");
  system->Execute("/bad.tpl");
  EXPECT_EQ(system->CurrentDocument()->value("x").toString(), "2");
}

TEST_F(TemplateSystemTest, ScriptErrorsComeBackAsTextWithTheLine) {
  writeTemplate("/err.tpl", "a\r\nb\r\n<!--% x = 1 / 0 %-->");
  std::string page;
  EXPECT_FALSE(system->render("/err.tpl", page));
  EXPECT_NE(page.find("Division by zero\r\nError At Line 3 ,Column "), std::string::npos) << page;
  EXPECT_NE(page.find(" ,\r\n"), std::string::npos) << page;

  writeTemplate("/syntax.tpl", "<!--% If %-->");
  EXPECT_NE(system->Execute("/syntax.tpl").find("Error At Line 1 ,Column "), std::string::npos);
  writeTemplate("/open.tpl", "<!--% x");
  EXPECT_EQ(system->Execute("/open.tpl"), "Can not find %-->");
}

TEST_F(TemplateSystemTest, TheStepLimitSettingStopsARunawayTemplate) {
  writeTemplate("/loop.tpl", "a\r\n<!--% Do : n = n + 1 : Loop %-->");
  setSetting("TemplateStepLimit", "10000");
  std::string page;
  EXPECT_FALSE(system->render("/loop.tpl", page));
  EXPECT_NE(page.find("step limit\r\nError At Line 2 ,Column "), std::string::npos) << page;
  writeTemplate("/short.tpl", "<!--% For i = 1 To 100 : Next : Response.Output i %-->");
  EXPECT_EQ(system->Execute("/short.tpl"), "101") << "a page within the limit runs as before";
  setSetting("TemplateStepLimit", "lots");
  EXPECT_EQ(system->Execute("/short.tpl"), "101") << "an unreadable limit is no limit";
}

TEST_F(TemplateSystemTest, PagesOfSmallTemplates) {
  struct Case {
    const char *name, *text, *page;
  } cases[] = {
      {"blank", "  \r\n\r\n   ", ""},
      {"metadata is stripped from the output", "<!--% Response.Output \"a<!--METADATA x -->b\" %-->", "ab"},
      {"read in the system code page", "<p>中文</p>", "<p>中文</p>\r\n"},
      {"scripts reach System and create objects",
       "<!--% Set d = CreateObject(\"Corvela.TemplateDocument\")\r\nd.Add \"k\", \"v\"\r\n"
       "Response.Output d(\"K\").Value & System.URLEncodeUtf(\"a b\") %-->",
       "va%20b"},
  };
  for (const Case& c : cases) {
    const std::string uri = "/" + std::string(c.name).substr(0, 5) + ".tpl";
    writeTemplate(uri, c.text);
    std::string page = "x";
    EXPECT_TRUE(system->render(uri, page)) << c.name;
    EXPECT_EQ(page, c.page) << c.name;
  }
  EXPECT_EQ(system->Execute("/none.tpl"), "") << "a missing template gives an empty page";
}

TEST_F(TemplateSystemTest, CompilesOnceAndAgainAfterAnEdit) {
  writeTemplate("/c.tpl", "one");
  unsigned long before = templateCompileCount();
  auto other = std::make_shared<TemplateSystem>();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(system->Execute("/c.tpl"), "one\r\n");
    EXPECT_EQ(other->Execute("/c.tpl"), "one\r\n");
  }
  EXPECT_EQ(templateCompileCount() - before, 1u);
  writeTemplate("/c.tpl", "two, longer");
  EXPECT_EQ(system->Execute("/c.tpl"), "two, longer\r\n");
  EXPECT_EQ(templateCompileCount() - before, 2u);
}

struct UrlMapCase {
  const char* base;
  const char* target;
  const char* expected;
};

TEST(UrlMap, RelativePathsFromTheBasePage) {
  const UrlMapCase cases[] = {
      {"/news/a/b/page.html", "/news/x.html", "../../x.html"},
      {"/news/a/page.html", "/news/a/other.html", "other.html"},
      {"/news/a/b/page.html", "/news/c/x.html", "../../c/x.html"},
      {"/page.html", "/news/x.html", "news/x.html"},
      {"/news/page.html", "/page.html", "../page.html"},
  };
  for (const auto& c : cases) EXPECT_EQ(TemplateSystem().URLMap(c.base, c.target), c.expected) << c.base;
}

TEST(UrlEncode, EncodesWideCharactersAndSpacesOnly) {
  TemplateSystem system;
  EXPECT_EQ(system.URLEncode("a b&c?/%"), "a%20b&c?/%");
  EXPECT_EQ(system.URLEncode("中"), "%E4%B8%AD") << "bytes of the system code page (UTF-8 here)";
  EXPECT_EQ(system.URLEncodeUtf(""), "");
  EXPECT_EQ(system.URLEncodeUtf("中 a\x7f"), "%E4%B8%AD%20a%7F");
  EXPECT_EQ(system.URLEncodeUtf("é"), "%C3%A9");
  EXPECT_EQ(system.URLEncodeUtf("😀"), "%F0%9F%98%80") << "one four-byte sequence, not two halves";
}

TEST(TemplateObjects, DocumentKeysIgnoreCaseAndMissingKeysStayMissing) {
  TemplateDocument document;
  document.Add(Variant("title"), Variant("x"));
  EXPECT_EQ(document.value("TITLE").toString(), "x");
  auto missing = document.Item(Variant("nothing"));
  EXPECT_EQ(missing->get("Value").toString(), "");
  EXPECT_TRUE(document.value("nothing").isEmpty()) << "reading a missing key adds nothing";
  auto column = std::make_shared<TemplateColumn>();
  document.addObject(Variant("pages"), column);
  EXPECT_EQ(document.Item(Variant("Pages")), column);

  TemplateResponse response;
  response.Output("a");
  response.Output("b");
  EXPECT_EQ(response.OutputBuffer(), "ab");
  response.Clear();
  EXPECT_EQ(response.OutputBuffer(), "");
}

TEST(TemplateObjects, GetAttributeReadsTheUpperCasedNameFromExtProperty) {
  TemplateMagazine magazine;
  EXPECT_EQ(magazine.GetAttribute("editor"), "") << "an empty ExtProperty is an empty document";
  magazine.setExtProperty(
      "<?xml version=\"1.0\" encoding=\"gb2312\"?><magazine><a name=\"EDITOR\">李明</a>"
      "<a name=\"IT'S\">q</a></magazine>");
  EXPECT_EQ(magazine.GetAttribute("editor"), "李明");
  EXPECT_EQ(magazine.GetAttribute("it's"), "q");
  EXPECT_EQ(magazine.GetAttribute("none"), "");
  magazine.setExtProperty("<magazine><broken>");
  EXPECT_EQ(magazine.GetAttribute("editor"), "");
  TemplateIssue issue;
  issue.setExtProperty("<magazine><a name=\"X\">1</a></magazine>");
  EXPECT_EQ(issue.GetAttribute("x"), "") << "an issue reads only below its issue root";
  issue.setExtProperty("<issue><a name=\"X\">1</a></issue>");
  EXPECT_EQ(issue.GetAttribute("x"), "1");
}

}  // namespace
}  // namespace corvela::tmpl
