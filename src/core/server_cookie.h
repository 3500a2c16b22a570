// ServerCookie (ProgID "Corvela.ServerCookie"): named text values kept in the
// database, a server-side replacement for browser cookies.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::core {

class ServerCookie : public DispatchObject<ServerCookie> {
 public:
  static constexpr std::string_view kClassName = "ServerCookie";
  static const DispatchTable<ServerCookie>& dispatchTable();

  // The stored value of the name, or "" when there is none.
  std::string ReadValue(std::string_view name);
  // Stores the value under the name (a new row or an update). Names and
  // values are kept to their first 255 characters; an empty one is stored
  // as a single space.
  void WriteValue(std::string_view name, std::string_view cookie);
};

// The longest name or value kept, in characters.
inline constexpr size_t kCookieTextLimit = 255;

}  // namespace corvela::core
