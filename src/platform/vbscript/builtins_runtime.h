// The built-ins that need the engine itself: Eval, Execute, ExecuteGlobal,
// GetRef, CreateObject, GetObject, the ScriptEngine* functions and the
// Randomize statement (which arrives as a call by name).
#pragma once

#include <span>

#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

std::span<const BuiltinFunction> runtimeBuiltins();  // builtins_runtime.cpp

}  // namespace corvela::vbs
