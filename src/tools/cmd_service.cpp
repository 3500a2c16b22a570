// corvela service status|start|stop|pause|continue: the deploy service as
// the administration pages control it, through the Tidewell class.
#include <cstdio>
#include <string>
#include <string_view>

#include "deploy/tidewell.h"
#include "platform/automation/com_error.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela service status|start|stop|pause|continue\n"
    "\n"
    "Controls the deploy service (registered by 'shipvane -install').\n"
    "'status' prints Running, Pause, Stop, or Unknown while a change is pending.\n"
    "The other actions send their request and print nothing; 'start' returns once\n"
    "the service process has begun.\n";

}  // namespace

int serviceCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc != 1) return usageError("service", "expected one of status, start, stop, pause, continue");
  std::string_view action = argv[0];
  deploy::Tidewell tidewell;
  try {
    if (action == "status") std::printf("%s\n", tidewell.GetServerStatus().c_str());
    else if (action == "start") tidewell.StartServer();
    else if (action == "stop") tidewell.StopServer();
    else if (action == "pause") tidewell.PauseServer();
    else if (action == "continue") tidewell.ContinueServer();
    else return usageError("service", "unknown action '" + std::string(action) + "'");
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace corvela::tools
