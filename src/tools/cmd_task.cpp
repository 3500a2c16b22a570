// corvela task add|list|rm: deploy tasks through the DeployTask class, so
// its checks and messages apply as they do for administration pages.
#include <cstdio>
#include <string>

#include "core/config.h"
#include "core/path_parts.h"
#include "core/settings_key.h"
#include "deploy/deploy_task.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "tools/cli_support.h"
#include "tools/commands.h"
#include "tools/secret_input.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela task add [--dir DIR] --target PATH\n"
    "       corvela task add [--dir DIR] --target PATH --ftp SERVER [--port N] [--user NAME]\n"
    "       corvela task list\n"
    "       corvela task rm ID\n"
    "\n"
    "Deploy tasks copy every file written into the source folder DIR (default: the\n"
    "site directory) to a target: a local folder PATH, or the folder PATH on an FTP\n"
    "server. For an FTP task the password is asked for on the terminal, or read as\n"
    "one line from standard input when that is not a terminal; it is never taken\n"
    "from the command line. 'add' prints the new task's id; 'list' prints one\n"
    "tab-separated line per task (the password is not shown); 'rm' deletes a task.\n";

constexpr const char* kPasswordPrompt = "FTP password: ";

struct AddOptions {
  std::string directory, target, server, user;
  int32_t port = 21;
  bool ftp = false;
};

// Parses the options of 'add'; returns a usage status, or -1 to go on.
int parseAdd(int argc, char** argv, AddOptions& options) {
  bool portGiven = false, userGiven = false;
  for (int i = 0; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (i + 1 >= argc) return usageError("task", std::string(arg) + " needs a value");
    std::string value = argv[++i];
    if (arg == "--dir") {
      options.directory = value;
    } else if (arg == "--target") {
      options.target = value;
    } else if (arg == "--ftp") {
      options.ftp = true;
      options.server = value;
    } else if (arg == "--user") {
      options.user = value;
      userGiven = true;
    } else if (arg == "--port") {
      char* end = nullptr;
      long port = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end || port < 1 || port > 65535) return usageError("task", "bad port '" + value + "'");
      options.port = static_cast<int32_t>(port);
      portGiven = true;
    } else {
      return usageError("task", "unknown argument '" + std::string(arg) + "'");
    }
  }
  if (options.target.empty()) return usageError("task", "'add' needs --target PATH");
  if (!options.ftp && (portGiven || userGiven)) return usageError("task", "--port and --user belong to --ftp");
  return -1;
}

int addTask(int argc, char** argv) {
  AddOptions options;
  if (int status = parseAdd(argc, argv, options); status >= 0) return status;
  if (options.directory.empty()) {
    options.directory = core::Config().SiteDirectory();
    if (options.directory == core::kReadFailed) {
      std::fprintf(stderr, "corvela task: the site directory is not set; run 'corvela init' or give --dir\n");
      return kExitFailure;
    }
  }
  deploy::DeployTask task;
  task.setDirectory(options.directory);
  task.setTarget(options.target);
  task.setMethod(options.ftp ? "FTP" : "NTFS");
  if (options.ftp) {
    task.setServer(options.server);
    task.setPort(options.port);
    task.setUsername(options.user);
    std::optional<std::string> password = readSecret(kPasswordPrompt);
    if (!password) {
      std::fprintf(stderr, "corvela task: no password given\n");
      return kExitFailure;
    }
    task.setPassword(*password);
  }
  // A task is busy only while the deploy service scans it.
  task.setIsActive(false);
  task.Save();
  std::printf("%d\n", task.ID());
  return kExitOk;
}

// Blank texts are stored as one space; they list as empty.
std::string cell(const db::Recordset& rs, std::string_view field) {
  const Variant& value = rs.value(field);
  return value.isNull() ? std::string() : std::string(core::trimSpaces(value.toString()));
}

int listTasks() {
  auto rs = deploy::DeployTask().ListAll();
  std::printf("id\tmethod\tdirectory\ttarget\tserver\tport\tusername\tactive\n");
  for (; !rs->eof(); rs->moveNext()) {
    std::string line;
    for (std::string_view field : {"id", "method", "directory", "target", "server", "port", "username", "active"}) {
      if (!line.empty()) line += '\t';
      line += cell(*rs, field);
    }
    std::printf("%s\n", line.c_str());
  }
  return kExitOk;
}

int removeTask(const char* idText) {
  char* end = nullptr;
  long id = std::strtol(idText, &end, 10);
  if (!*idText || *end) return usageError("task", "'rm' takes a numeric ID");
  deploy::DeployTask().Del(static_cast<int32_t>(id));
  return kExitOk;
}

}  // namespace

int taskCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc < 1) return usageError("task", "expected 'add', 'list' or 'rm'");
  std::string_view action = argv[0];
  try {
    if (action == "add") return addTask(argc - 1, argv + 1);
    if (action == "list") return argc == 1 ? listTasks() : usageError("task", "'list' takes no arguments");
    if (action == "rm") return argc == 2 ? removeTask(argv[1]) : usageError("task", "'rm' takes one ID");
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return usageError("task", "unknown action '" + std::string(action) + "'");
}

}  // namespace corvela::tools
