// Prints how long the engine takes to compile a class of N members and to
// run N Execute statements that each create a variable inside a procedure,
// for doubling N. Linear work shows as a ratio near 2 per doubling; a
// quadratic one near 4.
//
//   bench_compile_scaling [largest N, default 40000]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/vbscript/script_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string classOfMembers(int n) {
  std::string code = "Class Big\n";
  for (int i = 0; i < n; ++i) code += "Public m" + std::to_string(i) + "\n";
  for (int i = 0; i < n / 10; ++i)
    code += "Function f" + std::to_string(i) + "()\nf" + std::to_string(i) + " = m" + std::to_string(i) + "\nEnd Function\n";
  return code + "End Class\n";
}

std::string executeCreatingVariables(int n) {
  return "Sub S()\nFor i = 1 To " + std::to_string(n) + "\nExecute \"v\" & i & \" = i\"\nNext\nEnd Sub\nS\n";
}

// Seconds to compile (and, with run, run) the code; -1 on an error.
double secondsFor(const std::string& code, bool run) {
  Clock::time_point start = Clock::now();
  if (run) {
    corvela::vbs::ScriptEngine engine;
    if (!engine.addCode(code)) return -1;
  } else {
    corvela::vbs::ScriptError error;
    if (!corvela::vbs::ScriptEngine::compile(code, error)) return -1;
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  int largest = argc > 1 ? std::atoi(argv[1]) : 40000;
  std::printf("%-28s %8s %10s %8s\n", "case", "N", "seconds", "ratio");
  struct Case {
    const char* name;
    std::string (*code)(int);
    bool run;
  } cases[] = {{"class members (compile)", classOfMembers, false},
               {"Execute-created variables", executeCreatingVariables, true}};
  for (const Case& c : cases) {
    double previous = 0;
    for (int n = largest / 8; n <= largest; n *= 2) {
      double seconds = secondsFor(c.code(n), c.run);
      if (seconds < 0) {
        std::printf("%-28s %8d      error\n", c.name, n);
        return 1;
      }
      if (previous > 0)
        std::printf("%-28s %8d %10.3f %8.2f\n", c.name, n, seconds, seconds / previous);
      else
        std::printf("%-28s %8d %10.3f %8s\n", c.name, n, seconds, "-");
      previous = seconds;
    }
  }
  return 0;
}
