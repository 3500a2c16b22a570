// comIDManager (ProgID "Corvela.comIDManager"): hands out the primary keys of
// every table from the IDManager counter table, 1, 2, 3, ... per name.
//
// The engine once read the counter and incremented it in two statements, so
// two processes could receive the same id; here the read and the increment
// are one statement and no two callers ever get the same id.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::core {

class comIDManager : public DispatchObject<comIDManager> {
 public:
  static constexpr std::string_view kClassName = "comIDManager";
  static const DispatchTable<comIDManager>& dispatchTable();

  // The next id of the name; errors come with source "IDManager:NewID Error".
  int32_t newID(std::string_view tablename);
};

inline constexpr const char* kNewIdSource = "IDManager:NewID Error";

// newID without creating an object, for the engine's own classes.
int32_t newID(std::string_view tablename);

}  // namespace corvela::core
