// The inspection, conversion and array built-ins and the constants: which
// tests look through an object to its default value, the table mapping each
// C* name to its type, LBound/UBound errors, and each constant's type.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/object.h"
#include "vbscript/builtins_call.h"

namespace corvela::vbs::testing {
namespace {

// An object whose default member gives a fixed value, or raises the given
// error (438 stands for "has no default member").
class ValueObject : public Object {
 public:
  ValueObject(Variant value, int32_t error = 0) : value_(std::move(value)), error_(error) {}
  std::string_view className() const override { return "Field"; }
  DispId memberId(std::string_view) const override { return DISPID_UNKNOWN; }
  void invoke(DispId, InvokeKind, std::span<Variant>, Variant& result) override {
    if (error_ != 0) raiseRuntimeError(error_);
    result = value_;
  }

 private:
  Variant value_;
  int32_t error_;
};

Variant objectWith(Variant value) { return Variant(std::make_shared<ValueObject>(std::move(value))); }
Variant objectRaising(int32_t error) { return Variant(std::make_shared<ValueObject>(Variant(), error)); }

TEST(InspectionBuiltins, TypeTestsOfPlainValues) {
  expectCases({
      {"IsNumeric", {Variant()}, "Boolean:True"}, {"IsNumeric", {"12"}, "Boolean:True"},
      {"IsNumeric", {" 12 "}, "Boolean:True"}, {"IsNumeric", {"1e3"}, "Boolean:True"},
      {"IsNumeric", {"-1.5"}, "Boolean:True"}, {"IsNumeric", {"abc"}, "Boolean:False"},
      {"IsNumeric", {Dt(1)}, "Boolean:False"},
      {"IsNumeric", {Variant::array(std::vector<Variant>{1})}, "Boolean:False"},
      {"IsDate", {"1/5/2003"}, "Boolean:True"}, {"IsDate", {"abc"}, "Boolean:False"},
      {"IsDate", {1}, "Boolean:False"},
      {"IsEmpty", {Null()}, "Boolean:False"},
      {"IsArray", {Variant::array(std::vector<Variant>{})}, "Boolean:True"},
      {"TypeName", {I(1)}, "String:Integer"}, {"TypeName", {Variant::bytes({1})}, "String:Byte()"},
      {"VarType", {Variant::bytes({1})}, "Integer:8209"},
  });
}

TEST(InspectionBuiltins, ObjectsAreInspectedByTheirDefaultValue) {
  Variant nullField = objectWith(Null());
  Variant textField = objectWith("12");
  Variant plain = objectRaising(438);
  Variant needsArguments = objectRaising(450);
  expectCases({
      {"IsNull", {nullField}, "Boolean:True"},
      {"VarType", {nullField}, "Integer:1"},
      {"IsNumeric", {textField}, "Boolean:True"},
      {"VarType", {textField}, "Integer:8"},
      {"TypeName", {textField}, "String:Field"},
      {"IsObject", {textField}, "Boolean:True"},
      {"VarType", {plain}, "Integer:9"},
      {"IsEmpty", {plain}, "Boolean:False"},
      {"IsNull", {needsArguments}, "Boolean:False"}, {"IsNull", {objectRaising(5)}, "error 5"},
      {"IsEmpty", {Variant::nothing()}, "Boolean:False"},
  });
}

TEST(InspectionBuiltins, ScriptEngineVersion) {
  expectCases({
      {"ScriptEngine", {}, "String:VBScript"},
      {"ScriptEngineMajorVersion", {}, "Long:5"},
      {"ScriptEngineMinorVersion", {}, "Long:8"},
  });
}

TEST(ConversionBuiltins, EachNameConvertsToItsType) {
  expectCases({
      {"CStr", {12}, "String:12"},
      {"CInt", {"12"}, "Integer:12"},
      {"CLng", {2.5}, "Long:2"},
      {"CDbl", {"1.5"}, "Double:1.5"},
      {"CSng", {1.5}, "Single:1.5"},
      {"CByte", {7}, "Byte:7"},
      {"CCur", {1.5}, "Currency:15000"},
      {"CBool", {"true"}, "Boolean:True"},
      {"CDate", {2.5}, "Date:2.5"},
      {"CStr", {objectWith(3)}, "String:3"},
      {"CInt", {"x"}, "error 13"},
  });
}

TEST(ArrayBuiltins, ArrayAndBounds) {
  Variant matrix = Variant::array(std::vector<ArrayBound>{{1, 3}, {0, 2}});
  Variant neverSized = Variant::array(std::vector<ArrayBound>{});
  expectCases({
      {"Array", {1, "a"}, "Variant(0..1;){Long:1,String:a}"}, {"Array", {}, "Variant(0..-1;){}"},
      {"LBound", {call("Array")}, "Long:0"},
      {"UBound", {call("Array")}, "Long:-1"}, {"UBound", {call("Array", {1, 2, 3})}, "Long:2"},
      {"LBound", {matrix}, "Long:1"},
      {"UBound", {matrix}, "Long:3"}, {"UBound", {matrix, 2}, "Long:1"}, {"UBound", {matrix, 3}, "error 9"},
      {"UBound", {matrix, 0}, "error 9"}, {"UBound", {neverSized}, "error 9"},
      {"LBound", {neverSized}, "error 9"},
      {"UBound", {"x"}, "error 13"}, {"UBound", {Null()}, "error 13"},
      {"UBound", {objectWith(call("Array", {1, 2}))}, "Long:1"},
  });
  Variant object = objectWith(1);
  Variant holder = call("Array", {object});
  EXPECT_TRUE(holder.rawArray()->items[0].isObject()) << "Array() must keep objects";
}

TEST(Constants, HaveVBScriptsValuesAndTypes) {
  std::set<std::string> names;
  std::string byName;
  for (const BuiltinConstant& c : builtinConstants()) {
    std::string lower;
    for (char ch : c.name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_TRUE(names.insert(lower).second) << c.name << " twice";
    EXPECT_EQ(lower.rfind("vb", 0), 0u) << c.name;
  }
  auto value = [](std::string_view name) {
    for (const BuiltinConstant& c : builtinConstants())
      if (sameName(c.name, name)) return describe(c.value());
    return std::string("missing");
  };
  const std::pair<const char*, std::string> cases[] = {
      {"vbCrLf", "String:\r\n"}, {"vbNewLine", "String:\r\n"}, {"vbNullString", "String:"},
      {"vbNullChar", std::string("String:\0", 8)}, {"vbTextCompare", "Integer:1"},
      {"vbDatabaseCompare", "Integer:2"}, {"vbArray", "Integer:8192"}, {"vbByte", "Integer:17"},
      {"vbUseDefault", "Integer:-2"}, {"vbTrue", "Integer:-1"}, {"vbSaturday", "Integer:7"},
      {"vbFirstFullWeek", "Integer:3"}, {"vbShortTime", "Integer:4"}, {"vbDefaultButton4", "Integer:768"},
      {"vbSystemModal", "Integer:4096"}, {"vbNo", "Integer:7"}, {"vbMsgBoxRtlReading", "Long:1048576"},
      {"vbMsgBoxHelpButton", "Long:16384"}, {"vbObjectError", "Long:-2147221504"}, {"vbBlack", "Long:0"},
      {"vbBlue", "Long:16711680"}, {"vbWhite", "Long:16777215"},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(value(name), expected) << name;
  EXPECT_EQ(names.size(), 85u);
}

}  // namespace
}  // namespace corvela::vbs::testing
