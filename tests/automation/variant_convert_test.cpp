// VBScript conversions of Variants: CStr, CDbl, CLng, CInt, CByte, CCur,
// CBool, CDate, TypeName and default-member lookup.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "automation/fake_objects.h"
#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/automation/variant.h"

namespace corvela {
namespace {

using testing::errorOf;
using testing::NoDefault;
using testing::ValueHolder;

// A conversion's result, or the run-time error it raises (0 for none).
template <class T>
struct Expect {
  Variant value;
  T expected;
  int error;
};

template <class T, class Convert>
void checkAll(std::initializer_list<Expect<T>> cases, Convert convert) {
  int index = 0;
  for (const Expect<T>& c : cases) {
    T got{};
    SCOPED_TRACE("case " + std::to_string(index++) + ", " + c.value.typeName());
    EXPECT_EQ(errorOf([&] { got = convert(c.value); }), c.error);
    if (c.error == 0) {
      EXPECT_EQ(got, c.expected);
    }
  }
}

class VariantConvertTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = setCurrentLcid(kLcidEnUs); }
  void TearDown() override { setCurrentLcid(previous_); }
  int previous_ = 0;
};

TEST_F(VariantConvertTest, ToStringFollowsCStr) {
  struct Case { Variant value; const char* text; } cases[] = {
      {Variant(), ""}, {Variant(true), "True"}, {Variant(false), "False"}, {Variant::fromByte(200), "200"},
      {Variant::fromInteger(-32768), "-32768"}, {Variant(INT32_MIN), "-2147483648"}, {Variant(1.5), "1.5"},
      {Variant(-0.25), "-0.25"}, {Variant::fromCurrency(15000), "1.5"}, {Variant::fromCurrency(10000000), "1000"},
      {Variant::fromCurrency(-1), "-0.0001"}, {Variant::fromCurrency(1234567), "123.4567"},
      {Variant::fromCurrency(INT64_MIN), "-922337203685477.5808"}, {Variant::fromDate(0.5), "12:00:00 PM"},
      {Variant("text"), "text"}, {Variant(std::make_shared<ValueHolder>(Variant(7))), "7"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.toString(), c.text) << c.value.typeName();
}

TEST_F(VariantConvertTest, ToLongRoundsHalfToEvenAndChecksRange) {
  checkAll<int32_t>(
      {{Variant(2.5), 2, 0}, {Variant(3.5), 4, 0}, {Variant(-2.5), -2, 0}, {Variant(-3.5), -4, 0},
       {Variant(2.5000001), 3, 0}, {Variant(2147483647.4), INT32_MAX, 0}, {Variant(2147483647.5), 0, 6},
       {Variant(-2147483648.5), INT32_MIN, 0}, {Variant(-2147483649.0), 0, 6},
       {Variant::fromCurrency(25000), 2, 0}, {Variant::fromCurrency(35000), 4, 0},
       {Variant::fromCurrency(-25000), -2, 0}, {Variant::fromCurrency(-25001), -3, 0},
       {Variant::fromCurrency(INT64_MAX), 0, 6}, {Variant::fromDate(1.75), 2, 0}, {Variant(true), -1, 0},
       {Variant(), 0, 0}, {Variant(" 12 "), 12, 0}, {Variant("4.5"), 4, 0}, {Variant("abc"), 0, 13},
       {Variant(""), 0, 13}, {Variant::null(), 0, 94}, {Variant::array(std::vector<Variant>{Variant(1)}), 0, 13},
       {Variant::missing(), 0, 13}, {Variant(std::make_shared<ValueHolder>(Variant(9.5))), 10, 0}},
      [](const Variant& v) { return v.toLong(); });
}

TEST_F(VariantConvertTest, NarrowIntegersOverflowAtTheirBounds) {
  checkAll<int>({{Variant(32766.5), 32766, 0}, {Variant(32767.5), 0, 6}, {Variant(-32768.5), -32768, 0},
                 {Variant(40000), 0, 6}, {Variant::fromByte(255), 255, 0}, {Variant("-7"), -7, 0}},
                [](const Variant& v) { return v.toInteger(); });
  checkAll<int>({{Variant(254.5), 254, 0}, {Variant(255.5), 0, 6}, {Variant(-0.5), 0, 0}, {Variant(-1), 0, 6},
                 {Variant(true), 255, 0}, {Variant(false), 0, 0}, {Variant::fromInteger(256), 0, 6}},
                [](const Variant& v) { return v.toByte(); });
}

TEST_F(VariantConvertTest, ToCurrencyScalesAndRounds) {
  checkAll<int64_t>(
      {{Variant(1.23456), 12346, 0}, {Variant(0.00005), 0, 0}, {Variant(0.00025), 2, 0}, {Variant(2), 20000, 0},
       {Variant(true), -10000, 0}, {Variant("1.5"), 15000, 0}, {Variant(1e15), 0, 6}, {Variant(-1e15), 0, 6},
       {Variant(900000000000000.0), 9000000000000000000, 0}, {Variant("x"), 0, 13}, {Variant::null(), 0, 94},
       // Large whole numbers and decimal text are exact.
       {Variant(123456789012345.0), 1234567890123450000, 0},
       {Variant(-922337203685477.0), -9223372036854770000, 0},
       {Variant("900000000000000.0001"), 9000000000000000001, 0}, {Variant("922337203685477.5807"), INT64_MAX, 0},
       {Variant("-922337203685477.5808"), INT64_MIN, 0}, {Variant("922337203685477.5808"), 0, 6},
       {Variant("  -12,345.67 "), -123456700, 0},
       {Variant("1.23455"), 12346, 0}, {Variant("1.23445"), 12344, 0},  // a half rounds to even
       {Variant("1.234450001"), 12345, 0}, {Variant("0.00005"), 0, 0},
       {Variant("1e3"), 10000000, 0},  // not plain decimal text: read as a Double
       {Variant("99999999999999999999"), 0, 6}},
      [](const Variant& v) { return v.toCurrency(); });
  Variant whole = Variant::fromCurrency(1234567890123450000);
  EXPECT_EQ(whole.toDouble(), 123456789012345.0);
  EXPECT_EQ(whole.toString(), "123456789012345");
}

TEST_F(VariantConvertTest, ToDoubleAndToBool) {
  EXPECT_EQ(Variant(true).toDouble(), -1.0);
  EXPECT_EQ(Variant::fromCurrency(12345).toDouble(), 1.2345);
  EXPECT_EQ(Variant("1e3").toDouble(), 1000.0);
  EXPECT_EQ(errorOf([] { Variant("1/1/2000").toDouble(); }), 13);
  checkAll<bool>({{Variant(), false, 0}, {Variant("true"), true, 0}, {Variant("FALSE"), false, 0},
                  {Variant("0"), false, 0}, {Variant("-0.5"), true, 0}, {Variant(0.0), false, 0},
                  {Variant::fromDate(0.1), true, 0}, {Variant::fromCurrency(1), true, 0}, {Variant(" #TRUE# "), true, 0},
                  {Variant("#false#"), false, 0}, {Variant("#yes#"), false, 13}, {Variant("yes"), false, 13},
                  {Variant(""), false, 13}, {Variant::null(), false, 94}},
                 [](const Variant& v) { return v.toBool(); });
}

TEST_F(VariantConvertTest, ToDateChecksTheOleRange) {
  checkAll<double>({{Variant(1), 1.0, 0}, {Variant(true), -1.0, 0}, {Variant(2958465.5), 2958465.5, 0},
                    {Variant(-657434.5), -657434.5, 0}, {Variant(2958466.0), 0, 6}, {Variant(-657435.0), 0, 6},
                    {Variant("no date at all"), 0, 13}, {Variant::null(), 0, 94},
                    // Text that reads as no date but as a number counts days.
                    {Variant("1"), 1.0, 0}, {Variant("1e3"), 1000.0, 0}, {Variant("3000000"), 0, 6}},
                   [](const Variant& v) { return v.toDate(); });
}

TEST_F(VariantConvertTest, DereferencedCallsTheDefaultMemberUntilAValue) {
  auto inner = std::make_shared<ValueHolder>(Variant("deep"));
  auto outer = std::make_shared<ValueHolder>(Variant(inner));
  Variant v = Variant(outer).dereferenced();
  ASSERT_TRUE(v.isString());
  EXPECT_EQ(v.rawString(), "deep");

  EXPECT_EQ(errorOf([] { Variant::nothing().dereferenced(); }), 91);
  EXPECT_EQ(errorOf([] { Variant(std::make_shared<NoDefault>()).dereferenced(); }), 438);
  EXPECT_EQ(errorOf([] { Variant(std::make_shared<NoDefault>()).toString(); }), 438);

  // An object that returns itself would loop forever.
  auto loop = std::make_shared<ValueHolder>();
  loop->value = Variant(std::shared_ptr<Object>(loop));
  EXPECT_EQ(errorOf([&] { Variant(loop).dereferenced(); }), 28);
  loop->value = Variant();  // break the cycle so the object is freed
}

TEST_F(VariantConvertTest, ToObjectAcceptsOnlyObjects) {
  EXPECT_EQ(Variant::nothing().toObject(), nullptr);
  auto holder = std::make_shared<ValueHolder>();
  EXPECT_EQ(Variant(holder).toObject(), holder);
  EXPECT_EQ(errorOf([] { Variant(1).toObject(); }), 424);
  EXPECT_EQ(errorOf([] { Variant().toObject(); }), 424);
}

TEST_F(VariantConvertTest, ConvertedToGivesTheTargetType) {
  struct Case { Variant value; VarType target; int error; } cases[] = {
      {Variant("12"), VarType::Integer, 0}, {Variant(1.5), VarType::String, 0},
      {Variant(3), VarType::Boolean, 0},    {Variant("2.5"), VarType::Currency, 0},
      {Variant(7), VarType::Byte, 0},       {Variant(1), VarType::Date, 0},
      {Variant(1.5), VarType::Single, 0},   {Variant(1e39), VarType::Single, 6},
      {Variant(3), VarType::Object, 424},   {Variant(1), VarType::Error, 13},
  };
  for (const Case& c : cases) {
    Variant got;
    EXPECT_EQ(errorOf([&] { got = c.value.convertedTo(c.target); }), c.error);
    if (c.error == 0) {
      EXPECT_EQ(got.type(), c.target);
    }
  }
  Variant text("shared");
  EXPECT_EQ(text.convertedTo(VarType::String).rawStringRep(), text.rawStringRep());
}

TEST_F(VariantConvertTest, TypeNameTellsObjectsAndArraysApart) {
  EXPECT_EQ(Variant::nothing().typeName(), "Nothing");
  EXPECT_EQ(Variant(std::make_shared<NoDefault>()).typeName(), "NoDefault");
  EXPECT_EQ(Variant::array(std::vector<Variant>{}).typeName(), "Variant()");
  EXPECT_EQ(Variant::bytes({1, 2}).typeName(), "Byte()");
  EXPECT_EQ(Variant::missing().typeName(), "Error");
}

}  // namespace
}  // namespace corvela
