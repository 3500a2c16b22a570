// Script class instances: member lookup, late-bound calls from host code and
// the Class_Terminate hand-off.
#include "platform/vbscript/class_instance.h"

#include "platform/automation/com_error.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::vbs {

ScriptObject::ScriptObject(Interpreter& interpreter, const Link& link, int32_t classIndex)
    : interpreter_(&interpreter), alive_(interpreter.aliveToken()), link_(&link), program_(link.program), classIndex_(classIndex) {
  fields.resize(static_cast<size_t>(cls().fieldCount));
  interpreter.addInstance(*this);
}

ScriptObject::~ScriptObject() {
  if (Interpreter* interpreter = this->interpreter()) interpreter->removeInstance(*this);
}

DispId ScriptObject::memberId(std::string_view name) const {
  const auto& members = cls().members;
  for (size_t i = 0; i < members.size(); ++i)
    if (members[i].isPublic && memberNameEquals(members[i].name, name)) return static_cast<DispId>(i + 1);
  return DISPID_UNKNOWN;
}

int32_t ScriptObject::memberOf(DispId id) const {
  if (id == DISPID_VALUE) return cls().defaultMember;
  if (id < 1 || static_cast<size_t>(id) > cls().members.size()) return -1;
  return id - 1;
}

void ScriptObject::invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant& result) {
  Interpreter* interpreter = this->interpreter();
  // The engine that defined the class is gone: nothing can run its code.
  if (!interpreter) raiseRuntimeError(91);
  interpreter->invokeMember(*this, id, kind, args, result);
}

namespace {

// The deleter of instances: while the engine lives, a class with
// Class_Terminate gets its instance back (under a new owner) to run it.
struct InstanceDeleter {
  void operator()(ScriptObject* object) const {
    Interpreter* interpreter = object->interpreter();
    if (!interpreter || object->cls().terminate < 0) {
      delete object;
      return;
    }
    interpreter->terminateLater(std::shared_ptr<ScriptObject>(object));
  }
};

}  // namespace

std::shared_ptr<ScriptObject> makeInstance(Interpreter& interpreter, const Link& link, int32_t classIndex) {
  return std::shared_ptr<ScriptObject>(new ScriptObject(interpreter, link, classIndex), InstanceDeleter{});
}

}  // namespace corvela::vbs
