// `corvela user`: accounts made, listed, changed and removed from the
// command line, passwords from standard input or asked on a terminal
// without echo, and the refusals.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class UserCommandTest : public IsolatedTest {
 protected:
  UserCommandTest() { EXPECT_EQ(run({"init"}).status, 0); }

  // Runs the program with `input` as its standard input.
  CommandOutcome run(const std::vector<std::string>& args, const std::string& input = "") {
    return runCorvelaWith(root_.path(), args, input);
  }

  // Runs the program on a terminal, typing each answer after each prompt.
  // Everything the terminal shows lands in `out`.
  CommandOutcome runOnTerminal(std::vector<std::string> args, const std::vector<std::string>& answers) {
    std::string path = builtProgram("corvela");
    int terminal = -1;
    pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
      std::vector<char*> argv{path.data()};
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      execv(path.c_str(), argv.data());
      _exit(127);
    }
    CommandOutcome outcome;
    size_t answered = 0, promptsSeen = 0;
    char buffer[256];
    for (;;) {
      pollfd ready{terminal, POLLIN, 0};
      if (poll(&ready, 1, 10000) <= 0) break;
      ssize_t got = read(terminal, buffer, sizeof buffer);
      if (got <= 0) break;
      outcome.out.append(buffer, static_cast<size_t>(got));
      for (size_t at = 0; (at = outcome.out.find("Password", at)) != std::string::npos; ++at) {
        if (++promptsSeen <= answered) continue;
        if (answered < answers.size()) {
          std::string line = answers[answered] + "\n";
          EXPECT_EQ(write(terminal, line.data(), line.size()), static_cast<ssize_t>(line.size()));
        }
        ++answered;
      }
      promptsSeen = 0;
    }
    close(terminal);
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
  }

  // True when the name and password log in for the role, through the engine
  // as a page would.
  bool logsIn(const std::string& name, const std::string& password, int role) {
    std::filesystem::path script = root_.path() / "login.vbs";
    std::ofstream(script) << "Set m = CreateObject(\"Corvela.UserManager\")\n"
                             "m.Init \"user_users\", \"admin\"\n"
                             "On Error Resume Next\n"
                             "m.Login WScript.Arguments(0), WScript.Arguments(1), CLng(WScript.Arguments(2)), \"S\", \"\"\n"
                             "WScript.Echo Err.Description\n";
    CommandOutcome o = run({"run", script.string(), name, password, std::to_string(role)});
    EXPECT_EQ(o.status, 0) << o.err;
    return o.out == "\n";
  }
};

TEST_F(UserCommandTest, AddListRolesPasswdAndRemove) {
  CommandOutcome added = run({"user", "add", "admin", "--role", "1", "--role", "2", "--password-stdin"}, "s3cret\n");
  ASSERT_EQ(added.status, 0) << added.err;
  EXPECT_EQ(added.out, "added admin (id 1, roles 1,2)\n");
  EXPECT_TRUE(logsIn("admin", "s3cret", 2));
  EXPECT_FALSE(logsIn("admin", "wrong", 2));

  ASSERT_EQ(run({"user", "add", "editor", "--role", "3", "--password-stdin"}, "pw").status, 0) << "no line end";
  EXPECT_EQ(run({"user", "list"}).out, "userid\tusername\troles\n1\tadmin\t1,2\n2\teditor\t3\n");

  EXPECT_EQ(run({"user", "roles", "EDITOR", "--add", "4", "--remove", "3"}).out, "4\n");
  EXPECT_EQ(run({"user", "roles", "editor"}).out, "4\n");
  EXPECT_FALSE(logsIn("editor", "pw", 3));

  ASSERT_EQ(run({"user", "passwd", "editor", "--password-stdin"}, "n3w\r\n").status, 0);
  EXPECT_TRUE(logsIn("editor", "n3w", 4));
  EXPECT_FALSE(logsIn("editor", "pw", 4));

  CommandOutcome removed = run({"user", "rm", "admin"});
  EXPECT_EQ(removed.status, 0) << removed.err;
  EXPECT_EQ(run({"user", "list"}).out, "userid\tusername\troles\n2\teditor\t4\n");
  EXPECT_EQ(run({"sql", "SELECT COUNT(*) AS n FROM userrole WHERE userid=1"}).out, "n\n0\n");
}

TEST_F(UserCommandTest, RefusalsSayWhy) {
  ASSERT_EQ(run({"user", "add", "admin", "--role", "1", "--password-stdin"}, "pw\n").status, 0);
  struct Case {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string message;
  } cases[] = {
      {{"user", "add", "Admin", "--role", "1", "--password-stdin"}, "pw\n", 1, "-28669 User.Save: Save Name:Admin"},
      {{"user", "passwd", "nobody", "--password-stdin"}, "pw\n", 1, "no account named 'nobody'"},
      {{"user", "rm", "nobody"}, "", 1, "no account named 'nobody'"},
      {{"user", "add", "x", "--role", "1", "--password-stdin"}, "\n", 1, "the password is empty"},
      {{"user", "add", "x", "--role", "1", "--password-stdin"}, " pw\n", 1, "begins or ends with a blank"},
      {{"user", "add", "x", "--role", "1"}, "pw\npw\n", 1, "not a terminal"},
      {{"user", "add", " x", "--role", "1", "--password-stdin"}, "pw\n", 2, "begins or ends with a blank"},
      {{"user", "add", std::string(26, 'n'), "--role", "1", "--password-stdin"}, "pw\n", 2, "longer than 25"},
      {{"user", "add", "x", "--password-stdin"}, "pw\n", 2, "at least one --role"},
      {{"user", "add", "x", "--role", "-1"}, "", 2, "role number"},
      {{"user", "list", "--role", "1"}, "", 2, "option not taken"},
      {{"user", "frob"}, "", 2, "unknown action"},
  };
  for (const Case& c : cases) {
    CommandOutcome o = run(c.args, c.input);
    EXPECT_EQ(o.status, c.status) << c.args[1] << " " << o.err;
    EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
  }
  EXPECT_EQ(run({"user", "list"}).out, "userid\tusername\troles\n1\tadmin\t1\n") << "nothing else was made";
}

TEST_F(UserCommandTest, TerminalPasswordIsAskedTwiceWithoutEcho) {
  CommandOutcome o = runOnTerminal({"user", "add", "tty", "--role", "1"}, {"hidden-word", "hidden-word"});
  EXPECT_EQ(o.status, 0) << o.out;
  EXPECT_NE(o.out.find("Password again: "), std::string::npos) << o.out;
  EXPECT_EQ(o.out.find("hidden-word"), std::string::npos) << "the password was echoed: " << o.out;
  EXPECT_TRUE(logsIn("tty", "hidden-word", 1));

  CommandOutcome mismatch = runOnTerminal({"user", "passwd", "tty"}, {"one", "two"});
  EXPECT_EQ(mismatch.status, 1);
  EXPECT_NE(mismatch.out.find("the two passwords differ"), std::string::npos) << mismatch.out;
  EXPECT_TRUE(logsIn("tty", "hidden-word", 1)) << "the password stayed";
}

}  // namespace
}  // namespace corvela::testing
