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
