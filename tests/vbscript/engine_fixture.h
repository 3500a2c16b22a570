// Helpers of the engine tests: run a script with a host object whose Echo
// records lines, and read back the output or the error.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "platform/automation/dispatch_table.h"
#include "platform/vbscript/script_engine.h"

namespace corvela::vbs::testing {

// The "Host" object: Echo joins its arguments with spaces, one line per
// call; its members are also globals, so scripts write `Echo x`.
class EchoHost : public DispatchObject<EchoHost> {
 public:
  static constexpr std::string_view kClassName = "EchoHost";
  static const DispatchTable<EchoHost>& dispatchTable();
  std::string output;
  Variant stored;  // Host.Value, a plain property
};

struct RunResult {
  bool ok = false;
  std::string output;
  ScriptError error;
};

RunResult runScript(std::string_view code);

// A case of a table: the script and the lines it must echo ("\n"-joined).
struct OutputCase {
  const char* name;
  const char* code;
  const char* expected;
};

// A case whose script must stop with an error.
struct ErrorCase {
  const char* name;
  const char* code;
  int32_t number;
  int line;
  int column;
};

void expectOutputs(std::initializer_list<OutputCase> cases);
void expectErrors(std::initializer_list<ErrorCase> cases);

}  // namespace corvela::vbs::testing
