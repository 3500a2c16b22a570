// Standard VBScript error texts and the run-time raise helper.
#include <gtest/gtest.h>

#include <string>

#include "platform/automation/com_error.h"

namespace corvela {
namespace {

TEST(StandardErrorText, GivesTheWindowsWordingAndNothingForUndefinedNumbers) {
  struct Case { int32_t number; const char* text; } cases[] = {
      {7, "Out of memory"}, {10, "This array is fixed or temporarily locked"}, {35, "Sub or function not defined"},
      {457, "This key is already associated with an element of this collection"}, {501, "Illegal assignment"},
      {5008, "Illegal assignment"}, {1028, "Expected 'While', 'Until' or end of statement"},
      {1032, "Invalid character"}, {1054, "Property set or let must have at least one argument"},
      {32811, "Element not found"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(standardErrorText(c.number)), c.text) << c.number;
  // Numbers VBScript does not define have no text.
  for (int32_t n : {0, 1, 4, 8, 1004, 1008, 1035, 1036, 1059, 5009, 32812, -1, 1050 + 65536})
    EXPECT_STREQ(standardErrorText(n), "") << n;
}

TEST(RaiseRuntimeError, ThrowsNumberRuntimeSourceAndText) {
  try {
    raiseRuntimeError(13);
    FAIL() << "raiseRuntimeError returned";
  } catch (const ComError& e) {
    EXPECT_EQ(e.number(), 13);
    EXPECT_EQ(e.source(), "Microsoft VBScript runtime error");
    EXPECT_EQ(e.description(), "Type mismatch");
    EXPECT_STREQ(e.what(), "Type mismatch");
  }
}

}  // namespace
}  // namespace corvela
