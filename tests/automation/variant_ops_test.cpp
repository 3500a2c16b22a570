// VBScript's operators on Variants: values and result types of arithmetic,
// concatenation, logic and comparison for the operand kinds scripts meet.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/fake_objects.h"
#include "platform/automation/com_error.h"
#include "platform/automation/locale.h"
#include "platform/automation/variant_ops.h"

namespace corvela::ops {
namespace {

using corvela::testing::ValueHolder;

Variant I(int16_t v) { return Variant::fromInteger(v); }
Variant L(int32_t v) { return Variant(v); }
Variant B(uint8_t v) { return Variant::fromByte(v); }
Variant S(float v) { return Variant::fromSingle(v); }
Variant D(double v) { return Variant(v); }
Variant C(int64_t scaled) { return Variant::fromCurrency(scaled); }
Variant Dt(double v) { return Variant::fromDate(v); }
Variant T(const char* s) { return Variant(s); }
Variant N() { return Variant::null(); }
Variant E() { return Variant(); }
Variant Obj(Variant v) { return Variant(std::make_shared<ValueHolder>(std::move(v))); }

// "TypeName:value", or "error N"; enough to tell kind and value apart.
std::string describe(const std::function<Variant()>& produce) {
  try {
    Variant v = produce();
    if (v.isNull() || v.isEmpty()) return v.typeName();
    if (v.type() == VarType::Date) return "Date:" + std::to_string(v.rawDate());
    return v.typeName() + ":" + v.toString();
  } catch (const ComError& e) {
    return "error " + std::to_string(e.number());
  }
}

using Binary = Variant (*)(const Variant&, const Variant&);

struct BinaryCase {
  const char* label;
  Binary op;
  Variant a, b;
  const char* expected;
};

class VariantOpsTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = setCurrentLcid(kLcidEnUs); }
  void TearDown() override { setCurrentLcid(previous_); }
  void run(const std::vector<BinaryCase>& cases) {
    for (const BinaryCase& c : cases)
      EXPECT_EQ(describe([&] { return c.op(c.a, c.b); }), c.expected) << c.label;
  }
  void runUnary(Variant (*op)(const Variant&), const std::vector<std::pair<Variant, const char*>>& cases) {
    for (const auto& [a, expected] : cases) EXPECT_EQ(describe([&] { return op(a); }), expected) << expected;
  }
  int previous_ = 0;
};

TEST_F(VariantOpsTest, AddFollowsTypeAndOverflowRules) {
  run({
      {"Long+Long", add, L(1), L(2), "Long:3"}, {"Long overflow", add, L(INT32_MAX), L(1), "Double:2147483648"},
      {"Integer+Integer", add, I(1), I(2), "Integer:3"}, {"Integer overflow", add, I(32767), I(1), "Long:32768"},
      {"Integer+Long", add, I(1), L(2), "Long:3"}, {"Byte+Byte", add, B(1), B(2), "Byte:3"},
      {"Byte overflow", add, B(200), B(100), "Integer:300"},
      {"True+True", add, Variant(true), Variant(true), "Integer:-2"}, {"Empty+Empty", add, E(), E(), "Integer:0"},
      {"Empty+Long", add, E(), L(5), "Long:5"}, {"Empty+String", add, E(), T("a"), "String:a"},
      {"String+String", add, T("a"), T("b"), "String:ab"}, {"numeric text+Long", add, T("1"), L(2), "Double:3"},
      {"text+Long", add, T("x"), L(1), "error 13"}, {"Null+Long", add, N(), L(1), "Null"},
      {"String+Null", add, T("a"), N(), "Null"}, {"Date+Long", add, Dt(1.5), L(1), "Date:2.500000"},
      {"Date past 9999", add, Dt(2958465), L(1), "error 6"},        // #12/31/9999# + 1
      {"time on the last day", add, Dt(2958465), D(0.75), "Date:2958465.750000"},
      {"Date before 100", add, Dt(-657434), L(-1), "error 6"},
      {"Date+Double overflow", add, Dt(1), D(1e308), "error 6"},
      {"Currency+Long", add, C(15000), L(1), "Currency:2.5"},
      {"Currency+Double", add, C(10000), D(0.25), "Currency:1.25"},
      {"Single+Integer", add, S(1.5f), I(1), "Single:2.5"}, {"Single+Long", add, S(1.5f), L(1), "Double:2.5"},
      {"Double overflow", add, D(1e308), D(1e308), "error 6"},
      {"Currency overflow", add, C(INT64_MAX), C(1), "error 6"},
      {"array", add, Variant::array(std::vector<Variant>{L(1)}), L(1), "error 13"},
      {"object default", add, Obj(L(5)), L(1), "Long:6"}, {"Nothing", add, Variant::nothing(), L(1), "error 91"},
  });
}

