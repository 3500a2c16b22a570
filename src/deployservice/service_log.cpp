#include "deployservice/service_log.h"

#include <cstdio>
#include <string>

#include "core/sql_literals.h"
#include "deployservice/engine_access.h"
#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"

namespace corvela::deployservice {
namespace {

bool echoEntries = false;

}  // namespace

void setLogEcho(bool echo) { echoEntries = echo; }

void WriteLog(std::string_view text) {
  if (echoEntries) std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
  try {
    EngineDal dal;
    int32_t id = newEngineId("dep_log");
    std::string entry = text.empty() ? std::string(" ") : std::string(text);
    dal.execute("INSERT INTO dep_log (id,edesc,edate) VALUES (" + std::to_string(id) + "," +
                core::quotedSqlText(entry) + "," + core::SqlDate(Variant::fromDate(oleDateNow())) + ")");
  } catch (const ComError& lost) {
    if (echoEntries) std::fprintf(stderr, "(log entry lost: %s)\n", lost.description().c_str());
  }
}

}  // namespace corvela::deployservice
