// Loops and arrays of the execution loop: For/Next (bounds evaluated
// once), For Each over arrays and collections, Dim of fixed arrays,
// ReDim [Preserve] and Erase.
#include <new>

#include "platform/automation/variant_ops.h"
#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/vm_values.h"

namespace corvela::vbs {

namespace {

// The state of one For Each, kept in a hidden slot of the frame. Walking
// an array locks it: ReDim and Erase raise 10 until the loop ends.
class ForEachWalker : public Object {
 public:
  std::string_view className() const override { return "Object"; }
  DispId memberId(std::string_view) const override { return DISPID_UNKNOWN; }
  void invoke(DispId, InvokeKind, std::span<Variant>, Variant&) override { raiseRuntimeError(438); }
  virtual bool next(Variant& out) = 0;
};

class ArrayWalker final : public ForEachWalker {
 public:
  explicit ArrayWalker(const Variant& array) : array_(array) { ++array_.rawArray()->lockCount; }
  ~ArrayWalker() override { --array_.rawArray()->lockCount; }
  bool next(Variant& out) override {
    const ArrayRep* rep = array_.rawArray();
    if (position_ >= rep->size()) return false;
    out = rep->isBytes ? Variant::fromByte(rep->bytes[position_]) : rep->items[position_];
    ++position_;
    return true;
  }

 private:
  Variant array_;
  size_t position_ = 0;
};

class EnumeratorWalker final : public ForEachWalker {
 public:
  explicit EnumeratorWalker(std::unique_ptr<Enumerator> e) : enumerator_(std::move(e)) {}
  bool next(Variant& out) override { return enumerator_->next(out); }

 private:
  std::unique_ptr<Enumerator> enumerator_;
};

// A loop bound as the loop keeps it: a number (text is converted, Empty is 0).
Variant loopNumber(Variant value) {
  if (value.isObject()) value = value.dereferenced();
  switch (value.type()) {
    case VarType::Empty: return Variant::fromInteger(0);
    case VarType::String: return Variant(value.toDouble());
    case VarType::Null: raiseRuntimeError(94);
    default:
      if (!value.isNumeric() && value.type() != VarType::Boolean && value.type() != VarType::Date)
        raiseRuntimeError(13);
      return value;
  }
}

bool isInteger(VarType t) { return t == VarType::Integer || t == VarType::Long; }
int32_t intValue(const Variant& v) { return v.type() == VarType::Integer ? v.rawInteger() : v.rawLong(); }

// Whether the counter is still inside the limit, in the step's direction.
bool inRange(const Variant& counter, const Variant& limit, const Variant& step) {
  if (isInteger(counter.type()) && isInteger(limit.type()) && isInteger(step.type())) {
    int32_t c = intValue(counter), l = intValue(limit);
    return intValue(step) >= 0 ? c <= l : c >= l;
  }
  double c = counter.toDouble(), l = limit.toDouble();
  return step.toDouble() >= 0 ? c <= l : c >= l;
}

// More elements than this cannot be allocated anyway; refusing them up front
// also keeps the element count from wrapping around in size_t arithmetic
// (which would make a tiny array that indices run past).
constexpr uint64_t kMaxArrayElements = uint64_t{1} << 28;

// Bounds 0..upper per dimension: 9 for an upper bound below -1, 7 when the
// whole array would be too large.
std::vector<ArrayBound> checkedBounds(const int64_t* uppers, size_t count) {
  std::vector<ArrayBound> bounds;
  uint64_t total = 1;
  for (size_t i = 0; i < count; ++i) {
    if (uppers[i] < -1) raiseRuntimeError(9);
    uint64_t n = static_cast<uint64_t>(uppers[i] + 1);
    if (n > kMaxArrayElements) raiseRuntimeError(7);
    total *= n;
    if (total > kMaxArrayElements) raiseRuntimeError(7);
    bounds.push_back({0, static_cast<uint32_t>(n)});
  }
  return bounds;
}

}  // namespace

std::vector<ArrayBound> arrayBounds(const std::vector<int32_t>& uppers) {
  std::vector<int64_t> wide(uppers.begin(), uppers.end());
  return checkedBounds(wide.data(), wide.size());
}

bool Interpreter::forInit(Frame& frame, const Instr& instr) {
  Variant step = loopNumber(std::move(sp_[-1]));
  Variant limit = loopNumber(std::move(sp_[-2]));
  Variant start = loopNumber(std::move(sp_[-3]));
  for (int i = 0; i < 3; ++i) *--sp_ = Variant();
  Variant* counter = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, true);
  if (!counter) raiseRuntimeError(501);
  checkUnlocked(*counter);
  *counter = std::move(start);
  bool skip = !inRange(*counter, limit, step);
  frame.base[instr.a] = std::move(limit);
  frame.base[instr.a + 1] = std::move(step);
  return skip;
}