TEST_F(VariantOpsTest, SubtractAndMultiply) {
  run({
      {"Date-Date", subtract, Dt(5.5), Dt(1.25), "Double:4.25"},
      {"Date-Long", subtract, Dt(5.5), L(1), "Date:4.500000"}, {"text-text", subtract, T("3"), T("1"), "Double:2"},
      {"Integer underflow", subtract, I(-32768), I(1), "Long:-32769"},
      {"Byte below 0", subtract, B(1), B(2), "Integer:-1"},
      {"Long underflow", subtract, L(INT32_MIN), L(1), "Double:-2147483649"},
      {"Null-Long", subtract, N(), L(1), "Null"},
      {"Long*Long overflow", multiply, L(65536), L(65536), "Double:4294967296"},
      {"Integer*Integer overflow", multiply, I(200), I(200), "Long:40000"},
      {"Date*Long", multiply, Dt(2), L(2), "Double:4"},
      {"Currency*Currency", multiply, C(15000), C(15000), "Currency:2.25"},
      {"Currency rounds half down to even", multiply, C(1), C(5000), "Currency:0"},
      {"Currency rounds half up to even", multiply, C(3), C(5000), "Currency:0.0002"},
      {"text*text", multiply, T("2"), T("3"), "Double:6"}, {"Empty*Empty", multiply, E(), E(), "Integer:0"},
  });
}

TEST_F(VariantOpsTest, DivisionOperators) {
  run({
      {"Long/Long", divide, L(1), L(2), "Double:0.5"}, {"Integer/Integer", divide, I(1), I(2), "Double:0.5"},
      {"Single/Integer", divide, S(1), I(2), "Single:0.5"}, {"Single/Long", divide, S(1), L(2), "Double:0.5"},
      {"Currency/Currency", divide, C(10000), C(40000), "Double:0.25"}, {"by zero", divide, L(1), L(0), "error 11"},
      {"zero by zero", divide, L(0), D(0), "error 6"}, {"by Empty", divide, L(1), E(), "error 11"},
      {"Null by zero", divide, N(), L(0), "Null"}, {"Long\\Long", intDivide, L(7), L(2), "Long:3"},
      {"negative \\", intDivide, L(-7), L(2), "Long:-3"}, {"Integer\\Integer", intDivide, I(7), I(2), "Integer:3"},
      {"Byte\\Byte", intDivide, B(7), B(2), "Byte:3"}, {"Empty\\Byte", intDivide, E(), B(1), "Integer:0"},
      {"Double rounds to even first", intDivide, D(7.5), L(2), "Long:4"},
      {"Double rounds down to even", intDivide, D(6.5), L(2), "Long:3"},
      {"text\\Long", intDivide, T("9"), L(2), "Long:4"}, {"\\ zero", intDivide, L(1), L(0), "error 11"},
      {"\\ rounds divisor to zero", intDivide, L(1), D(0.4), "error 11"},
      {"\\ Empty", intDivide, L(1), E(), "error 11"}, {"Null\\Empty", intDivide, N(), E(), "Null"},
      {"Long min\\-1", intDivide, L(INT32_MIN), L(-1), "Double:2147483648"},
      {"Double out of Long range", intDivide, D(3e10), L(2), "error 6"}, {"Mod", modulo, L(7), L(3), "Long:1"},
      {"negative Mod", modulo, L(-7), L(3), "Long:-1"}, {"Integer Mod", modulo, I(7), I(3), "Integer:1"},
      {"Double Mod", modulo, D(7.5), D(3), "Long:2"}, {"Mod zero", modulo, L(1), L(0), "error 11"},
      {"Long min Mod -1", modulo, L(INT32_MIN), L(-1), "Long:0"},
  });
}

TEST_F(VariantOpsTest, PowerIsDouble) {
  run({
      {"2^10", power, L(2), L(10), "Double:1024"}, {"Empty^0", power, E(), L(0), "Double:1"},
      {"root of negative", power, L(-8), D(1.0 / 3), "error 5"}, {"overflow", power, L(10), L(400), "error 6"},
      {"Null", power, N(), L(2), "Null"},
  });
}

