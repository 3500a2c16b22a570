// Convenience calls on Object and member-name comparison.
#include "platform/automation/object.h"

#include <vector>

#include "platform/automation/com_error.h"
#include "platform/automation/dispatch_table.h"

namespace corvela {

bool memberNameEquals(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

Variant indexValue(const Variant& value, Args args) {
  if (value.isObject()) {
    const std::shared_ptr<Object>& object = value.rawObject();
    if (!object) raiseRuntimeError(91);
    Variant result;
    object->invoke(DISPID_VALUE, static_cast<InvokeKind>(InvokeMethod | InvokeGet), args, result);
    return result;
  }
  if (!value.isArray()) raiseRuntimeError(450);
  std::vector<int32_t> indices;
  for (Variant& arg : args) indices.push_back(arg.dereferenced().toLong());
  const ArrayRep* array = value.rawArray();
  ptrdiff_t offset = array->offsetOf(indices.data(), indices.size());
  if (offset < 0) raiseRuntimeError(9);
  if (array->isBytes) return Variant::fromByte(array->bytes[static_cast<size_t>(offset)]);
  return array->items[static_cast<size_t>(offset)];
}

namespace {

class SnapshotEnumerator : public Enumerator {
 public:
  explicit SnapshotEnumerator(std::vector<Variant> items) : items_(std::move(items)) {}
  bool next(Variant& out) override {
    if (position_ >= items_.size()) return false;
    out = std::move(items_[position_++]);
    return true;
  }

 private:
  std::vector<Variant> items_;
  size_t position_ = 0;
};

}  // namespace

std::unique_ptr<Enumerator> enumerateSnapshot(std::vector<Variant> items) {
  return std::make_unique<SnapshotEnumerator>(std::move(items));
}

namespace {

DispId resolve(const Object& object, std::string_view member) {
  DispId id = object.memberId(member);
  if (id == DISPID_UNKNOWN) raiseRuntimeError(438);
  return id;
}

}  // namespace

Variant Object::call(std::string_view member, std::span<Variant> args) {
  Variant result;
  invoke(resolve(*this, member), static_cast<InvokeKind>(InvokeMethod | InvokeGet), args, result);
  return result;
}

Variant Object::get(std::string_view member, std::span<Variant> args) {
  Variant result;
  invoke(resolve(*this, member), InvokeGet, args, result);
  return result;
}

void Object::let(std::string_view member, const Variant& value) {
  Variant arg = value;
  Variant ignored;
  invoke(resolve(*this, member), InvokeLet, std::span<Variant>(&arg, 1), ignored);
}

void Object::set(std::string_view member, const Variant& value) {
  Variant arg = value;
  Variant ignored;
  invoke(resolve(*this, member), InvokeSet, std::span<Variant>(&arg, 1), ignored);
}

}  // namespace corvela
