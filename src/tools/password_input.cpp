// Password input. While the echo is off, an interrupting signal first puts
// the terminal back, so Ctrl-C never leaves the user's shell without echo.
#include "tools/password_input.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace corvela::tools {
namespace {

constexpr const char* kPrompt = "Password: ";
constexpr const char* kConfirmPrompt = "Password again: ";
constexpr const char* kNoTerminal =
    "corvela user: standard input is not a terminal; give the password with --password-stdin\n";
constexpr const char* kMismatch = "corvela user: the two passwords differ\n";

termios savedTerminal;
constexpr int kRestoringSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void restoreAndReraise(int signal) {
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
  ::signal(signal, SIG_DFL);
  raise(signal);
}

// Echo off for the lifetime of the object.
class EchoOff {
 public:
  EchoOff() {
    tcgetattr(STDIN_FILENO, &savedTerminal);
    struct sigaction action = {};
    action.sa_handler = restoreAndReraise;
    for (size_t i = 0; i < std::size(kRestoringSignals); ++i) sigaction(kRestoringSignals[i], &action, &previous_[i]);
    termios quiet = savedTerminal;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  ~EchoOff() {
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
    for (size_t i = 0; i < std::size(kRestoringSignals); ++i) sigaction(kRestoringSignals[i], &previous_[i], nullptr);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  struct sigaction previous_[std::size(kRestoringSignals)];
};

// The echo goes off before the prompt shows: turning it off discards
// typed-ahead input, which must not swallow what is typed at the prompt.
std::optional<std::string> askOnce(const char* prompt) {
  EchoOff quiet;
  std::fputs(prompt, stderr);
  std::fflush(stderr);
  return readPasswordLine();
}

}  // namespace

std::optional<std::string> readPasswordLine() {
  std::string line;
  if (!std::getline(std::cin, line) && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> askPasswordTwice() {
  if (!isatty(STDIN_FILENO)) {
    std::fputs(kNoTerminal, stderr);
    return std::nullopt;
  }
  std::optional<std::string> first = askOnce(kPrompt);
  if (!first) return std::nullopt;
  std::optional<std::string> second = askOnce(kConfirmPrompt);
  if (!second || *first != *second) {
    std::fputs(kMismatch, stderr);
    return std::nullopt;
  }
  return first;
}

}  // namespace corvela::tools
