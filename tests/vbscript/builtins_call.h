// Calling built-in functions through their tables, as the compiled script
// does, and describing results as "Type:value" text so that tables of cases
// pin the type as well as the value.
#pragma once

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs::testing {

inline bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

inline const BuiltinFunction* findBuiltin(std::string_view name) {
  for (auto table : {stringBuiltins(), conversionBuiltins(), mathBuiltins(), inspectionBuiltins(), arrayBuiltins(),
                     dateBuiltins(), formatBuiltins()})
    for (const BuiltinFunction& f : table)
      if (sameName(f.name, name)) return &f;
  return nullptr;
}

// Calls the built-in; the argument count must be one the table allows.
inline Variant call(std::string_view name, std::vector<Variant> args = {}) {
  const BuiltinFunction* f = findBuiltin(name);
  if (!f) {
    ADD_FAILURE() << name << " is not in the tables";
    return Variant();
  }
  EXPECT_GE(args.size(), f->minArgs) << name;
  EXPECT_LE(args.size(), f->maxArgs) << name;
  BuiltinCall c{args, nullptr};
  return f->fn(c);
}

// The run-time error number the call raises, 0 when it raises none.
inline int errorOf(std::string_view name, std::vector<Variant> args) {
  try {
    call(name, std::move(args));
  } catch (const ComError& e) {
    return e.number();
  }
  return 0;
}

// Switches the thread's locale for the lifetime of the object.
class LocaleScope {
 public:
  explicit LocaleScope(int lcid) : previous_(setCurrentLcid(lcid)) {}
  ~LocaleScope() { setCurrentLcid(previous_); }

 private:
  int previous_;
};

inline std::string numberText(double value) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

// "Long:3", "String:ab", "Integer:-1", "Double:0.5", "Null",
// "Variant(0..1){String:a,String:b}", "Bytes{41,0}".
inline std::string describe(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty: return "Empty";
    case VarType::Null: return "Null";
    case VarType::Boolean: return std::string("Boolean:") + (v.rawBool() ? "True" : "False");
    case VarType::Byte: return "Byte:" + std::to_string(v.rawByte());
    case VarType::Integer: return "Integer:" + std::to_string(v.rawInteger());
    case VarType::Long: return "Long:" + std::to_string(v.rawLong());
    case VarType::Single: return "Single:" + numberText(v.rawSingle());
    case VarType::Double: return "Double:" + numberText(v.rawDouble());
    case VarType::Currency: return "Currency:" + std::to_string(v.rawCurrency());
    case VarType::Date: return "Date:" + numberText(v.rawDate());
    case VarType::String: return "String:" + std::string(v.rawString());
    case VarType::Array: {
      const ArrayRep* array = v.rawArray();
      std::string out;
      if (array->isBytes) {
        out = "Bytes{";
        for (size_t i = 0; i < array->bytes.size(); ++i) out += (i ? "," : "") + std::to_string(array->bytes[i]);
        return out + "}";
      }
      out = "Variant(";
      for (const ArrayBound& b : array->bounds) out += std::to_string(b.lower) + ".." + std::to_string(b.upper()) + ";";
      out += "){";
      for (size_t i = 0; i < array->items.size(); ++i) out += (i ? "," : "") + describe(array->items[i]);
      return out + "}";
    }
    default: return "VarType " + std::to_string(v.varTypeNumber());
  }
}

// One row of a table: a call and what it gives, either a description of
// the result or "error N".
struct BuiltinCase {
  std::string_view name;
  std::vector<Variant> args;
  std::string expected;
};

inline std::string outcomeOf(std::string_view name, std::vector<Variant> args) {
  try {
    return describe(call(name, std::move(args)));
  } catch (const ComError& e) {
    return "error " + std::to_string(e.number());
  }
}

inline void expectCases(const std::vector<BuiltinCase>& cases) {
  for (const BuiltinCase& c : cases) {
    std::string args;
    for (const Variant& a : c.args) args += (args.empty() ? "" : ", ") + describe(a);
    EXPECT_EQ(outcomeOf(c.name, c.args), c.expected) << c.name << "(" << args << ")";
  }
}

inline Variant I(int16_t value) { return Variant::fromInteger(value); }
inline Variant B(uint8_t value) { return Variant::fromByte(value); }
inline Variant Cy(int64_t scaled) { return Variant::fromCurrency(scaled); }
inline Variant Sg(float value) { return Variant::fromSingle(value); }
inline Variant Dt(double value) { return Variant::fromDate(value); }
inline Variant Null() { return Variant::null(); }
inline Variant Missing() { return Variant::missing(); }

}  // namespace corvela::vbs::testing
