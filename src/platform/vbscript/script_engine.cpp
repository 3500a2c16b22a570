// ScriptEngine: the host interface over the parser, the compiler and the
// interpreter. Errors never escape as exceptions: they end in error().
#include "platform/vbscript/script_engine.h"

#include <new>
#include <stdexcept>

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

ComError outOfMemory() { return ComError(7, kRuntimeErrorSource, standardErrorText(7)); }

}  // namespace

ScriptEngine::ScriptEngine() : interpreter_(std::make_unique<Interpreter>()) {}
ScriptEngine::~ScriptEngine() = default;

template <class Work>
bool ScriptEngine::guarded(Work&& work) {
  interpreter_->resetSteps();
  try {
    work();
    return true;
  } catch (const CompileFailed&) {
    return false;  // the error is filled in already
  } catch (const ComError& e) {
    fillError(interpreter_->error, e);
  } catch (const std::bad_alloc&) {
    fillError(interpreter_->error, outOfMemory());
  } catch (const std::length_error&) {
    fillError(interpreter_->error, outOfMemory());
  }
  return false;
}

void ScriptEngine::addObject(std::string name, std::shared_ptr<Object> object, bool addMembers) {
  interpreter_->addObject(std::move(name), std::move(object), addMembers);
}

std::shared_ptr<const Program> ScriptEngine::compile(std::string_view code, ScriptError& error) {
  try {
    std::unique_ptr<ast::Script> script = parseScript(code, error);
    if (!script) return nullptr;
    return compileScript(*script, nullptr, error);
  } catch (const std::bad_alloc&) {
    fillError(error, outOfMemory());
    return nullptr;
  }
}

bool ScriptEngine::run(const Program& program) {
  return guarded([&] { interpreter_->runProgram(program); });
}

bool ScriptEngine::addCode(std::string_view code) {
  std::shared_ptr<const Program> program = compile(code, interpreter_->error);
  return program && run(*program);
}

bool ScriptEngine::eval(std::string_view expression, Variant& result) {
  return guarded([&] {
    ast::ExprPtr parsed;
    std::unique_ptr<ast::Script> script = parseExpression(expression, parsed, interpreter_->error);
    if (!script) throw CompileFailed{};
    std::shared_ptr<const Program> program = compileExpression(*script, *parsed, nullptr, interpreter_->error);
    if (!program) throw CompileFailed{};
    result = interpreter_->evaluate(*program);
  });
}

bool ScriptEngine::call(std::string_view procedure, std::span<Variant> args, Variant& result) {
  return guarded([&] { result = interpreter_->callGlobal(procedure, args); });
}

void ScriptEngine::setStepLimit(uint64_t steps) { interpreter_->setStepLimit(steps); }

void ScriptEngine::seal() { interpreter_->seal(); }

const ScriptError& ScriptEngine::error() const { return interpreter_->error; }

void ScriptEngine::clearError() { interpreter_->error = ScriptError{}; }

}  // namespace corvela::vbs
