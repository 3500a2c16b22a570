// readSecret over termios.
#include "tools/secret_input.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace corvela::tools {
namespace {

// Turns terminal echo off for its lifetime.
class EchoOff {
 public:
  EchoOff() {
    if (tcgetattr(STDIN_FILENO, &saved_) != 0) return;
    termios quiet = saved_;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    active_ = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
  }
  ~EchoOff() {
    if (active_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  termios saved_{};
  bool active_ = false;
};

}  // namespace

std::optional<std::string> readSecret(std::string_view prompt) {
  std::string line;
  bool terminal = isatty(STDIN_FILENO);
  if (terminal) {
    std::fprintf(stderr, "%.*s", static_cast<int>(prompt.size()), prompt.data());
    std::fflush(stderr);
    EchoOff quiet;
    if (!std::getline(std::cin, line)) return std::nullopt;
    std::fputc('\n', stderr);
  } else if (!std::getline(std::cin, line)) {
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace corvela::tools
