// ScriptEngine: the host's only door into the VBScript engine (what the
// Script Control was). A host compiles code once into a Program, which is
// immutable and may be shared between engines and threads, and runs it in
// as many engines as it likes; each engine holds its own globals and named
// objects and is used by one thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/automation/object.h"
#include "platform/automation/variant.h"

namespace corvela::vbs {

// E_ABORT: the run went past the host's step limit.
inline constexpr int32_t kStepLimitError = static_cast<int32_t>(0x80004004u);
inline constexpr const char* kStepLimitText = "The script ran past its step limit";

struct ScriptError {
  int32_t number = 0;          // 0: no error
  std::string source;          // "Microsoft VBScript runtime error", "... compilation error", or a host object's source
  std::string description;
  int line = 0, column = 0;    // 1-based, in the code passed to addCode/compile
  std::string text;            // the source line
};

class Program;      // compiled code, immutable, shareable between engines and threads
class Interpreter;  // the running state of one engine

class ScriptEngine {
 public:
  ScriptEngine();
  ~ScriptEngine();
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  // Named object visible to the script by name; with addMembers its members are also globals.
  void addObject(std::string name, std::shared_ptr<Object> object, bool addMembers = false);
  // Compile without running (cacheable). On a compile error returns nullptr and fills error.
  static std::shared_ptr<const Program> compile(std::string_view code, ScriptError& error);
  // Runs compiled code at global level in this engine. False on an uncaught error; see error().
  bool run(const Program& program);
  // compile + run, as the Script Control's AddCode did.
  bool addCode(std::string_view code);
  // Evaluates an expression in the global scope.
  bool eval(std::string_view expression, Variant& result);
  // Calls a global Sub or Function by name.
  bool call(std::string_view procedure, std::span<Variant> args, Variant& result);
  const ScriptError& error() const;
  void clearError();

  // Limits for code the host does not trust. A step is a jump (each turn of
  // a loop, each If decided) or a procedure call; past `steps` of them in
  // one run/addCode/eval/call the code stops with kStepLimitError, which
  // On Error cannot catch. 0 (the default) sets no limit.
  void setStepLimit(uint64_t steps);
  // Sealed, scripts reach nothing outside the engine's memory: CreateObject
  // makes only Scripting.Dictionary and VBScript.RegExp, and CreateObject of
  // anything else and LoadPicture raise 70 (Permission denied).
  void seal();

 private:
  // Runs host-called work with the step count reset; errors end in error().
  struct CompileFailed {};
  template <class Work>
  bool guarded(Work&& work);

  std::unique_ptr<Interpreter> interpreter_;
};

}  // namespace corvela::vbs
