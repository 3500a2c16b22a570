// The `corvela` program as users run it: exit statuses, help, init twice,
// config through the Config checks, sql output, and site_structure.vbs (a
// small tree, a schema and access entries built through CreateObject) under
// `corvela run`.
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class CliTest : public IsolatedTest {
 protected:
  // Runs the built program with the arguments; the environment (registry
  // root and data folder of this test) is inherited.
  CommandOutcome run(const std::vector<std::string>& args, const std::string& input = "") {
    return runCorvelaWith(root_.path(), args, input);
  }

  void init() { ASSERT_EQ(run({"init"}).status, 0); }
};

// Every command's help and usage errors, in one place; the other files test
// what the commands do.
TEST_F(CliTest, HelpOnTheProgramAndEverySubcommand) {
  for (const char* args : {"--help", "init --help", "config --help", "sql --help", "channel --help", "user --help",
                           "task --help", "queue --help", "generate --help", "publish --help", "render --help",
                           "log --help"}) {
    CommandOutcome o = runCorvela(root_.path(), args);
    EXPECT_EQ(o.status, 0) << args;
    std::string command = std::string(args).substr(0, std::string(args).find(' '));
    EXPECT_NE(o.out.find(command == "--help" ? "Usage" : "Usage: corvela " + command), std::string::npos)
        << args << ": " << o.out;
  }
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
  init();
  for (const char* args :
       {"", "bogus", "init --bogus", "init --site", "config", "config get", "config set x", "config delete x", "sql",
        "sql a b", "channel", "channel bogus", "channel add", "channel add /A --template", "channel tree extra",
        "generate", "generate --all --channel /News", "generate --all --jobs 0", "generate --magazine x",
        "generate --bogus", "publish", "publish --channel", "render /t/a.htm", "render /t/a.htm --article x",
        "task add --dir /srv", "task add --target /b --user bob", "task add --target /b --ftp h --port 70000",
        "task rm x", "task", "queue extra", "service reboot"}) {
    CommandOutcome o = runCorvela(root_.path(), args);
    EXPECT_EQ(o.status, 2) << "'" << args << "' " << o.err;
    EXPECT_FALSE(o.err.empty()) << args;
  }
}

