// Running the built `corvela` program from tests, in the fixture's own
// registry and data folders, with what it prints captured.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvela::testing {

struct CommandOutcome {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out, err;
};

// The whole file as bytes ("" when it cannot be read).
std::string readFileText(const std::filesystem::path& path);

// The path of a program of the build, such as "corvela".
std::string builtProgram(const std::string& name);

// Runs a bash command line in which $CORVELA stands for the quoted program,
// with `input` on standard input; standard output and error are captured
// through files in workDir.
CommandOutcome runShell(const std::filesystem::path& workDir, const std::string& line, const std::string& input = "");
// Runs `corvela ARGS`, ARGS as the shell splits and unquotes them.
CommandOutcome runCorvela(const std::filesystem::path& workDir, const std::string& args, const std::string& input = "");
// Runs `corvela` with exactly these arguments, each one quoted for the shell.
CommandOutcome runCorvelaWith(const std::filesystem::path& workDir, const std::vector<std::string>& args,
                              const std::string& input = "");

// On a fresh `corvela init`, runs the script `<base>.vbs` with `corvela run`
// and expects exit status 0, nothing on stderr and stdout equal to
// `<base>.out`.
void expectScriptOutput(const std::filesystem::path& workDir, const std::filesystem::path& base);

}  // namespace corvela::testing
