// How the run fuzzer runs script text, shared with the test that replays
// the inputs it kept: a sealed engine (no files, processes or registry)
// with a step limit, and a WScript object whose Echo turns each argument
// into text and drops it, so the script corpus works as seed input.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/vbscript/script_engine.h"

namespace corvela::fuzzing {

inline constexpr uint64_t kFuzzStepLimit = 50000;

// Compiles and runs the code; false with the error when it did not finish.
bool runSealed(std::string_view code, vbs::ScriptError& error);

}  // namespace corvela::fuzzing
