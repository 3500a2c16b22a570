// Subcommands of the `corvela` admin program. Each takes the arguments that
// follow its name and returns the exit status: 0 ok, 1 failure, 2 usage.
#pragma once

namespace corvela::tools {

int initCommand(int argc, char** argv);    // corvela init
int configCommand(int argc, char** argv);  // corvela config get|set
int sqlCommand(int argc, char** argv);     // corvela sql
int runCommand(int argc, char** argv);     // corvela run FILE.vbs [ARGS...]
int serviceCommand(int argc, char** argv); // corvela service status|start|stop|pause|continue
int logCommand(int argc, char** argv);     // corvela log [--clear]

}  // namespace corvela::tools
