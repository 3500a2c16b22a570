// The compiler: syntax tree to Program. Names are resolved here, once:
// locals and parameters to frame slots, the program's globals to global
// indices, built-in functions to their table entries and constants to
// their values; only names the program does not declare are left to be
// bound when the program runs.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/vbscript/ast.h"
#include "platform/vbscript/program.h"
#include "platform/vbscript/script_engine.h"

namespace corvela::vbs {

// The scope that Eval/Execute code runs in when called inside a procedure:
// that procedure's names become the code's outer names, and inside a class
// method the class members too.
struct OuterScope {
  const Procedure* procedure = nullptr;
  const ClassDef* cls = nullptr;
  // The variables earlier Execute code created in the procedure's invocation,
  // and where each name is among them.
  const std::vector<CreatedVariable>* created = nullptr;
  const std::unordered_map<std::string, size_t>* createdIndex = nullptr;
};

// Compiles a parsed script. On a compile error returns null and fills error.
std::shared_ptr<Program> compileScript(ast::Script& script, const OuterScope* outer, ScriptError& error);

// Compiles the expression of Eval into a program whose global code leaves
// the value in slot 0.
std::shared_ptr<Program> compileExpression(ast::Script& script, const ast::Expr& expression,
                                           const OuterScope* outer, ScriptError& error);

// Every built-in function the compiler knows, by lower-case name.
const BuiltinFunction* findBuiltin(std::string_view name);
const BuiltinConstant* findBuiltinConstant(std::string_view name);

}  // namespace corvela::vbs
