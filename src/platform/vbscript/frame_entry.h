// Entering and leaving a procedure: the limits a new frame must fit in, the
// frame's fields, and what leaving releases. Shared by the general paths
// (Interpreter::enterProcedure, popFrame) and the execution loop's inline
// paths for calls whose arguments are all values and for Return.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/vm_values.h"

namespace corvela::vbs {

// Value stack size, in Variants. The memory comes from calloc, so pages that
// recursion never reaches are never touched (all-zero bytes are Empty).
inline constexpr size_t kStackSlots = size_t{1} << 18;
inline constexpr size_t kMaxFrames = 20000;
// Headroom above the arguments that C++ pushes for a call into script code.
inline constexpr size_t kOperandSlots = 256;

// Whether a frame of `proc` taking `argc` arguments fits above `top`: the
// frame count, the value stack and the parameter reference table.
inline bool frameFits(const std::vector<Frame>& frames, const Variant* top, const Variant* stackEnd,
                      const Procedure& proc, size_t refTop, size_t argc) {
  return frames.size() < kMaxFrames && proc.slotCount + size_t{proc.operandSlots} <= size_t(stackEnd - top) &&
         refTop + argc <= kStackSlots;
}

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

// Pops the innermost frame: its parameter references, and its slots and
// operands from `top` down. Returns the new top, the frame's base.
inline Variant* leaveFrame(std::vector<Frame>& frames, size_t& refTop, Variant* top) {
  Frame& frame = frames.back();
  refTop -= frame.proc->paramCount;
  while (top > frame.base) clearSlot(*--top);
  frames.pop_back();
  return top;
}

}  // namespace corvela::vbs
