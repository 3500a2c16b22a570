// The `corvela` admin program: a thin dispatcher over its subcommands.
#include <cstdio>
#include <string_view>

#include "tools/cli_support.h"
#include "tools/commands.h"

namespace {

constexpr const char* kUsage =
    "Usage: corvela COMMAND [ARGS...]\n"
    "\n"
    "Commands:\n"
    "  init     create the settings, the site and temporary folders and the database\n"
    "  config   read or change a setting (config get NAME | config set NAME VALUE)\n"
    "  sql      run one SQL statement on the database\n"
    "  run      run a VBScript file (run FILE.vbs [ARGS...])\n"
    "  user     add, list and remove editor accounts, set passwords and roles\n"
    "  task     add, list or remove deploy tasks (task add|list|rm)\n"
    "  queue    list the files waiting for deployment\n"
    "  channel  show or change the channel tree (channel tree | add PATH | rm PATH)\n"
    "  article  add an article to a channel or list a channel's articles\n"
    "  render   print what a template makes of an article (render TEMPLATE --article ID)\n"
    "  service  control the deploy service (service status|start|stop|pause|continue)\n"
    "  log      show the deploy service's log, newest first (log [--clear])\n"
    "  generate write the pages of a channel, a magazine or the whole site again\n"
    "  publish  publish a channel's submitted articles and write its index\n"
    "\n"
    "'corvela COMMAND --help' describes a command. Exit status: 0 ok, 1 failure, 2 usage.\n";

struct Subcommand {
  std::string_view name;
  int (*run)(int argc, char** argv);
};

constexpr Subcommand kSubcommands[] = {
    {"init", corvela::tools::initCommand},
    {"config", corvela::tools::configCommand},
    {"sql", corvela::tools::sqlCommand},
    {"run", corvela::tools::runCommand},
    {"user", corvela::tools::userCommand},
    {"task", corvela::tools::taskCommand},
    {"queue", corvela::tools::queueCommand},
    {"channel", corvela::tools::channelCommand},
    {"article", corvela::tools::articleCommand},
    {"render", corvela::tools::renderCommand},
    {"service", corvela::tools::serviceCommand},
    {"log", corvela::tools::logCommand},
    {"generate", corvela::tools::generateCommand},
    {"publish", corvela::tools::publishCommand},
};

}  // namespace

int main(int argc, char** argv) {
  using namespace corvela::tools;
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return kExitUsage;
  }
  std::string_view command = argv[1];
  if (isHelpOption(command)) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  for (const Subcommand& sub : kSubcommands)
    if (sub.name == command) return sub.run(argc - 2, argv + 2);
  std::fprintf(stderr, "corvela: unknown command '%s'\n\n%s", argv[1], kUsage);
  return kExitUsage;
}
