// Login session identifiers that cannot be guessed: 128 bits from the
// kernel's cryptographically secure source, never from the clock or rand.
#pragma once

#include <string>

namespace corvela::users {

// 32 lower-case hex digits.
std::string newSessionId();

}  // namespace corvela::users
