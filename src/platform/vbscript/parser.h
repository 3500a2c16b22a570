// The VBScript parser: source text to the syntax tree of ast.h, or the first
// compile error with Microsoft's number, text and position.
//
// Both entry points accept any bytes and never throw: a malformed or hostile
// input (deep nesting, huge literals, stray bytes) ends in a ScriptError, so
// they are safe to feed from a fuzzer.
#pragma once

#include <memory>
#include <string_view>

#include "platform/vbscript/ast.h"
#include "platform/vbscript/script_engine.h"

namespace corvela::vbs {

struct ParseOptions {
  // The code runs inside a method of a class (Execute or Eval called there),
  // so `Me` is allowed at its top level.
  bool insideClass = false;
};

// Parses a whole script (AddCode, Execute, ExecuteGlobal). On a compile
// error returns null and fills error: number, source "Microsoft VBScript
// compilation error", description, line, column (1-based) and the line's text.
std::unique_ptr<ast::Script> parseScript(std::string_view source, ScriptError& error,
                                         const ParseOptions& options = {});

// Parses the text of Eval: exactly one expression (`a = b` is a comparison).
// The result's body is empty; the expression is returned through `expression`.
std::unique_ptr<ast::Script> parseExpression(std::string_view source, ast::ExprPtr& expression,
                                             ScriptError& error, const ParseOptions& options = {});

}  // namespace corvela::vbs