TEST_F(VariantOpsTest, NegateKeepsOrWidensTheType) {
  runUnary(negate, {{I(-32768), "Long:32768"}, {L(INT32_MIN), "Double:2147483648"}, {Variant(true), "Integer:1"},
                    {E(), "Integer:0"}, {B(5), "Integer:-5"}, {T("3"), "Double:-3"}, {N(), "Null"},
                    {C(15000), "Currency:-1.5"}, {Dt(2), "Date:-2.000000"}, {C(INT64_MIN), "error 6"},
                    {T("x"), "error 13"}, {Dt(2958465), "error 6"}});
}

TEST_F(VariantOpsTest, ConcatTreatsNullAndEmptyAsEmptyText) {
  run({
      {"text&Long", concat, T("a"), L(1), "String:a1"}, {"Null&text", concat, N(), T("a"), "String:a"},
      {"Null&Null", concat, N(), N(), "Null"}, {"Empty&Empty", concat, E(), E(), "String:"},
      {"Boolean&Long", concat, Variant(true), L(1), "String:True1"},
      {"Double&text", concat, D(1.5), T(""), "String:1.5"}, {"object&text", concat, Obj(T("v")), T("!"), "String:v!"},
      {"array&text", concat, Variant::array(std::vector<Variant>{}), T(""), "error 13"},
  });
}

TEST_F(VariantOpsTest, AppendConcatDoesNotTouchSharedCopies) {
  Variant s("ab");
  Variant copy = s;
  appendConcat(s, L(1));
  appendConcat(s, s);
  EXPECT_EQ(s.rawString(), "ab1ab1");
  EXPECT_EQ(copy.rawString(), "ab");

  Variant n = Variant::null();
  appendConcat(n, N());
  EXPECT_TRUE(n.isNull());
  appendConcat(n, T("x"));
  EXPECT_EQ(n.rawString(), "x");
}

TEST_F(VariantOpsTest, LogicalOperatorsAreBitwiseWithThreeValuedNull) {
  Variant t(true), f(false);
  run({
      {"True And False", logicalAnd, t, f, "Boolean:False"}, {"Long And Long", logicalAnd, L(12), L(10), "Long:8"},
      {"Integer And Integer", logicalAnd, I(12), I(10), "Integer:8"},
      {"Byte And Byte", logicalAnd, B(12), B(10), "Byte:8"}, {"True And Integer", logicalAnd, t, I(5), "Integer:5"},
      {"Double rounds first", logicalAnd, D(2.5), L(3), "Long:2"},
      {"text True", logicalAnd, T("True"), t, "Boolean:True"}, {"numeric text", logicalAnd, T("6"), L(3), "Long:2"},
      {"other text", logicalAnd, T("abc"), L(1), "error 13"}, {"Null And False", logicalAnd, N(), f, "Boolean:False"},
      {"Null And True", logicalAnd, N(), t, "Null"}, {"Long 0 And Null", logicalAnd, L(0), N(), "Long:0"},
      {"Null And Null", logicalAnd, N(), N(), "Null"}, {"Null Or True", logicalOr, N(), t, "Boolean:True"},
      {"Null Or False", logicalOr, N(), f, "Null"}, {"Long -1 Or Null", logicalOr, L(-1), N(), "Long:-1"},
      {"Empty Or Empty", logicalOr, E(), E(), "Long:0"}, {"Empty And Integer", logicalAnd, E(), I(5), "Long:0"},
      {"Byte Imp Null", logicalImp, B(170), N(), "Byte:85"},
      {"all-ones Byte Imp Null", logicalImp, B(255), N(), "Byte:0"},
      {"Integer Imp Null", logicalImp, I(5), N(), "Null"}, {"False Imp Null", logicalImp, f, N(), "Boolean:True"},
      {"True Imp Null", logicalImp, t, N(), "Null"}, {"Null Imp True", logicalImp, N(), t, "Boolean:True"},
      {"Null Imp False", logicalImp, N(), f, "Null"}, {"True Imp False", logicalImp, t, f, "Boolean:False"},
      {"True Xor Null", logicalXor, t, N(), "Null"}, {"Xor", logicalXor, L(5), L(3), "Long:6"},
      {"Eqv", logicalEqv, L(5), L(3), "Long:-7"}, {"True Eqv True", logicalEqv, t, t, "Boolean:True"},
  });
  runUnary(logicalNot, {{t, "Boolean:False"}, {E(), "Long:-1"}, {N(), "Null"}, {L(0), "Long:-1"}, {B(0), "Byte:255"},
                        {D(1.5), "Long:-3"}, {T("x"), "error 13"}, {T("#FALSE#"), "Boolean:True"},
                        {T(" true "), "Boolean:False"}, {T("$5"), "Long:-6"}});
}

