// Error and usage output shared by the subcommands.
#include "tools/cli_support.h"

#include <cstdio>

#include "platform/automation/com_error.h"

namespace corvela::tools {

void printError(const ComError& error) {
  std::fprintf(stderr, "%d %s: %s\n", error.number(), error.source().c_str(), error.description().c_str());
}

int usageError(std::string_view command, std::string_view message) {
  std::fprintf(stderr, "corvela %.*s: %.*s\nTry 'corvela %.*s --help'.\n", static_cast<int>(command.size()),
               command.data(), static_cast<int>(message.size()), message.data(), static_cast<int>(command.size()),
               command.data());
  return kExitUsage;
}

bool isHelpOption(std::string_view argument) { return argument == "--help" || argument == "-h"; }

}  // namespace corvela::tools
