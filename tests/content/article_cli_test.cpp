// `corvela article` as users run it: add with pages from files and --submit,
// list by status, and the errors of a bad channel or status list.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class ArticleCli : public IsolatedTest {
 protected:
  CommandOutcome run(const std::string& arguments) { return runCorvela(root_.path(), arguments); }
  std::string pageFile(const std::string& name, const std::string& text) {
    std::filesystem::path path = root_.path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return "'" + path.string() + "'";
  }
  // The lines of the list output without the submit date column.
  static std::vector<std::string> listed(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
      size_t first = line.find('\t'), second = line.find('\t', first + 1), third = line.find('\t', second + 1);
      EXPECT_EQ(third - second - 1, 19u) << "yyyy-mm-dd hh:mm:ss in " << line;
      lines.push_back(line.substr(0, second) + line.substr(third));
    }
    return lines;
  }
};

TEST_F(ArticleCli, AddsArticlesWithPagesAndListsThemByStatus) {
  ASSERT_EQ(run("init").status, 0);
  ASSERT_EQ(run("channel add /News").status, 0);
  CommandOutcome added = run("article add --channel /News --title \"It's here\" --page " + pageFile("p1", "one <b>1</b>") +
                      " --page " + pageFile("p2", "two") + " --submit");
  EXPECT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "added article 1 (2 pages) in /News\n");
  EXPECT_EQ(run("article add --channel /News --title Draft").out, "added article 2 (0 pages) in /News\n");
  EXPECT_EQ(listed(run("article list --channel /News").out),
            (std::vector<std::string>{"2\t1\tDraft", "1\t3\tIt's here"}));
  EXPECT_EQ(listed(run("article list --channel /News --status 3").out), (std::vector<std::string>{"1\t3\tIt's here"}));
  CommandOutcome sql = run("sql \"SELECT count(*) AS n FROM cms_pages WHERE contentid=1\"");
  EXPECT_NE(sql.out.find('2'), std::string::npos) << sql.out;
}

TEST_F(ArticleCli, ReportsErrorsAndUsage) {
  ASSERT_EQ(run("init").status, 0);
  ASSERT_EQ(run("channel add /News").status, 0);
  CommandOutcome badList = run("article list --channel /News --status '1) OR (1=1'");
  EXPECT_EQ(badList.status, 1);
  EXPECT_NE(badList.err.find("1051"), std::string::npos) << badList.err;
  EXPECT_EQ(run("article add --channel /Nope --title x").status, 1);
  EXPECT_EQ(run("article add --channel /News --title x --page /no/such/file").status, 1);
  EXPECT_EQ(run("article list --channel /News").out, "") << "a failed add saves nothing";
  EXPECT_EQ(run("article add --title x").status, 2);
  EXPECT_EQ(run("article add --channel /News").status, 2);
  EXPECT_EQ(run("article list --channel /News --submit").status, 2);
  EXPECT_EQ(run("article remove").status, 2);
  CommandOutcome help = run("article --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: corvela article add"), std::string::npos);
}

}  // namespace
}  // namespace corvela::testing
