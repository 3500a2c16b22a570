// Subcommands of the `corvela` admin program. Each takes the arguments that
// follow its name and returns the exit status: 0 ok, 1 failure, 2 usage.
#pragma once

namespace corvela::tools {

int initCommand(int argc, char** argv);    // corvela init
int configCommand(int argc, char** argv);  // corvela config get|set
int sqlCommand(int argc, char** argv);     // corvela sql
int runCommand(int argc, char** argv);     // corvela run FILE.vbs [ARGS...]
int userCommand(int argc, char** argv);    // corvela user add|passwd|list|rm|roles
int taskCommand(int argc, char** argv);    // corvela task add|list|rm
int queueCommand(int argc, char** argv);   // corvela queue
int channelCommand(int argc, char** argv); // corvela channel tree|add|rm
int articleCommand(int argc, char** argv); // corvela article add|list
int renderCommand(int argc, char** argv);  // corvela render TEMPLATE --article ID
int serviceCommand(int argc, char** argv); // corvela service status|start|stop|pause|continue
int logCommand(int argc, char** argv);     // corvela log [--clear]
int generateCommand(int argc, char** argv); // corvela generate
int publishCommand(int argc, char** argv);  // corvela publish --channel PATH

}  // namespace corvela::tools
