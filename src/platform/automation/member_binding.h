// Declarative member tables: an entry names the member and points at the C++
// method (or getter/setter pair); the conversions of arguments and results,
// the argument-count checks and the defaults of optional parameters follow
// from the C++ signature, as pybind11's `.def` does for Python.
//
//   const DispatchTable<Tips>& Tips::dispatchTable() {
//     static const DispatchTable<Tips> table = Members<Tips>()
//         .method<&Tips::GetATip>("GetATip", {""})      // one optional parameter
//         .method<&Tips::AddATip>("AddATip")
//         .property<&Tips::Name, &Tips::setName>("Name")
//         .readOnly<&Tips::Count>("Count")
//         .method<&countVisit>("CountVisit")            // a free function
//         .entry({.name = "Odd", .call = ...})           // hand-written member
//         .build();
//     return table;
//   }
//
// Parameters: int32_t, int16_t, uint8_t, bool, double, OleDate, std::string,
// std::string_view (by value or const&), Variant (the argument as passed, not
// dereferenced), std::shared_ptr<Object> and std::shared_ptr<X> for any
// Object class X (Nothing is nullptr; another class raises 13), and ByRef<P>
// for any of the scalar ones: what the callee stores in it is written back
// into the caller's variable when the call succeeds. Results: the same types
// and void (Empty).
//
// A free function binds like a method and receives only the arguments: for
// a member whose work does not depend on the object it is called on.
//
// Defaults are given for the trailing parameters, in order; an omitted or
// absent argument takes its default. Setters take the index parameters first
// and the assigned value last; a setter whose value is an object binds to
// `Set obj.X = ...`, any other to `obj.X = ...`.
//
// Include this only where a table is defined: it is template-heavy.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela {

// A parameter the callee may change; the caller's variable receives it. It
// refers to the caller's value, so it is passed by value:
//   void ChangePassword(std::string_view old, ByRef<std::string> password);
//   std::string mine = "x"; user.ChangePassword("y", ByRef(mine));
template <class P>
class ByRef {
 public:
  explicit ByRef(P& target) : target_(&target) {}
  P& operator*() const { return *target_; }
  P* operator->() const { return target_; }
  const P& get() const { return *target_; }
  const ByRef& operator=(P value) const {
    *target_ = std::move(value);
    return *this;
  }

 private:
  P* target_;
};

