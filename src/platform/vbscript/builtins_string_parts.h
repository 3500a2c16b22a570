// The string built-ins that live outside builtins_string.cpp, which holds the
// table of the whole family: the array-making ones, the character-code ones
// and the byte ones.
#pragma once

#include <cstdint>
#include <string>

#include "platform/vbscript/builtin.h"

namespace corvela::vbs::string_builtins {

// builtins_string_array.cpp
Variant splitFn(BuiltinCall& call);
Variant joinFn(BuiltinCall& call);
Variant filterFn(BuiltinCall& call);

// builtins_string_code.cpp
Variant ascFn(BuiltinCall& call);
Variant ascWFn(BuiltinCall& call);
Variant chrFn(BuiltinCall& call);
Variant chrWFn(BuiltinCall& call);
Variant hexFn(BuiltinCall& call);
Variant octFn(BuiltinCall& call);
Variant escapeFn(BuiltinCall& call);
Variant unescapeFn(BuiltinCall& call);
// The character with the given code in the system code page, as Chr gives
// it (5 when there is none).
Variant ansiCharacter(int32_t code);

// builtins_string_bytes.cpp
Variant lenBFn(BuiltinCall& call);
Variant leftBFn(BuiltinCall& call);
Variant rightBFn(BuiltinCall& call);
Variant midBFn(BuiltinCall& call);
Variant inStrBFn(BuiltinCall& call);
Variant ascBFn(BuiltinCall& call);
Variant chrBFn(BuiltinCall& call);

}  // namespace corvela::vbs::string_builtins