TEST_F(VariantOpsTest, CompareFollowsVBScriptRules) {
  struct Case {
    const char* label;
    Variant a, b;
    unsigned flags;
    int expected;  // -1, 0, 1, 2 = Null, 13 = Type mismatch
  } cases[] = {
      {"Long<Long", L(1), L(2), 0, -1}, {"binary text", T("a"), T("B"), 0, 1},
      {"caseless text", T("a"), T("B"), kCompareText, -1},
      {"caseless non-ASCII", T("\xC3\x84"), T("\xC3\xA4"), kCompareText, 0},
      {"Empty vs empty text", E(), T(""), 0, 0}, {"Empty vs text", E(), T("a"), 0, -1},
      {"Empty vs 0", E(), L(0), 0, 0}, {"Empty vs Empty", E(), E(), 0, 0},
      {"Null", N(), L(1), 0, 2}, {"Integer vs Double", I(1), D(1.0), 0, 0},
      {"True vs -1", Variant(true), L(-1), 0, 0}, {"Date vs Long", Dt(1), L(1), 0, 0},
      {"Currency vs Double", C(15000), D(1.5), 0, 0}, {"Single vs Double compare as Singles", S(0.1f), D(0.1), 0, 0},
      {"Double vs Single", D(0.1), S(0.1f), 0, 0}, {"Single vs Double beyond a Single", S(1.0f), D(1e300), 0, -1},
      {"text variable vs number", T("10"), L(9), 0, 1}, {"number vs text variable", L(9), T("10"), 0, -1},
      {"equal looking variables", T("10"), L(10), 0, 1},
      {"text vs number literal", T("10"), L(10), kRightIsLiteral, 0},
      {"number literal vs text", L(9), T("10"), kLeftIsLiteral, -1},
      {"bad text vs number literal", T("abc"), L(1), kRightIsLiteral, 13},
      {"text that is no Boolean vs True literal", T(""), Variant(true), kRightIsLiteral, -1},
      {"True word vs True literal", T("True"), Variant(true), kRightIsLiteral, 0},
      {"other text vs True literal orders as words", T("abc"), Variant(true), kRightIsLiteral, 1},
      {"True word vs False literal", T("True"), Variant(false), kRightIsLiteral, 1},
      {"number text vs True literal", T("-1"), Variant(true), kRightIsLiteral, -1},
      {"bad text vs date literal", T("abc"), Dt(1), kRightIsLiteral, 13},
      {"number vs text literal", L(10), T("9"), kRightIsLiteral, -1},
      {"True literal vs text of another case", Variant(true), T("true"), kLeftIsLiteral, -1},
      {"object default", Obj(L(3)), L(3), 0, 0},
  };
  for (const Case& c : cases) {
    const std::string got = describe([&] { return L(static_cast<int32_t>(compare(c.a, c.b, c.flags))); });
    EXPECT_EQ(got, c.expected == 13 ? "error 13" : "Long:" + std::to_string(c.expected)) << c.label;
  }
}

TEST_F(VariantOpsTest, CompareOpGivesBooleanOrNull) {
  EXPECT_TRUE(compareOp(CompareOp::LessEqual, L(2), L(2)).rawBool());
  EXPECT_FALSE(compareOp(CompareOp::NotEqual, L(2), D(2.0)).rawBool());
  EXPECT_TRUE(compareOp(CompareOp::GreaterEqual, T("b"), T("a")).rawBool());
  EXPECT_TRUE(compareOp(CompareOp::Equal, N(), N()).isNull());
  EXPECT_EQ(compareOp(CompareOp::Less, L(1), L(2)).type(), VarType::Boolean);
}

TEST_F(VariantOpsTest, IsComparesIdentityAndNeedsObjects) {
  auto holder = std::make_shared<ValueHolder>(L(1));
  Variant a{std::shared_ptr<Object>(holder)}, sameAgain{std::shared_ptr<Object>(holder)};
  EXPECT_TRUE(isSameObject(a, sameAgain));
  EXPECT_FALSE(isSameObject(a, Obj(L(1))));
  EXPECT_TRUE(isSameObject(Variant::nothing(), Variant::nothing()));
  EXPECT_FALSE(isSameObject(a, Variant::nothing()));
  EXPECT_EQ(describe([&] { return Variant(isSameObject(a, L(1))); }), "error 424");
}

}  // namespace
}  // namespace corvela::ops
