// ScriptEngine: the host interface over the parser, the compiler and the
// interpreter. Errors never escape as exceptions: they end in error().
#include "platform/vbscript/script_engine.h"

#include "platform/vbscript/compiler.h"
#include "platform/vbscript/err_object.h"
#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/parser.h"

namespace corvela::vbs {

namespace {

void fillError(ScriptError& error, const ComError& e) {
  error = ScriptError{};
  error.number = mapErrorNumber(e.number());
  error.source = e.source().empty() ? kRuntimeErrorSource : e.source();
  error.description = e.description().empty() ? describeError(error.number) : e.description();
  if (auto positioned = dynamic_cast<const ScriptRuntimeError*>(&e)) {
    error.line = positioned->line();
    error.column = positioned->column();
    error.text = positioned->text();
    if (!positioned->name().empty()) error.description += ": '" + positioned->name() + "'";
  }
}

}  // namespace

ScriptEngine::ScriptEngine() : interpreter_(std::make_unique<Interpreter>()) {}
ScriptEngine::~ScriptEngine() = default;

void ScriptEngine::addObject(std::string name, std::shared_ptr<Object> object, bool addMembers) {
  interpreter_->addObject(std::move(name), std::move(object), addMembers);
}

std::shared_ptr<const Program> ScriptEngine::compile(std::string_view code, ScriptError& error) {
  std::unique_ptr<ast::Script> script = parseScript(code, error);
  if (!script) return nullptr;
  return compileScript(*script, nullptr, error);
}

bool ScriptEngine::run(const Program& program) {
  try {
    interpreter_->runProgram(program);
    return true;
  } catch (const ComError& e) {
    fillError(interpreter_->error, e);
    return false;
  }
}

bool ScriptEngine::addCode(std::string_view code) {
  std::shared_ptr<const Program> program = compile(code, interpreter_->error);
  return program && run(*program);
}

bool ScriptEngine::eval(std::string_view expression, Variant& result) {
  ast::ExprPtr parsed;
  std::unique_ptr<ast::Script> script = parseExpression(expression, parsed, interpreter_->error);
  if (!script) return false;
  std::shared_ptr<const Program> program = compileExpression(*script, *parsed, nullptr, interpreter_->error);
  if (!program) return false;
  try {
    result = interpreter_->evaluate(*program);
    return true;
  } catch (const ComError& e) {
    fillError(interpreter_->error, e);
    return false;
  }
}

bool ScriptEngine::call(std::string_view procedure, std::span<Variant> args, Variant& result) {
  try {
    result = interpreter_->callGlobal(procedure, args);
    return true;
  } catch (const ComError& e) {
    fillError(interpreter_->error, e);
    return false;
  }
}

const ScriptError& ScriptEngine::error() const { return interpreter_->error; }

void ScriptEngine::clearError() { interpreter_->error = ScriptError{}; }

}  // namespace corvela::vbs
