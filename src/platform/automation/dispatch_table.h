// DispatchTable: the late-bound member table of a C++ class, declared once
// beside the class so the C++ method and the script-visible member cannot
// drift apart.
//
//   class Config : public DispatchObject<Config> {
//    public:
//     static constexpr std::string_view kClassName = "Config";
//     static const DispatchTable<Config>& dispatchTable();
//     std::string ConnString();
//     ...
//   };
//   const DispatchTable<Config>& Config::dispatchTable() {
//     static const DispatchTable<Config> table{
//         {.name = "ConnString",
//          .get = [](Config& self, Args) -> Variant { return self.ConnString(); },
//          .let = [](Config& self, Args, const Variant& v) { self.setConnString(v.toString()); }},
//         ...};
//     return table;
//   }
//
// Member ids are the entry's position + 1; the entry marked isDefault also
// answers DISPID_VALUE. A missing getter/letter/setter/method raises 438, a
// wrong argument count 450 (the entry's minArgs/maxArgs; maxArgs -1 = any).
// An entry with defaults receives all maxArgs arguments: omitted trailing
// ones are filled in from defaults (member_binding.h builds such entries).
#pragma once

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"

namespace corvela {

using Args = std::span<Variant>;

// The value's default member (objects) or element (arrays) at the given
// arguments; 450 for any other value.
Variant indexValue(const Variant& value, Args args);

// Case-insensitive comparison of ASCII member names.
bool memberNameEquals(std::string_view a, std::string_view b) noexcept;

template <class T>
class DispatchTable {
 public:
  using Getter = Variant (*)(T&, Args);
  using Putter = void (*)(T&, Args, const Variant&);
  using Method = Variant (*)(T&, Args);

  struct Entry {
    std::string_view name;
    Getter get = nullptr;
    Putter let = nullptr;
    Putter set = nullptr;
    Method call = nullptr;
    int minArgs = 0;
    int maxArgs = 0;  // index arguments for properties, arguments for methods; -1 = any
    bool isDefault = false;
    std::vector<Variant> defaults;  // values of the last defaults.size() parameters
  };

  DispatchTable(std::initializer_list<Entry> entries) : entries_(entries) { findDefault(); }
  explicit DispatchTable(std::vector<Entry> entries) : entries_(std::move(entries)) { findDefault(); }

  DispId find(std::string_view name) const noexcept {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (memberNameEquals(entries_[i].name, name)) return static_cast<DispId>(i + 1);
    return DISPID_UNKNOWN;
  }

  bool hasDefault() const noexcept { return defaultIndex_ >= 0; }

  void invoke(T& self, DispId id, InvokeKind kind, Args args, Variant& result) const {
    const Entry* e = entryFor(id);
    if (!e) raiseRuntimeError(438);
    if (kind & (InvokeLet | InvokeSet)) {
      if (args.empty()) raiseRuntimeError(450);
      Putter put = (kind & InvokeSet) ? (e->set ? e->set : e->let) : (e->let ? e->let : e->set);
      if (!put) raiseRuntimeError(438);
      Args index = args.first(args.size() - 1);
      checkCount(*e, index.size());
      withDefaults(*e, index, [&](Args full) { put(self, full, args.back()); });
      return;
    }
    if (e->call && (kind & InvokeMethod)) {
      checkCount(*e, args.size());
      withDefaults(*e, args, [&](Args full) { result = e->call(self, full); });
      return;
    }
    if (e->get) {
      if (e->maxArgs == 0 && !args.empty()) {
        // A property without parameters read with arguments: the arguments
        // index its value (`m.SubMatches(0)`, `WScript.Arguments(1)`).
        result = indexValue(e->get(self, {}), args);
        return;
      }
      checkCount(*e, args.size());
      withDefaults(*e, args, [&](Args full) { result = e->get(self, full); });
      return;
    }
    if (e->call) {
      checkCount(*e, args.size());
      withDefaults(*e, args, [&](Args full) { result = e->call(self, full); });
      return;
    }
    raiseRuntimeError(438);
  }

 private:
  void findDefault() {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].isDefault) defaultIndex_ = static_cast<int>(i);
  }

  // Calls body with every parameter present: omitted ones take their
  // defaults (449 for an omitted one that has none). Given arguments move in
  // and back out, so what a callee writes by reference reaches the caller.
  template <class Body>
  static void withDefaults(const Entry& e, Args args, Body&& body) {
    if (e.defaults.empty()) return body(args);
    size_t total = static_cast<size_t>(e.maxArgs);
    size_t firstDefault = total - e.defaults.size();
    size_t given = std::min(args.size(), total);
    std::vector<Variant> full(total);
    for (size_t i = 0; i < total; ++i) {
      if (i < given && !args[i].isMissing()) full[i] = std::move(args[i]);
      else if (i >= firstDefault) full[i] = e.defaults[i - firstDefault];
      else raiseRuntimeError(449);
    }
    // Omitted arguments stay marked as omitted for the caller.
    struct MoveBack {
      std::vector<Variant>& full;
      Args args;
      size_t given;
      ~MoveBack() {
        for (size_t i = 0; i < given; ++i)
          if (!args[i].isMissing()) args[i] = std::move(full[i]);
      }
    } restore{full, args, given};
    body(Args(full));
  }

  const Entry* entryFor(DispId id) const noexcept {
    if (id == DISPID_VALUE) return defaultIndex_ >= 0 ? &entries_[defaultIndex_] : nullptr;
    if (id < 1 || static_cast<size_t>(id) > entries_.size()) return nullptr;
    return &entries_[id - 1];
  }
  static void checkCount(const Entry& e, size_t count) {
    // Trailing omitted arguments count as not given.
    if (static_cast<int>(count) < e.minArgs) raiseRuntimeError(450);
    if (e.maxArgs >= 0 && static_cast<int>(count) > e.maxArgs) raiseRuntimeError(450);
  }

  std::vector<Entry> entries_;
  int defaultIndex_ = -1;
};

// Base of every C++ class with a DispatchTable: T provides
// `static const DispatchTable<T>& dispatchTable()` and
// `static constexpr std::string_view kClassName`.
template <class T>
class DispatchObject : public Object {
 public:
  std::string_view className() const override { return T::kClassName; }
  DispId memberId(std::string_view name) const override { return T::dispatchTable().find(name); }
  void invoke(DispId id, InvokeKind kind, Args args, Variant& result) override {
    T::dispatchTable().invoke(static_cast<T&>(*this), id, kind, args, result);
  }
};

// Argument helpers for member tables: the argument at i, or the fallback when
// it is absent or omitted.
inline bool hasArg(Args args, size_t i) { return i < args.size() && !args[i].isMissing(); }
inline Variant argOr(Args args, size_t i, Variant fallback) {
  return hasArg(args, i) ? args[i].dereferenced() : fallback;
}

}  // namespace corvela
