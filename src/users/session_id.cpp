// newSessionId over getrandom(2).
#include "users/session_id.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "platform/automation/com_error.h"

namespace corvela::users {
namespace {

constexpr int32_t kRandomFailure = static_cast<int32_t>(0x80004005u);  // E_FAIL
constexpr const char* kRandomSource = "UserManager";
constexpr const char* kRandomFailureText = "No random source: ";

}  // namespace

std::string newSessionId() {
  uint8_t bytes[16];
  size_t filled = 0;
  while (filled < sizeof bytes) {
    // Blocks only until the kernel's pool is first seeded, early at boot.
    ssize_t got = getrandom(bytes + filled, sizeof bytes - filled, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw ComError(kRandomFailure, kRandomSource, kRandomFailureText + std::string(std::strerror(errno)));
    }
    filled += static_cast<size_t>(got);
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string id;
  id.reserve(sizeof bytes * 2);
  for (uint8_t b : bytes) {
    id += kHex[b >> 4];
    id += kHex[b & 0xF];
  }
  return id;
}

}  // namespace corvela::users
