// WriteLog: one row of the service log (dep_log). Logging never raises: an
// entry that cannot be written (database unreachable) is lost. In debug
// runs every entry is echoed to stderr as well.
#pragma once

#include <string_view>

namespace corvela::deployservice {

void WriteLog(std::string_view text);
void setLogEcho(bool echo);

}  // namespace corvela::deployservice
