// Entering a procedure: the limits a new frame must fit in and the frame's
// fields. Shared by the general call path (Interpreter::enterProcedure) and
// the execution loop's inline path for calls whose arguments are all values.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/vbscript/interpreter.h"

namespace corvela::vbs {

// Value stack size, in Variants. The memory comes from calloc, so pages that
// recursion never reaches are never touched (all-zero bytes are Empty).
inline constexpr size_t kStackSlots = size_t{1} << 18;
inline constexpr size_t kMaxFrames = 20000;
// Headroom above a frame's slots for its operand stack.
inline constexpr size_t kOperandSlots = 256;

// Pushes the frame of `proc` whose slots start at `base`; the caller has
// checked the limits and filled `refs`.
inline Frame& pushFrame(std::vector<Frame>& frames, const Procedure& proc, Link* link, Variant* base, Variant** refs,
                        const Variant* me, bool wantResult) {
  Frame& frame = frames.emplace_back();
  frame.proc = &proc;
  frame.link = link;
  frame.pc = proc.code.data();
  frame.base = base;
  frame.refs = refs;
  if (me) frame.me = *me;
  frame.outer = nullptr;
  frame.resumeNext = false;
  frame.wantResult = wantResult;
  frame.returnsToHost = false;
  return frame;
}

}  // namespace corvela::vbs
