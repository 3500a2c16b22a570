// The native stack the engine may use. Script-to-script calls push frames on
// the engine's own stack, but Execute, Eval, the parser, the compiler and
// calls into script code from C++ (host objects, default members, GetRef,
// Class_Terminate) recurse in C++. Every such nesting checks the room left
// on the running thread's stack against one reserve, so a page rendered on
// a small worker thread ends in "Out of stack space" instead of a crash.
#pragma once

#include <cstddef>

namespace corvela::vbs {

// What must stay free below the deepest nesting of running code: the work
// of one built-in, host object or database call, with sanitizer frames, in
// bytes. The parser and the compiler may go deeper into it, so that code
// nested too deeply at run time fails at run time, not in the compiler of
// the innermost Execute.
inline constexpr size_t kNativeStackReserve = size_t{256} << 10;
inline constexpr size_t kCompilerStackReserve = size_t{160} << 10;

// True when less than `reserve` bytes are left on this thread's stack.
bool nativeStackLow(size_t reserve = kNativeStackReserve);

// Raises run-time error 28 (Out of stack space) when nativeStackLow().
void checkNativeStack();

}  // namespace corvela::vbs