namespace binding {

template <class T>
struct IsSharedObject : std::false_type {};
template <class X>
struct IsSharedObject<std::shared_ptr<X>> : std::bool_constant<std::is_base_of_v<Object, X>> {};

template <class X>
std::shared_ptr<X> objectArgument(const Variant& arg) {
  std::shared_ptr<Object> object = arg.toObject();
  if constexpr (std::is_same_v<X, Object>) {
    return object;
  } else {
    if (!object) return nullptr;
    auto typed = std::dynamic_pointer_cast<X>(object);
    if (!typed) raiseRuntimeError(13);
    return typed;
  }
}

// The C++ value of an argument, converted as the parameter type asks.
template <class V>
V valueOf(const Variant& arg) {
  if constexpr (std::is_same_v<V, Variant>) {
    return arg;
  } else if constexpr (IsSharedObject<V>::value) {
    return objectArgument<typename V::element_type>(arg);
  } else {
    Variant value = arg.dereferenced();
    if constexpr (std::is_same_v<V, std::string>) return value.toString();
    else if constexpr (std::is_same_v<V, bool>) return value.toBool();
    else if constexpr (std::is_same_v<V, int32_t>) return value.toLong();
    else if constexpr (std::is_same_v<V, int16_t>) return value.toInteger();
    else if constexpr (std::is_same_v<V, uint8_t>) return value.toByte();
    else if constexpr (std::is_same_v<V, double>) return value.toDouble();
    else if constexpr (std::is_same_v<V, OleDate>) return OleDate{value.toDate()};
    else static_assert(sizeof(V) == 0, "no conversion from Variant to this parameter type");
  }
}

template <class R>
Variant resultOf(R&& value) {
  using V = std::decay_t<R>;
  if constexpr (std::is_same_v<V, Variant>) return std::forward<R>(value);
  else if constexpr (IsSharedObject<V>::value) return Variant(std::shared_ptr<Object>(std::forward<R>(value)));
  else if constexpr (std::is_same_v<V, int16_t>) return Variant::fromInteger(value);
  else if constexpr (std::is_same_v<V, uint8_t>) return Variant::fromByte(value);
  else if constexpr (std::is_same_v<V, OleDate>) return Variant::fromDate(value.days);
  else if constexpr (std::is_same_v<V, std::string_view>) return Variant(value);
  else if constexpr (std::is_same_v<V, std::string> || std::is_same_v<V, bool> || std::is_same_v<V, int32_t> ||
                     std::is_same_v<V, double>)
    return Variant(std::forward<R>(value));
  else static_assert(sizeof(V) == 0, "no conversion from this result type to Variant");
}

// Holds one converted argument for the length of the call.
template <class P>
struct Argument {
  using Stored = std::conditional_t<std::is_same_v<std::decay_t<P>, std::string_view>, std::string, std::decay_t<P>>;
  Stored value;
  explicit Argument(Variant& arg) : value(valueOf<Stored>(arg)) {}
  P get() { return value; }
  void writeBack(Variant&) {}
};

template <class P>
struct Argument<ByRef<P>> {
  P value;
  explicit Argument(Variant& arg) : value(valueOf<P>(arg)) {}
  ByRef<P> get() { return ByRef<P>(value); }
  void writeBack(Variant& arg) { arg = resultOf(value); }
};

template <class F>
struct Signature;
template <class R, class... P>
struct Signature<R (*)(P...)> {
  using Result = R;
  using Params = std::tuple<P...>;
};
template <class R, class... P>
struct Signature<R (*)(P...) noexcept> : Signature<R (*)(P...)> {};
template <class C, class R, class... P>
struct Signature<R (C::*)(P...)> {
  using Result = R;
  using Params = std::tuple<P...>;
};
template <class C, class R, class... P>
struct Signature<R (C::*)(P...) const> : Signature<R (C::*)(P...)> {};
template <class C, class R, class... P>
struct Signature<R (C::*)(P...) noexcept> : Signature<R (C::*)(P...)> {};
template <class C, class R, class... P>
struct Signature<R (C::*)(P...) const noexcept> : Signature<R (C::*)(P...)> {};

template <auto Fn>
constexpr size_t parameterCount = std::tuple_size_v<typename Signature<decltype(Fn)>::Params>;

// Fn on self (a member function) or on its own (a free function).
template <class T, auto Fn, class... A>
decltype(auto) callBound(T& self, A&&... args) {
  if constexpr (std::is_member_function_pointer_v<decltype(Fn)>) return (self.*Fn)(std::forward<A>(args)...);
  else {
    (void)self;
    return Fn(std::forward<A>(args)...);
  }
}

// Calls Fn with args converted; by-reference arguments are written back
// after the call returns.
template <class T, auto Fn>
Variant invokeBound(T& self, Args args) {
  using Params = typename Signature<decltype(Fn)>::Params;
  using Result = typename Signature<decltype(Fn)>::Result;
  return [&]<size_t... I>(std::index_sequence<I...>) -> Variant {
    std::tuple<Argument<std::tuple_element_t<I, Params>>...> held{
        Argument<std::tuple_element_t<I, Params>>(args[I])...};
    if constexpr (std::is_void_v<Result>) {
      callBound<T, Fn>(self, std::get<I>(held).get()...);
      (std::get<I>(held).writeBack(args[I]), ...);
      return Variant();
    } else {
      Variant result = resultOf(callBound<T, Fn>(self, std::get<I>(held).get()...));
      (std::get<I>(held).writeBack(args[I]), ...);
      return result;
    }
  }(std::make_index_sequence<std::tuple_size_v<Params>>{});
}

// A setter's index arguments followed by the assigned value.
template <class T, auto Fn>
void putBound(T& self, Args index, const Variant& value) {
  constexpr size_t count = parameterCount<Fn>;
  Variant all[count];
  for (size_t i = 0; i + 1 < count; ++i) all[i] = std::move(index[i]);
  all[count - 1] = value;
  invokeBound<T, Fn>(self, Args(all, count));
  for (size_t i = 0; i + 1 < count; ++i) index[i] = std::move(all[i]);
}

template <auto Fn>
constexpr bool assignsObject() {
  using Params = typename Signature<decltype(Fn)>::Params;
  using Value = std::decay_t<std::tuple_element_t<std::tuple_size_v<Params> - 1, Params>>;
  return IsSharedObject<Value>::value;
}

}  // namespace binding

template <class T>
class Members {
 public:
  using Entry = typename DispatchTable<T>::Entry;

  // A method; `defaults` hold the values of its trailing optional parameters.
  template <auto Fn>
  Members& method(std::string_view name, std::initializer_list<Variant> defaults = {}) {
    constexpr int count = static_cast<int>(binding::parameterCount<Fn>);
    entries_.push_back({.name = name,
                        .call = &binding::invokeBound<T, Fn>,
                        .minArgs = count - static_cast<int>(defaults.size()),
                        .maxArgs = count,
                        .defaults = defaults});
    return *this;
  }

  // A property that scripts read and assign.
  template <auto Get, auto Put>
  Members& property(std::string_view name, std::initializer_list<Variant> defaults = {}) {
    static_assert(binding::parameterCount<Put> == binding::parameterCount<Get> + 1,
                  "a setter takes the getter's index parameters and the value");
    readOnly<Get>(name, defaults);
    if constexpr (binding::assignsObject<Put>())
      entries_.back().set = &binding::putBound<T, Put>;
    else
      entries_.back().let = &binding::putBound<T, Put>;
    return *this;
  }

  // A property that scripts only read.
  template <auto Get>
  Members& readOnly(std::string_view name, std::initializer_list<Variant> defaults = {}) {
    constexpr int count = static_cast<int>(binding::parameterCount<Get>);
    entries_.push_back({.name = name,
                        .get = &binding::invokeBound<T, Get>,
                        .minArgs = count - static_cast<int>(defaults.size()),
                        .maxArgs = count,
                        .defaults = defaults});
    return *this;
  }

  // A hand-written entry, for the rare member that needs one.
  Members& entry(Entry e) {
    entries_.push_back(std::move(e));
    return *this;
  }

  // Makes the member added last the default member (dispatch id 0).
  Members& asDefault() {
    entries_.back().isDefault = true;
    return *this;
  }

  DispatchTable<T> build() { return DispatchTable<T>(std::move(entries_)); }

 private:
  std::vector<Entry> entries_;
};

}  // namespace corvela