TEST_F(CliTest, InitCreatesSettingsFoldersAndDatabase) {
  CommandOutcome o = run({"init"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(std::filesystem::is_directory(dataDir() / "site"));
  EXPECT_TRUE(std::filesystem::is_directory(dataDir() / "temp"));
  EXPECT_TRUE(std::filesystem::is_regular_file(dataDir() / "corvela.db"));
  const std::pair<const char*, std::string> settings[] = {
      {"SiteDirectory", (dataDir() / "site").string()}, {"tempPATH", (dataDir() / "temp").string()},
      {"ConnString", "Provider=SQLite;Data Source=" + (dataDir() / "corvela.db").string()},
      {"plugin", ""}, {"deployplugin", ""}};
  for (const auto& [name, value] : settings) EXPECT_EQ(run({"config", "get", name}).out, value + "\n") << name;
  EXPECT_EQ(run({"sql", "SELECT COUNT(*) AS n FROM IDManager"}).out, "n\n0\n");
}

TEST_F(CliTest, InitAgainKeepsDataAndSettings) {
  init();
  ASSERT_EQ(run({"config", "set", "plugin", "Acme.Plugin"}).status, 0);
  ASSERT_EQ(run({"sql", "INSERT INTO tips (tid,tip) VALUES (1,'survives')"}).out, "ok\n");
  CommandOutcome again = run({"init"});
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("kept"), std::string::npos) << again.out;
  EXPECT_EQ(run({"sql", "SELECT tip FROM tips"}).out, "tip\nsurvives\n");
  EXPECT_EQ(run({"config", "get", "plugin"}).out, "Acme.Plugin\n");
}

TEST_F(CliTest, InitHonoursItsOptions) {
  std::string site = (root_.path() / "www").string(), temp = (root_.path() / "t" / "u").string();
  std::string db = "Provider=SQLite;Data Source=" + (root_.path() / "own.db").string();
  CommandOutcome o = run({"init", "--site", site, "--temp", temp, "--db", db});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_TRUE(std::filesystem::is_directory(site));
  EXPECT_TRUE(std::filesystem::is_directory(temp));
  EXPECT_TRUE(std::filesystem::is_regular_file(root_.path() / "own.db"));
  EXPECT_EQ(run({"config", "get", "ConnString"}).out, db + "\n");
}

TEST_F(CliTest, ConfigSetGoesThroughTheChecks) {
  init();
  CommandOutcome bad = run({"config", "set", "ConnString", "Provider=Nothing"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "6145 Corvela.Config: 错误的数据库连接串：Provider=Nothing\n");
  std::string deep = (root_.path() / "a" / "b").string();
  EXPECT_EQ(run({"config", "set", "TempPath", deep}).status, 0);
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_EQ(run({"config", "set", "Anything", "value"}).status, 0);
  EXPECT_EQ(run({"config", "get", "ANYTHING"}).out, "value\n");
}

TEST_F(CliTest, ConfigFailuresExitWithOneAndStoreNothing) {
  init();
  CommandOutcome tooLong = run({"config", "set", "plugin", std::string(255, 'p')});
  EXPECT_EQ(tooLong.status, 1);
  EXPECT_EQ(tooLong.err, "6145 Corvela.Config: Setting value longer than 254 bytes: plugin\n");
  EXPECT_EQ(run({"config", "get", "plugin"}).out, "\n");

  CommandOutcome missing = run({"config", "get", "NeverSet"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "corvela config: no value NeverSet in HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela\n");

  // Damaged settings: set and init say so, name the file and change nothing.
  auto file = registryDir() / "HKEY_LOCAL_MACHINE" / "SOFTWARE" / "Corvela" / "@values";
  std::string good = readFileText(file);
  std::string truncated = good.substr(0, good.size() / 2);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << truncated;
  for (const std::vector<std::string>& args : {std::vector<std::string>{"config", "set", "plugin", "x"},
                                                std::vector<std::string>{"init"}}) {
    CommandOutcome o = run(args);
    EXPECT_EQ(o.status, 1) << args[0];
    EXPECT_NE(o.err.find(file.string() + " is damaged"), std::string::npos) << o.err;
    EXPECT_EQ(o.out.find("set "), std::string::npos) << o.out;
    EXPECT_EQ(readFileText(file), truncated);
  }
}

TEST_F(CliTest, ConfigSetAndSqlBeforeInitFail) {
  CommandOutcome o = run({"config", "set", "plugin", "x"});
  EXPECT_EQ(o.status, 1);
  EXPECT_NE(o.err.find("corvela init"), std::string::npos) << o.err;
  CommandOutcome sql = run({"sql", "SELECT 1"});
  EXPECT_EQ(sql.status, 1);
  EXPECT_EQ(sql.err, "1001 comDAL:DoSelect Method: RegReadErr\n");
}

TEST_F(CliTest, SqlPrintsRowsOkAndErrors) {
  init();
  EXPECT_EQ(run({"sql", "INSERT INTO tips (tid,tip) VALUES (1,'a b')"}).out, "ok\n");
  EXPECT_EQ(run({"sql", "INSERT INTO tips (tid,tip) VALUES (2,NULL)"}).out, "ok\n");
  EXPECT_EQ(run({"sql", "SELECT tid, tip FROM tips ORDER BY tid"}).out, "tid\ttip\n1\ta b\n2\tNULL\n");
  EXPECT_EQ(run({"sql", "select TOP 1 tip from tips order by tid"}).out, "tip\na b\n");

  for (const char* bad : {"INSERT INTO nowhere VALUES (1)", "SELECT * FROM nowhere"}) {
    CommandOutcome o = run({"sql", bad});
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err.rfind("-2147217900 comDAL:DoSelect Method: ", 0), 0u) << o.err;
  }
}

TEST_F(CliTest, SqlRunsExactlyOneStatement) {
  init();
  run({"sql", "INSERT INTO tips (tid,tip) VALUES (1,'keep')"});
  for (const char* batch : {"SELECT 1; DROP TABLE tips", "DELETE FROM tips; SELECT 1", "SELECT 1; nonsense"}) {
    CommandOutcome o = run({"sql", batch});
    EXPECT_EQ(o.status, 1) << batch;
    EXPECT_EQ(o.err, "-2147217900 comDAL:DoSelect Method: Only one statement may be run here; the text holds more.\n")
        << batch;
  }
  EXPECT_EQ(run({"sql", "SELECT tip FROM tips; -- trailing comment"}).out, "tip\nkeep\n");
}

TEST_F(CliTest, RunFailsOnAFolderAndOnNonZeroQuitCodes) {
  CommandOutcome folder = run({"run", root_.path().string()});
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("cannot read"), std::string::npos) << folder.err;
  struct Case {
    const char* code;
    int status;
  } cases[] = {{"WScript.Quit 3", 3}, {"WScript.Quit 256", 255}, {"WScript.Quit -1", 255}, {"WScript.Quit 0", 0}};
  for (const Case& c : cases) {
    auto script = root_.path() / "quit.vbs";
    std::ofstream(script, std::ios::trunc) << c.code;
    EXPECT_EQ(run({"run", script.string()}).status, c.status) << c.code;
  }
}

TEST_F(CliTest, SiteStructureScriptPrintsItsExpectedOutput) {
  expectScriptOutput(root_.path(), std::filesystem::path(TEST_SOURCE_DIR) / "site_structure");
}

}  // namespace
}  // namespace corvela::testing
