// ScriptEngine: the host interface over the compiler and the interpreter.
#include "platform/vbscript/script_engine.h"

namespace corvela::vbs {

class Program {};

class Interpreter {
 public:
  ScriptError error;
};

namespace {

void notReady(ScriptError& error) {
  error = ScriptError{};
  error.number = 51;
  error.source = "Microsoft VBScript runtime error";
  error.description = "Internal error";
}

}  // namespace

ScriptEngine::ScriptEngine() : interpreter_(std::make_unique<Interpreter>()) {}
ScriptEngine::~ScriptEngine() = default;

void ScriptEngine::addObject(std::string, std::shared_ptr<Object>, bool) {}

std::shared_ptr<const Program> ScriptEngine::compile(std::string_view, ScriptError& error) {
  notReady(error);
  return nullptr;
}

bool ScriptEngine::run(const Program&) {
  notReady(interpreter_->error);
  return false;
}

bool ScriptEngine::addCode(std::string_view code) {
  auto program = compile(code, interpreter_->error);
  return program && run(*program);
}

bool ScriptEngine::eval(std::string_view, Variant&) {
  notReady(interpreter_->error);
  return false;
}

bool ScriptEngine::call(std::string_view, std::span<Variant>, Variant&) {
  notReady(interpreter_->error);
  return false;
}

const ScriptError& ScriptEngine::error() const { return interpreter_->error; }

void ScriptEngine::clearError() { interpreter_->error = ScriptError{}; }

}  // namespace corvela::vbs
