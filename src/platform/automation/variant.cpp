// Variant storage: construction, copying, sharing and release. The VBScript
// conversion rules live in variant_convert.cpp.
#include "platform/automation/variant.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/text/utf8_units.h"

namespace corvela {

StringRep* StringRep::make(std::string_view text, size_t capacity) {
  if (text.size() > kMaxStringBytes) raiseRuntimeError(14);
  if (capacity < text.size()) capacity = text.size();
  if (capacity > kMaxStringBytes) capacity = kMaxStringBytes;
  void* memory = std::malloc(offsetof(StringRep, data) + capacity + 1);
  if (!memory) throw std::bad_alloc();
  auto* rep = static_cast<StringRep*>(memory);
  new (&rep->refs) std::atomic<uint32_t>(1);
  new (&rep->unitMark) std::atomic<uint64_t>(0);
  rep->size = static_cast<uint32_t>(text.size());
  rep->capacity = static_cast<uint32_t>(capacity);
  rep->codePoints = -1;
  if (!text.empty()) std::memcpy(rep->data, text.data(), text.size());
  rep->data[text.size()] = '\0';
  return rep;
}

namespace {

void releaseString(StringRep* rep) noexcept {
  if (rep->refs.fetch_sub(1, std::memory_order_acq_rel) == 1) std::free(rep);
}

// Releasing the last reference to an array or object releases what it
// holds, which may hold more: a chain a million deep (`a = Array(a)` in a
// loop, a linked list of class instances) would take a million nested
// destructor calls and overflow the stack. While one release runs on a
// thread, the last references it meets are queued on its stack frame, and
// that outermost release frees them one after another.
struct ReleaseQueue {
  std::vector<ArrayRep*> arrays;
  std::vector<std::shared_ptr<Object>> objects;
};
thread_local ReleaseQueue* activeReleases = nullptr;  // a plain pointer: nothing to destroy at thread exit

void drainReleases(ReleaseQueue& queue) noexcept {
  while (!queue.arrays.empty() || !queue.objects.empty()) {
    if (!queue.arrays.empty()) {
      ArrayRep* rep = queue.arrays.back();
      queue.arrays.pop_back();
      delete rep;
    } else {
      std::shared_ptr<Object> object = std::move(queue.objects.back());
      queue.objects.pop_back();
      object.reset();
    }
  }
}

// Runs `release` as the outermost release of this thread, or queues it
// with `later` inside one.
template <class Release, class Queue>
void releaseInOrder(Release&& release, Queue&& later) noexcept {
  if (ReleaseQueue* queue = activeReleases) {
    try {
      later(*queue);
      return;
    } catch (...) {
      // No memory to queue it: free it now, nested as before.
    }
    release();
    return;
  }
  ReleaseQueue queue;
  activeReleases = &queue;
  release();
  drainReleases(queue);
  activeReleases = nullptr;
}

void releaseArray(ArrayRep* rep) noexcept {
  if (rep->refs.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
  releaseInOrder([&] { delete rep; }, [&](ReleaseQueue& queue) { queue.arrays.push_back(rep); });
}

void releaseObject(std::shared_ptr<Object>& object) noexcept {
  // Only a last reference frees anything; others just drop their count.
  if (object.use_count() != 1) {
    object.reset();
    return;
  }
  releaseInOrder([&] { object.reset(); }, [&](ReleaseQueue& queue) { queue.objects.push_back(std::move(object)); });
}

// The string to which `tail` is then appended to join `text` on as "&"
// does: `rep` (or its unshared copy) cut before the bytes that the join
// changes. Only the end changes, so a string built byte by byte from ChrB
// pieces still grows in place.
StringRep* truncatedForJoin(StringRep* rep, std::string_view text, std::string& tail) {
  size_t kept = rep->size - text::joinedTail(rep->view(), text, tail);
  if (rep->refs.load(std::memory_order_acquire) > 1) {
    StringRep* copy = StringRep::make(rep->view().substr(0, kept), rep->capacity);
    releaseString(rep);
    rep = copy;
  }
  rep->size = static_cast<uint32_t>(kept);
  rep->data[kept] = '\0';
  rep->codePoints = -1;
  rep->unitMark.store(0, std::memory_order_relaxed);
  return rep;
}

}  // namespace

size_t ArrayRep::size() const { return isBytes ? bytes.size() : items.size(); }

ptrdiff_t ArrayRep::offsetOf(const int32_t* indices, size_t count) const {
  if (count != bounds.size()) return -1;
  ptrdiff_t offset = 0;
  ptrdiff_t stride = 1;
  for (size_t d = 0; d < count; ++d) {
    int64_t i = static_cast<int64_t>(indices[d]) - bounds[d].lower;
    if (i < 0 || i >= static_cast<int64_t>(bounds[d].count)) return -1;
    offset += static_cast<ptrdiff_t>(i) * stride;
    stride *= static_cast<ptrdiff_t>(bounds[d].count);
  }
  return offset;
}

Variant& Variant::assignCopy(const Variant& other) noexcept {
  if (this != &other) {
    Variant keep(std::move(*this));  // other may live inside what we release
    copyFrom(other);
  }
  return *this;
}

Variant& Variant::assignMove(Variant& other) noexcept {
  if (this != &other) {
    Variant keep(std::move(*this));
    moveFrom(other);
  }
  return *this;
}

void Variant::copyFrom(const Variant& other) noexcept {
  type_ = other.type_;
  switch (type_) {
    case VarType::String:
      u_.str = other.u_.str;
      u_.str->refs.fetch_add(1, std::memory_order_relaxed);
      break;
    case VarType::Array:
      u_.arr = other.u_.arr;
      u_.arr->refs.fetch_add(1, std::memory_order_relaxed);
      break;
    case VarType::Object:
      new (objectSlot()) std::shared_ptr<Object>(*other.objectSlot());
      break;
    default:
      u_.i8 = other.u_.i8;
  }
}

void Variant::moveFrom(Variant& other) noexcept {
  type_ = other.type_;
  if (type_ == VarType::Object) {
    new (objectSlot()) std::shared_ptr<Object>(std::move(*other.objectSlot()));
    other.objectSlot()->~shared_ptr();
  } else {
    u_.i8 = other.u_.i8;
  }
  other.type_ = VarType::Empty;
  other.u_.i8 = 0;
}

void Variant::release() noexcept {
  switch (type_) {
    case VarType::String: releaseString(u_.str); break;
    case VarType::Array: releaseArray(u_.arr); break;
    case VarType::Object:
      releaseObject(*objectSlot());
      objectSlot()->~shared_ptr();
      break;
    default: break;
  }
  type_ = VarType::Empty;
  u_.i8 = 0;
}

Variant::Variant(std::string_view text) : type_(VarType::String) { u_.str = StringRep::make(text); }

Variant::Variant(std::shared_ptr<Object> object) noexcept : type_(VarType::Object) {
  new (objectSlot()) std::shared_ptr<Object>(std::move(object));
}

Variant Variant::fromByte(uint8_t value) noexcept {
  Variant v;
  v.type_ = VarType::Byte;
  v.u_.ui1 = value;
  return v;
}

Variant Variant::fromSingle(float value) noexcept {
  Variant v;
  v.type_ = VarType::Single;
  v.u_.r4 = value;
  return v;
}

Variant Variant::fromCurrency(int64_t scaled) noexcept {
  Variant v;
  v.type_ = VarType::Currency;
  v.u_.cy = scaled;
  return v;
}

Variant Variant::fromDate(double oleDate) noexcept {
  Variant v;
  v.type_ = VarType::Date;
  v.u_.r8 = oleDate;
  return v;
}

Variant Variant::fromError(int32_t scode) noexcept {
  Variant v;
  v.type_ = VarType::Error;
  v.u_.i4 = scode;
  return v;
}

// The arrays below are held by a unique_ptr until they are whole: a
// failed allocation of their elements must not leak them.
Variant Variant::array(std::vector<ArrayBound> bounds) {
  auto rep = std::make_unique<ArrayRep>();
  size_t total = 1;
  for (const ArrayBound& b : bounds) total *= b.count;
  if (bounds.empty()) total = 0;
  rep->bounds = std::move(bounds);
  rep->items.resize(total);
  Variant v;
  v.type_ = VarType::Array;
  v.u_.arr = rep.release();
  return v;
}

Variant Variant::array(std::vector<Variant> items) {
  auto rep = std::make_unique<ArrayRep>();
  rep->bounds.push_back({0, static_cast<uint32_t>(items.size())});
  rep->items = std::move(items);
  Variant v;
  v.type_ = VarType::Array;
  v.u_.arr = rep.release();
  return v;
}

Variant Variant::bytes(std::vector<uint8_t> data) {
  auto rep = std::make_unique<ArrayRep>();
  rep->isBytes = true;
  rep->bounds.push_back({0, static_cast<uint32_t>(data.size())});
  rep->bytes = std::move(data);
  Variant v;
  v.type_ = VarType::Array;
  v.u_.arr = rep.release();
  return v;
}

int Variant::varTypeNumber() const noexcept {
  if (type_ != VarType::Array) return static_cast<int>(type_);
  return static_cast<int>(VarType::Array) +
         static_cast<int>(u_.arr->isBytes ? VarType::Byte : VarType::Variant);
}

bool Variant::isNumeric() const noexcept {
  switch (type_) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Decimal:
    case VarType::Byte:
      return true;
    default:
      return false;
  }
}

ArrayRep* Variant::mutableArray() {
  ArrayRep* rep = u_.arr;
  if (rep->refs.load(std::memory_order_acquire) == 1) return rep;
  auto copy = std::make_unique<ArrayRep>();
  copy->bounds = rep->bounds;
  copy->items = rep->items;
  copy->bytes = rep->bytes;
  copy->isBytes = rep->isBytes;
  copy->fixedSize = rep->fixedSize;
  releaseArray(rep);
  u_.arr = copy.release();
  return u_.arr;
}

void Variant::appendString(std::string_view text) {
  StringRep* rep = u_.str;
  // A half unit or a high surrogate at the end changes the bytes already
  // there (utf8_units.h); text ending in ASCII never takes this branch.
  if (text::needsJoin(rep->view(), text)) {
    std::string tail;
    u_.str = truncatedForJoin(rep, text, tail);
    appendString(tail);
    return;
  }
  size_t needed = static_cast<size_t>(rep->size) + text.size();
  if (needed > kMaxStringBytes) raiseRuntimeError(14);
  if (rep->refs.load(std::memory_order_acquire) == 1 && needed <= rep->capacity) {
    std::memcpy(rep->data + rep->size, text.data(), text.size());
    rep->size = static_cast<uint32_t>(needed);
    rep->data[needed] = '\0';
    rep->codePoints = -1;
    rep->unitMark.store(0, std::memory_order_relaxed);
    return;
  }
  // Grow geometrically so that building a string piece by piece stays linear.
  StringRep* grown = StringRep::make(rep->view(), needed < 32 ? 32 : needed * 2);
  std::memcpy(grown->data + grown->size, text.data(), text.size());
  grown->size = static_cast<uint32_t>(needed);
  grown->data[needed] = '\0';
  releaseString(rep);
  u_.str = grown;
}

size_t Variant::stringLength() const {
  StringRep* rep = u_.str;
  if (rep->codePoints < 0) rep->codePoints = static_cast<int32_t>(text::utf16Length(rep->view()));
  return static_cast<size_t>(rep->codePoints);
}

}  // namespace corvela
