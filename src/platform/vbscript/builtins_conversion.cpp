// The conversion built-ins CStr, CInt, CLng, CDbl, CSng, CByte, CCur, CBool
// and CDate. The rules themselves (rounding, overflow, text in the regional
// settings, Null giving 94) belong to Variant; these only pick the target.
#include "platform/automation/variant.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

namespace {

Variant convertTo(BuiltinCall& call, VarType target) {
  const Variant& arg = call.args[0];
  // The common case of an argument that already has the type costs no copy
  // of the value beyond the Variant itself (a String shares its text).
  if (arg.type() == target) return arg;
  return call.value(0).convertedTo(target);
}

Variant cstr(BuiltinCall& call) { return convertTo(call, VarType::String); }
Variant cint(BuiltinCall& call) { return convertTo(call, VarType::Integer); }
Variant clng(BuiltinCall& call) { return convertTo(call, VarType::Long); }
Variant cdbl(BuiltinCall& call) { return convertTo(call, VarType::Double); }
Variant csng(BuiltinCall& call) { return convertTo(call, VarType::Single); }
Variant cbyte(BuiltinCall& call) { return convertTo(call, VarType::Byte); }
Variant ccur(BuiltinCall& call) { return convertTo(call, VarType::Currency); }
Variant cbool(BuiltinCall& call) { return convertTo(call, VarType::Boolean); }
Variant cdate(BuiltinCall& call) { return convertTo(call, VarType::Date); }

constexpr BuiltinFunction kConversionBuiltins[] = {
    {"CStr", 1, 1, cstr},   {"CInt", 1, 1, cint},   {"CLng", 1, 1, clng},
    {"CDbl", 1, 1, cdbl},   {"CSng", 1, 1, csng},   {"CByte", 1, 1, cbyte},
    {"CCur", 1, 1, ccur},   {"CBool", 1, 1, cbool}, {"CDate", 1, 1, cdate},
};

}  // namespace

std::span<const BuiltinFunction> conversionBuiltins() { return kConversionBuiltins; }

}  // namespace corvela::vbs
