// corvela log: the deploy service's log, newest entry first, as Tidewell
// lists it; --clear empties it.
#include <cstdio>
#include <string>
#include <string_view>

#include "deploy/tidewell.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela log [--clear]\n"
    "\n"
    "Prints the deploy service's log, newest entry first: one line per entry,\n"
    "its time and its text. --clear deletes every entry instead.\n";

}  // namespace

int logCommand(int argc, char** argv) {
  bool clear = false;
  for (int i = 0; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (isHelpOption(arg)) {
      std::fputs(kHelp, stdout);
      return kExitOk;
    }
    if (arg != "--clear") return usageError("log", "unknown argument '" + std::string(arg) + "'");
    clear = true;
  }
  deploy::Tidewell tidewell;
  try {
    if (clear) {
      tidewell.ClearLog();
      return kExitOk;
    }
    auto entries = tidewell.ListAllLog();
    for (; !entries->eof(); entries->moveNext())
      std::printf("%s  %s\n", entries->value("edate").toString().c_str(), entries->value("edesc").toString().c_str());
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace corvela::tools
