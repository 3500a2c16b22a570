// The door between the script engine and its built-in functions and
// constants. Each family of built-ins (strings, conversion, math, dates,
// formatting, arrays, inspection) lives in its own file and hands the engine
// a table; the compiler resolves a call to a built-in once, at compile time.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/automation/variant.h"

namespace corvela::vbs {

class Interpreter;

// One call of a built-in. Arguments come in source order as the caller's
// values: objects are not yet replaced by their default member (IsObject and
// TypeName need the object) and an omitted argument in the middle of the
// list is Variant::missing(). Built-ins are ByVal: they never write args.
struct BuiltinCall {
  std::span<Variant> args;
  Interpreter* interpreter;  // for the few built-ins that need the engine

  size_t count() const { return args.size(); }
  bool has(size_t i) const { return i < args.size() && !args[i].isMissing(); }
  // The argument's value with objects replaced by their default member.
  Variant value(size_t i) const { return args[i].dereferenced(); }
};

using BuiltinFn = Variant (*)(BuiltinCall& call);

// maxArgs of a built-in that takes any number of arguments (Array).
inline constexpr uint8_t kAnyArgCount = 255;

struct BuiltinFunction {
  std::string_view name;  // compared case-insensitively
  uint8_t minArgs;
  uint8_t maxArgs;        // kAnyArgCount: no limit
  BuiltinFn fn;
};

struct BuiltinConstant {
  std::string_view name;
  Variant (*value)();
};

// Tables of the families; each is defined in the family's file.
std::span<const BuiltinFunction> stringBuiltins();       // builtins_string.cpp
std::span<const BuiltinFunction> conversionBuiltins();   // builtins_conversion.cpp
std::span<const BuiltinFunction> mathBuiltins();         // builtins_math.cpp
std::span<const BuiltinFunction> inspectionBuiltins();   // builtins_inspection.cpp
std::span<const BuiltinFunction> arrayBuiltins();        // builtins_array.cpp
std::span<const BuiltinFunction> dateBuiltins();         // builtins_date.cpp
std::span<const BuiltinFunction> formatBuiltins();       // builtins_format.cpp
std::span<const BuiltinFunction> pictureBuiltins();      // builtins_picture.cpp
std::span<const BuiltinConstant> builtinConstants();     // builtins_constants.cpp

// The Randomize statement: reseeds Rnd's generator of this thread from the
// number, or from the time of day when seed is null.
void randomizeGenerator(const Variant* seed);  // builtins_math.cpp

}  // namespace corvela::vbs
