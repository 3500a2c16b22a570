// libFuzzer target: lexes, parses and compiles arbitrary bytes as VBScript.
// The code is never run; any crash, hang or leak here is a compiler fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/vbscript/script_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  corvela::vbs::ScriptError error;
  corvela::vbs::ScriptEngine::compile(std::string_view(reinterpret_cast<const char*>(data), size), error);
  return 0;
}