bool Interpreter::forNext(Frame& frame, const Instr& instr) {
  const Variant& limit = frame.base[instr.a];
  const Variant& step = frame.base[instr.a + 1];
  // The header failed under On Error Resume Next: the body ran once.
  if (limit.isEmpty()) raiseRuntimeError(92);
  Variant* counter;
  switch (static_cast<VarKind>(instr.n)) {
    case VarKind::Local: counter = frame.base + instr.b; break;
    case VarKind::Global: counter = &frame.link->globals[instr.b]->value; break;
    default: counter = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, true);
  }
  VarType tc = counter->type(), ts = step.type();
  if (isInteger(tc) && isInteger(ts)) {
    int64_t next = static_cast<int64_t>(intValue(*counter)) + intValue(step);
    if (tc == VarType::Integer && ts == VarType::Integer && next >= INT16_MIN && next <= INT16_MAX)
      new (counter) Variant(Variant::fromInteger(static_cast<int16_t>(next)));
    else if (next >= INT32_MIN && next <= INT32_MAX)
      new (counter) Variant(static_cast<int32_t>(next));
    else
      new (counter) Variant(static_cast<double>(next));
  } else {
    *counter = ops::add(*counter, step);
  }
  return inRange(*counter, limit, step);
}

bool Interpreter::forEachInit(Frame& frame, const Instr& instr) {
  Variant collection = std::move(*--sp_);
  std::shared_ptr<ForEachWalker> walker;
  if (collection.isArray()) {
    walker = std::make_shared<ArrayWalker>(collection);
  } else if (collection.isObject() && collection.rawObject()) {
    std::unique_ptr<Enumerator> e = collection.rawObject()->newEnum();
    if (!e) raiseRuntimeError(451);
    walker = std::make_shared<EnumeratorWalker>(std::move(e));
  } else {
    raiseRuntimeError(451);
  }
  Variant first;
  if (!walker->next(first)) return true;
  Variant* var = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, true);
  if (!var) raiseRuntimeError(501);
  checkUnlocked(*var);
  *var = std::move(first);
  frame.base[instr.a] = Variant(std::static_pointer_cast<Object>(walker));
  return false;
}

bool Interpreter::forEachNext(Frame& frame, const Instr& instr) {
  const Variant& state = frame.base[instr.a];
  // The header failed under On Error Resume Next: the body ran once.
  if (!state.isObject()) raiseRuntimeError(451);
  Variant item;
  if (!static_cast<ForEachWalker&>(*state.rawObject()).next(item)) return false;
  Variant* var = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, true);
  checkUnlocked(*var);
  *var = std::move(item);
  return true;
}

void Interpreter::dimArray(Frame& frame, const ArraySite& site) {
  Variant* var = varPtr(frame, site.kind, site.fallback, site.index, true);
  // Dim declares: running it again (in a loop) keeps the array it made.
  if (var->isArray() && var->rawArray()->fixedSize) return;
  checkUnlocked(*var);
  Variant array = Variant::array(arrayBounds(site.fixedBounds));
  if (!site.fixedBounds.empty()) array.rawArray()->fixedSize = true;
  *var = std::move(array);
}

void Interpreter::redim(Frame& frame, const ArraySite& site) {
  Variant* args = sp_ - site.dims;
  std::vector<int64_t> uppers;
  for (uint16_t i = 0; i < site.dims; ++i) uppers.push_back(args[i].dereferenced().toLong());
  std::vector<ArrayBound> bounds = checkedBounds(uppers.data(), uppers.size());
  while (sp_ > args) *--sp_ = Variant();
  Variant* var = varPtr(frame, site.kind, site.fallback, site.index, true);
  if (!var) raiseRuntimeError(501);
  if (var->isArray()) {
    const ArrayRep* rep = var->rawArray();
    if (rep->fixedSize || rep->lockCount > 0) raiseRuntimeError(10);
  }
  if (!site.preserve || !var->isArray() || var->rawArray()->bounds.empty()) {
    *var = Variant::array(std::move(bounds));
    return;
  }
  // Preserve: only the last dimension may change.
  const ArrayRep* old = var->rawArray();
  if (old->bounds.size() != bounds.size()) raiseRuntimeError(9);
  for (size_t d = 0; d + 1 < bounds.size(); ++d)
    if (old->bounds[d].count != bounds[d].count || old->bounds[d].lower != bounds[d].lower) raiseRuntimeError(9);
  ArrayRep* rep = writableArray(*var);
  rep->bounds.back() = bounds.back();
  size_t total = 1;
  for (const ArrayBound& b : rep->bounds) total *= b.count;
  if (rep->isBytes)
    rep->bytes.resize(total);
  else
    rep->items.resize(total);
}

void Interpreter::erase(Frame& frame, const Instr& instr) {
  Variant* var = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, true);
  if (!var || !var->isArray()) raiseRuntimeError(13);
  if (var->rawArray()->lockCount > 0) raiseRuntimeError(10);
  if (!var->rawArray()->fixedSize) {
    *var = Variant::array(std::vector<ArrayBound>{});
    return;
  }
  // A fixed array keeps its size; its elements go back to Empty (or 0).
  ArrayRep* rep = writableArray(*var);
  for (Variant& item : rep->items) item = Variant();
  for (uint8_t& byte : rep->bytes) byte = 0;
}

}  // namespace corvela::vbs
