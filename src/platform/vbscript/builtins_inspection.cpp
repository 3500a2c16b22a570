// The inspection built-ins: IsArray, IsDate, IsEmpty, IsNull, IsNumeric,
// IsObject, TypeName, VarType and the ScriptEngine version functions.
//
// TypeName and IsObject look at the argument itself. VarType and the other
// Is* tests look at an object's default value when the object has one
// (IsNull(rs("Title")) tests the field's value, as pages rely on) and at the
// object itself when it has none.
#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/automation/value_kinds.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

namespace {

// Errors that mean "this object has no default value to read", after which
// the object itself is what gets inspected: no default member (438), or a
// default member that needs arguments (449, 450).
bool meansNoDefaultValue(int32_t number) { return number == 438 || number == 449 || number == 450; }

Variant inspectedValue(const Variant& arg) {
  if (!arg.isObject() || !arg.rawObject()) return arg;
  try {
    return arg.dereferenced();
  } catch (const ComError& error) {
    if (!meansNoDefaultValue(error.number())) throw;
    return arg;
  }
}

Variant isArrayFn(BuiltinCall& call) { return Variant(inspectedValue(call.args[0]).isArray()); }
Variant isDateFn(BuiltinCall& call) { return Variant(isDateValue(inspectedValue(call.args[0]))); }
Variant isEmptyFn(BuiltinCall& call) { return Variant(inspectedValue(call.args[0]).isEmpty()); }
Variant isNullFn(BuiltinCall& call) { return Variant(inspectedValue(call.args[0]).isNull()); }
Variant isNumericFn(BuiltinCall& call) { return Variant(isNumericValue(inspectedValue(call.args[0]))); }
Variant isObjectFn(BuiltinCall& call) { return Variant(call.args[0].isObject()); }
Variant typeNameFn(BuiltinCall& call) { return Variant(call.args[0].typeName()); }

Variant varTypeFn(BuiltinCall& call) {
  return Variant::fromInteger(static_cast<int16_t>(inspectedValue(call.args[0]).varTypeNumber()));
}

Variant scriptEngineFn(BuiltinCall&) { return Variant("VBScript"); }
Variant scriptEngineMajorVersionFn(BuiltinCall&) { return Variant(5); }
Variant scriptEngineMinorVersionFn(BuiltinCall&) { return Variant(8); }
Variant scriptEngineBuildVersionFn(BuiltinCall&) { return Variant(16384); }

constexpr BuiltinFunction kInspectionBuiltins[] = {
    {"IsArray", 1, 1, isArrayFn},
    {"IsDate", 1, 1, isDateFn},
    {"IsEmpty", 1, 1, isEmptyFn},
    {"IsNull", 1, 1, isNullFn},
    {"IsNumeric", 1, 1, isNumericFn},
    {"IsObject", 1, 1, isObjectFn},
    {"TypeName", 1, 1, typeNameFn},
    {"VarType", 1, 1, varTypeFn},
    {"ScriptEngine", 0, 0, scriptEngineFn},
    {"ScriptEngineMajorVersion", 0, 0, scriptEngineMajorVersionFn},
    {"ScriptEngineMinorVersion", 0, 0, scriptEngineMinorVersionFn},
    {"ScriptEngineBuildVersion", 0, 0, scriptEngineBuildVersionFn},
};

}  // namespace

std::span<const BuiltinFunction> inspectionBuiltins() { return kInspectionBuiltins; }

}  // namespace corvela::vbs
