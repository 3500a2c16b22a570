// Object: late binding in two steps, as with IDispatch. A caller resolves a
// member name once with memberId() (case-insensitively) and then calls
// invoke() with that id as often as it likes, so a script's call site caches
// the id instead of comparing names on every call.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/variant.h"

namespace corvela {

using DispId = int32_t;
inline constexpr DispId DISPID_VALUE = 0;     // the default member
inline constexpr DispId DISPID_UNKNOWN = -1;  // memberId() of an unknown name
inline constexpr DispId DISPID_NEWENUM = -4;

// How a member is used. VBScript reads `obj.Foo` and `obj.Foo(1)` as
// InvokeMethod | InvokeGet and lets the object decide.
enum InvokeKind : uint8_t {
  InvokeMethod = 1,
  InvokeGet = 2,
  InvokeLet = 4,  // obj.Foo = value
  InvokeSet = 8,  // Set obj.Foo = object
};

// Enumeration of a collection (what IEnumVARIANT did for For Each).
class Enumerator {
 public:
  virtual ~Enumerator() = default;
  // Stores the next element and returns true, or returns false at the end.
  virtual bool next(Variant& out) = 0;
};

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // The class name TypeName() shows.
  virtual std::string_view className() const = 0;

  // The id of a member, DISPID_UNKNOWN when there is none.
  virtual DispId memberId(std::string_view name) const = 0;

  // Calls a member. Arguments come in source order. For InvokeLet and
  // InvokeSet the assigned value is the last argument. A callee that takes
  // an argument by reference writes the new value into args[i]; the caller
  // copies it back to its variable. An omitted argument is Variant::missing().
  // Errors are raised as ComError.
  virtual void invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant& result) = 0;

  // For Each support; nullptr when the object is not a collection (451).
  virtual std::unique_ptr<Enumerator> newEnum() { return nullptr; }

  // Convenience for C++ callers: resolve and call in one step; raises 438
  // when the member does not exist.
  Variant call(std::string_view member, std::span<Variant> args = {});
  Variant get(std::string_view member, std::span<Variant> args = {});
  void let(std::string_view member, const Variant& value);
  void set(std::string_view member, const Variant& value);
};

// For Each over a snapshot of items: the collection may change while a loop
// walks it.
std::unique_ptr<Enumerator> enumerateSnapshot(std::vector<Variant> items);

// Creates an object of a class registered under a ProgID (see progid_factory.h).
std::shared_ptr<Object> createObject(std::string_view progId);

}  // namespace corvela
