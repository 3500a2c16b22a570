// Reading a secret (an FTP password) without it ever appearing on a command
// line: from the terminal with echo turned off, or as one line of standard
// input when that is not a terminal (scripts pipe it in).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvela::tools {

// The line without its line end; nothing when input ended before any line.
std::optional<std::string> readSecret(std::string_view prompt);

}  // namespace corvela::tools
