// Command runs for tests, through bash so a line may pipe and redirect.
#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace corvela::testing {

std::string readFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

CommandOutcome runShell(const std::filesystem::path& workDir, const std::string& line) {
  std::filesystem::path out = workDir / "command.out", err = workDir / "command.err";
  std::filesystem::path script = workDir / "command.sh";
  std::ofstream(script) << "CORVELA='" << (buildDir() / "bin" / "corvela").string() << "'\n" << line << "\n";
  std::string command =
      "bash '" + script.string() + "' >'" + out.string() + "' 2>'" + err.string() + "' </dev/null";
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFileText(out), readFileText(err)};
}

CommandOutcome runCorvela(const std::filesystem::path& workDir, const std::string& args) {
  return runShell(workDir, "\"$CORVELA\" " + args);
}

void expectScriptOutput(const std::filesystem::path& workDir, const std::filesystem::path& base) {
  ASSERT_EQ(runCorvela(workDir, "init").status, 0);
  std::filesystem::path script = base, expected = base;
  script += ".vbs";
  expected += ".out";
  CommandOutcome outcome = runCorvela(workDir, "run '" + script.string() + "'");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out, readFileText(expected));
}

}  // namespace corvela::testing
