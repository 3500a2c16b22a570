// The built-ins that reach into the engine: Eval, Execute, ExecuteGlobal,
// GetRef, CreateObject, GetObject and the Randomize statement.
#include "platform/vbscript/builtins_runtime.h"

#include <algorithm>
#include <mutex>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/scripting/scripting_classes.h"
#include "platform/vbscript/err_object.h"
#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/regexp.h"

namespace corvela::vbs {

namespace {

std::string textOf(const BuiltinCall& call, size_t i) { return call.value(i).toString(); }

// The code of Eval, Execute and ExecuteGlobal: text only. A number, Empty,
// Null or any other kind is 13, not code made from its text.
std::string codeOf(const BuiltinCall& call) {
  Variant code = call.value(0);
  if (!code.isString()) raiseRuntimeError(13);
  return std::string(code.rawString());
}

Variant evalFn(BuiltinCall& call) {
  if (call.value(0).isNull()) return Variant::null();
  return call.interpreter->evalCode(codeOf(call));
}

Variant executeFn(BuiltinCall& call) {
  call.interpreter->executeCode(codeOf(call), false);
  return Variant();
}

Variant executeGlobalFn(BuiltinCall& call) {
  call.interpreter->executeCode(codeOf(call), true);
  return Variant();
}

Variant getRefFn(BuiltinCall& call) { return Variant(call.interpreter->procedureReference(textOf(call, 0))); }

void registerEngineClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    scripting::registerScriptingClasses();
    registerRegExpClass();
  });
}

// The classes a sealed engine may create: they live in memory only.
bool madeInMemory(std::string_view progId) {
  for (std::string_view allowed : {"Scripting.Dictionary", "VBScript.RegExp"})
    if (progId.size() == allowed.size() &&
        std::equal(progId.begin(), progId.end(), allowed.begin(), [](char a, char b) {
          return (a | 0x20) == (b | 0x20);
        }))
      return true;
  return false;
}

Variant createObjectFn(BuiltinCall& call) {
  registerEngineClasses();
  std::string progId = textOf(call, 0);
  if (call.interpreter && call.interpreter->sealed() && !madeInMemory(progId)) raiseRuntimeError(70);
  try {
    return Variant(createObject(progId));
  } catch (const ComError& e) {
    // Reported to the host as "...: 'ProgID'", as VBScript does.
    if (e.number() == 429) raiseNamedError(429, progId);
    throw;
  }
}

// There is no running-object table to attach to.
Variant getObjectFn(BuiltinCall& call) { raiseRuntimeError(429); }

Variant randomizeFn(BuiltinCall& call) {
  if (call.has(0)) {
    Variant seed = call.value(0);
    randomizeGenerator(&seed);
  } else {
    randomizeGenerator(nullptr);
  }
  return Variant();
}

constexpr BuiltinFunction kRuntime[] = {
    {"Eval", 1, 1, evalFn},
    {"Execute", 1, 1, executeFn},
    {"ExecuteGlobal", 1, 1, executeGlobalFn},
    {"GetRef", 1, 1, getRefFn},
    {"CreateObject", 1, 2, createObjectFn},
    {"GetObject", 0, 2, getObjectFn},
    {"Randomize", 0, 1, randomizeFn},
};

}  // namespace

std::span<const BuiltinFunction> runtimeBuiltins() { return kRuntime; }

}  // namespace corvela::vbs
