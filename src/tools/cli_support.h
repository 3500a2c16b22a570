// What the subcommands of `corvela` share: exit statuses, the error line,
// and the help check.
#pragma once

#include <string_view>

namespace corvela {
class ComError;
}

namespace corvela::tools {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// "number source: description" on stderr.
void printError(const ComError& error);
// A usage error: the message and a hint to --help on stderr; returns 2.
int usageError(std::string_view command, std::string_view message);
bool isHelpOption(std::string_view argument);

}  // namespace corvela::tools
