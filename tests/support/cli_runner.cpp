// Command runs for tests, through bash so a line may pipe and redirect.
#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace corvela::testing {
namespace {

// 'text' with each ' written as '\''.
std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string readFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string builtProgram(const std::string& name) { return (buildDir() / "bin" / name).string(); }

CommandOutcome runShell(const std::filesystem::path& workDir, const std::string& line, const std::string& input) {
  std::filesystem::path in = workDir / "command.in", out = workDir / "command.out", err = workDir / "command.err";
  std::filesystem::path script = workDir / "command.sh";
  std::ofstream(script) << "CORVELA=" << shellQuoted(builtProgram("corvela")) << "\n" << line << "\n";
  std::ofstream(in, std::ios::binary) << input;
  std::string command = "bash " + shellQuoted(script.string()) + " <" + shellQuoted(in.string()) + " >" +
                        shellQuoted(out.string()) + " 2>" + shellQuoted(err.string());
  int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFileText(out), readFileText(err)};
}

CommandOutcome runCorvela(const std::filesystem::path& workDir, const std::string& args, const std::string& input) {
  return runShell(workDir, "\"$CORVELA\" " + args, input);
}

CommandOutcome runCorvelaWith(const std::filesystem::path& workDir, const std::vector<std::string>& args,
                              const std::string& input) {
  std::string line = "\"$CORVELA\"";
  for (const std::string& arg : args) line += " " + shellQuoted(arg);
  return runShell(workDir, line, input);
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
