// Moving Variants in the execution loop without the out-of-line copy and
// move operations when no reference count is involved. A Variant is
// relocatable (its bytes can be moved) and all-zero bytes are Empty, so a
// scalar is copied with memcpy and a slot is emptied by constructing Empty.
#pragma once

#include <cstring>
#include <new>

#include "platform/automation/com_error.h"
#include "platform/automation/variant.h"

namespace corvela::vbs {

inline bool holdsReference(const Variant& v) {
  VarType t = v.type();
  return t == VarType::String || t == VarType::Object || t == VarType::Array;
}

// dst is an Empty slot; it receives a copy of src.
inline void copyInto(Variant* dst, const Variant& src) {
  if (!holdsReference(src))
    std::memcpy(static_cast<void*>(dst), static_cast<const void*>(&src), sizeof(Variant));
  else
    new (dst) Variant(src);
}

// dst is an Empty slot; src's value moves there and src becomes Empty.
inline void moveInto(Variant* dst, Variant* src) {
  std::memcpy(static_cast<void*>(dst), static_cast<const void*>(src), sizeof(Variant));
  new (src) Variant();
}

inline void clearSlot(Variant& v) {
  if (holdsReference(v))
    v = Variant();
  else
    new (&v) Variant();
}

// dst = src, moving; src becomes Empty.
inline void assignFrom(Variant& dst, Variant* src) {
  if (holdsReference(dst)) {
    dst = std::move(*src);
    return;
  }
  moveInto(&dst, src);
}

// The storage of an array about to be written. An array locked by a ByRef
// element or a For Each is written where it is, even when shared, so the
// element the lock protects stays the one the variable holds; otherwise a
// shared array is copied first.
inline ArrayRep* writableArray(Variant& array) {
  ArrayRep* rep = array.rawArray();
  return rep->lockCount > 0 ? rep : array.mutableArray();
}

// 10 when a store would release an array that is locked.
inline void checkUnlocked(const Variant& target) {
  if (target.isArray() && target.rawArray()->lockCount > 0) raiseRuntimeError(10);
}

}  // namespace corvela::vbs
