// `corvela channel` as an administrator runs it: tree, add and rm with their
// errors, and two processes adding channels under one parent at once (help
// and usage errors: cli_test.cpp).
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class ChannelCommandTest : public IsolatedTest {
 protected:
  ChannelCommandTest() { EXPECT_EQ(run("init").status, 0); }

  CommandOutcome run(const std::string& args) { return runCorvela(root_.path(), args); }
};

TEST_F(ChannelCommandTest, AddShowAndRemoveByPath) {
  EXPECT_EQ(run("channel add /News").out, "added /News (1)\n");
  EXPECT_EQ(run("channel add /News/Sports/ --template /t/s.htm").out, "added /News/Sports (2)\n");
  EXPECT_EQ(run("channel add /博客").status, 0);
  EXPECT_EQ(run("channel tree").out, "/\n  News (1)\n    Sports (2)\n  博客 (3)\n");
  EXPECT_EQ(run("sql 'SELECT template, namemethod FROM cms_channel WHERE id=2'").out,
            "template\tnamemethod\n/t/s.htm\t/news/sports/{@year}/{@uid}.htm\n");
  EXPECT_EQ(run("channel rm /News").out, "deleted /News\n");
  EXPECT_EQ(run("channel tree").out, "/\n  博客 (3)\n");
  EXPECT_EQ(run("sql 'SELECT count(*) AS n FROM cms_channel'").out, "n\n1\n");
}

TEST_F(ChannelCommandTest, ErrorsNameTheirNumberSourceAndText) {
  const std::pair<const char*, const char*> cases[] = {
      {"channel add /Missing/X", "555 ChannelManager.AddChannel: NoChannel\n"},
      {"channel rm News", "555 ChannelManager.AddColumn: InvlaidColumn\n"},
      {"channel rm /Nothing", "555 Project.Delcolumn: NoColumn\n"},
  };
  for (const auto& [args, err] : cases) {
    CommandOutcome o = run(args);
    EXPECT_EQ(o.status, 1) << args;
    EXPECT_EQ(o.err, err) << args;
  }
}

TEST_F(ChannelCommandTest, TwoProcessesAddingAtOnceLoseNothing) {
  ASSERT_EQ(run("channel add /Parent").status, 0);
  CommandOutcome o = runShell(root_.path(), 
      "(for i in $(seq 1 100); do $CORVELA channel add /Parent/A$i >/dev/null || echo A$i failed; done) & "
      "(for i in $(seq 1 100); do $CORVELA channel add /Parent/B$i >/dev/null || echo B$i failed; done) & wait");
  EXPECT_EQ(o.out, "") << o.err;
  std::string tree = run("channel tree").out;
  std::set<std::string> lines;
  std::istringstream in(tree);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("    ", 0) == 0) lines.insert(line.substr(4, line.find(' ', 4) - 4));
  EXPECT_EQ(lines.size(), 200u) << tree;
  EXPECT_EQ(run("sql 'SELECT count(*) AS n FROM cms_channel'").out, "n\n201\n");
  EXPECT_EQ(run("sql 'SELECT count(DISTINCT name) AS n FROM cms_channel'").out, "n\n201\n");
}

}  // namespace
}  // namespace corvela::testing
