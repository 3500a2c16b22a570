// vbTextCompare ordering through the built-ins and the comparison operators:
// it follows the collation of the thread's current locale (SetLocale), while
// binary comparison and caseless matching (InStr, Replace) do not change.
#include <gtest/gtest.h>

#include "platform/automation/variant_ops.h"
#include "vbscript/builtins_call.h"

namespace corvela::vbs::testing {
namespace {

TEST(TextCollation, StrCompTextOrdersByTheCurrentLocale) {
  {
    LocaleScope locale(kLcidEnUs);
    expectCases({
        {"StrComp", {"ä", "b", 1}, "Integer:-1"}, {"StrComp", {"Z", "ä", 1}, "Integer:1"},
        {"StrComp", {"ÄPFEL", "apfel", 1}, "Integer:1"},  // the accent outweighs case
        {"StrComp", {10, 9, 1}, "Integer:-1"},              // numbers compare as their text
        {"StrComp", {"中", "国", 1}, "Integer:-1"}, {"StrComp", {"ä", "b", 0}, "Integer:1"},
        {"StrComp", {Null(), "a", 1}, "Null"},
    });
  }
  {
    LocaleScope locale(kLcidZhCn);
    expectCases({
        {"StrComp", {"中", "国", 1}, "Integer:1"},  // zhong after guo
        {"StrComp", {"中", "国", 0}, "Integer:-1"}, {"StrComp", {"abc", "阿", 1}, "Integer:-1"},
        {"StrComp", {"ä", "b", 1}, "Integer:-1"},
    });
  }
}

TEST(TextCollation, CaselessMatchingIsNotCollation) {
  // Collation equates "ß" and "ss" but a search still matches by case mapping.
  LocaleScope locale(kLcidEnUs);
  expectCases({
      {"InStr", {1, "Straße", "SS", 1}, "Long:0"}, {"InStr", {1, "Äpfel", "äP", 1}, "Long:1"},
      {"InStr", {1, "Äpfel", "a", 1}, "Long:0"},
      {"Replace", {"co-op", "COOP", "x", 1, -1, 1}, "String:co-op"},
  });
}

TEST(TextCollation, TextCompareFlagOrdersOperandsByCollation) {
  LocaleScope locale(kLcidEnUs);
  const struct {
    Variant a;
    Variant b;
    unsigned flags;
    ops::Comparison expected;
  } cases[] = {
      {Variant("ä"), Variant("b"), ops::kCompareText, ops::Comparison::Less},
      {Variant("ä"), Variant("b"), ops::kCompareBinary, ops::Comparison::Greater},
      {Variant("Ä"), Variant("ä"), ops::kCompareText, ops::Comparison::Equal},
      {Variant(), Variant("a"), ops::kCompareText, ops::Comparison::Less},
      {Variant(1), Variant("ä"), ops::kCompareText | ops::kRightIsLiteral, ops::Comparison::Less},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ops::compare(c.a, c.b, c.flags), c.expected)
        << describe(c.a) << " vs " << describe(c.b) << " flags " << c.flags;
}

}  // namespace
}  // namespace corvela::vbs::testing
