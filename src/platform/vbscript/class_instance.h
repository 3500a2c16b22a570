// ScriptObject: an instance of a script Class. It is an Object like any
// host object, so host code, TypeName and late-bound calls see it; its
// public members get member ids by position (id = member index + 1, the
// default member also answers DISPID_VALUE). Class_Terminate runs when the
// last reference goes (see makeInstance).
#pragma once

#include <memory>
#include <vector>

#include "platform/automation/object.h"
#include "platform/vbscript/interpreter.h"

namespace corvela::vbs {

class ScriptObject final : public Object {
 public:
  ScriptObject(Interpreter& interpreter, const Link& link, int32_t classIndex);
  ~ScriptObject() override;

  std::string_view className() const override { return cls().name; }
  DispId memberId(std::string_view name) const override;
  void invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant& result) override;

  const ClassDef& cls() const { return program_->classes[classIndex_]; }
  const Link& link() const { return *link_; }
  Interpreter* interpreter() const { return alive_.expired() ? nullptr : interpreter_; }
  // The member of a member id (DISPID_VALUE: the default member), or -1.
  int32_t memberOf(DispId id) const;

  std::vector<Variant> fields;

 private:
  friend class Interpreter;  // keeps the list of live instances
  ScriptObject* previousInstance_ = nullptr;
  ScriptObject* nextInstance_ = nullptr;

  Interpreter* interpreter_;
  std::weak_ptr<void> alive_;
  const Link* link_;  // valid while the interpreter lives
  std::shared_ptr<const Program> program_;
  int32_t classIndex_;
};

// Whether a field takes an index: `obj.Items(0)` reads an element of an
// array or calls the default member of an object. A field holding a plain
// value (or Nothing) is no member that takes arguments: 438, for reading and
// for assigning alike.
inline bool indexableField(const Variant& field) {
  return field.isArray() || (field.isObject() && field.rawObject());
}

// Creates an instance. Its shared_ptr hands the instance to the interpreter
// for Class_Terminate when the last reference goes, while the engine lives.
std::shared_ptr<ScriptObject> makeInstance(Interpreter& interpreter, const Link& link, int32_t classIndex);

}  // namespace corvela::vbs
