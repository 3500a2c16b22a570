// `corvela render` as a template author runs it: the page an article makes,
// or the template's error with its line and exit status 1 (help and usage
// errors: cli_test.cpp).
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class RenderCommandTest : public IsolatedTest {
 protected:
  RenderCommandTest() {
    EXPECT_EQ(run("init").status, 0);
    EXPECT_EQ(run("channel add /News").status, 0);
    std::ofstream(root_.path() / "page.txt") << "<p>Body</p>";
    EXPECT_EQ(run("article add --channel /News --title \"It's here\" --page '" + (root_.path() / "page.txt").string() +
                  "'")
                  .out,
              "added article 1 (1 page) in /News\n");
    std::filesystem::create_directories(dataDir() / "site" / "t");
  }

  CommandOutcome run(const std::string& args) { return runCorvela(root_.path(), args); }
  void writeTemplate(const char* name, const char* text) { std::ofstream(dataDir() / "site" / "t" / name) << text; }
};

TEST_F(RenderCommandTest, PrintsThePageOfTheArticle) {
  writeTemplate("a.htm", "<h1><!--% Response.Output Document(\"title\") & \"|\" & Channel.Name %--></h1>\r\n"
                         "<!--% Response.Output Document(\"content\") %-->");
  CommandOutcome byUri = run("render /t/a.htm --article 1");
  EXPECT_EQ(byUri.status, 0) << byUri.err;
  EXPECT_EQ(byUri.out, "<h1>\r\nIt's here|News</h1>\r\n<p>Body</p>");
  CommandOutcome byPath = run("render '" + (dataDir() / "site" / "t" / "a.htm").string() + "' --article 1");
  EXPECT_EQ(byPath.out, byUri.out);
}

TEST_F(RenderCommandTest, ReportsTemplateErrorsWithTheirLine) {
  writeTemplate("bad.htm", "x\r\n<!--% y = 1 / 0 %-->");
  CommandOutcome failed = run("render /t/bad.htm --article 1");
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("Division by zero\r\nError At Line 2 ,Column "), std::string::npos) << failed.err;
  EXPECT_EQ(failed.out, "");
  EXPECT_EQ(run("render /t/bad.htm --article 99").status, 1) << "a missing article";
}

}  // namespace
}  // namespace corvela::testing
