// corvela queue: the deployment queue (dep_execution) as the deploy service
// will carry it out, in its order: method, server, id.
#include <cstdio>
#include <string>

#include "core/com_dal.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "tools/cli_support.h"
#include "tools/commands.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela queue\n"
    "\n"
    "Lists the rows of the deployment queue in the order the deploy service runs\n"
    "them, one tab-separated line each: id, status (1 first attempt, 2 retry,\n"
    "3 attempts used up), operation, method, server:port, the snapshot or source,\n"
    "and the target. Passwords are not shown.\n";

constexpr const char* kQueueQuery = "SELECT * FROM dep_execution ORDER BY method, server, id";

std::string cell(const db::Recordset& rs, std::string_view field) {
  const Variant& value = rs.value(field);
  return value.isNull() ? std::string() : value.toString();
}

}  // namespace

int queueCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc != 0) return usageError("queue", "takes no arguments");
  try {
    auto rs = core::comDAL().DoSelect(kQueueQuery);
    std::printf("id\tstatus\toperation\tmethod\tserver\tsource\ttarget\n");
    for (; !rs->eof(); rs->moveNext()) {
      std::string server = cell(*rs, "method") == "FTP" ? cell(*rs, "server") + ":" + cell(*rs, "port") : "";
      std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", cell(*rs, "id").c_str(), cell(*rs, "status").c_str(),
                  cell(*rs, "operation").c_str(), cell(*rs, "method").c_str(), server.c_str(),
                  cell(*rs, "source").c_str(), cell(*rs, "target").c_str());
    }
    return kExitOk;
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
}

}  // namespace corvela::tools
