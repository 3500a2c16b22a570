// Control flow, scopes and declarations the script corpus (tests/corpus)
// does not already pin: exits across loop kinds, For Each over a
// collection's Items, nested With, Select Case on strings, locals kept by
// recursion, Option Explicit in procedures, constants, and where run-time
// errors are reported. Name clashes are checked by the parser tests.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineFlow, LoopsSelectAndScopes) {
  expectOutputs({
      {"exit for inside do", "For i = 1 To 3\nDo\nExit Do\nLoop\nNext\nEcho i", "4"},
      {"for each dictionary items", "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add 1, \"a\"\nd.Add 2, \"b\"\n"
                                    "For Each v In d.Items\ns = s & v\nNext\nEcho s", "ab"},
      {"nested with", "Class P\nPublic Name\nPublic Child\nEnd Class\nSet obj = New P\nSet obj.Child = New P\n"
                      "With obj\n.Name = \"outer\"\nWith .Child\n.Name = \"inner\"\nEnd With\nEcho .Name, .Child.Name\nEnd With",
       "outer inner"},
      {"select strings binary", "Select Case \"b\"\nCase \"B\"\nEcho \"upper\"\nCase \"b\"\nEcho \"lower\"\nEnd Select", "lower"},
      {"select no match no else", "Select Case 9\nCase 1\nEcho 1\nEnd Select\nEcho \"after\"", "after"},
      {"recursion keeps locals", "Function D(n)\nDim k\nk = n\nIf n > 0 Then D = D(n - 1)\nD = D & k\nEnd Function\nEcho D(3)",
       "0123"},
      {"const in procedure", "Sub S\nConst K = \"k\"\nEcho K\nEnd Sub\nS", "k"},
      {"append to number", "s = 1\ns = s & 2 & 3\nEcho s, TypeName(s)", "123 String"},
      {"update in place", "n = 1\nn = n + 2.5\nEcho n\nn = n - 0.5\nEcho n", "3.5\n3"},
      {"option explicit declared is fine", "Option Explicit\nDim a\na = 1\nSub S\nDim b\nb = a + 1\nEcho b\nEnd Sub\nS", "2"},
  });
}

TEST(EngineFlow, ErrorsAreReportedAtTheirStatement) {
  expectErrors({
      {"undeclared in procedure", "Option Explicit\nSub S\nDim a\nb = 1\nEnd Sub\nS", 500, 4, 1},
      {"read undeclared", "Option Explicit\nx = y", 500, 2, 1},
      {"assign a constant", "Const K = 1\nK = 2", 501, 2, 1},
      {"inside if body", "x = 1\nIf x = 1 Then\n  y = 1 / 0\nEnd If", 11, 3, 3},
      {"in a condition", "If 1 / 0 Then\nEnd If", 11, 1, 1},
      {"after colon", "x = 1: y = 1 / 0", 11, 1, 8},
      {"in a class method", "Class C\nSub M\n    Err.Raise 9\nEnd Sub\nEnd Class\nSet o = New C\no.M", 9, 3, 5},
      {"in a loop header", "For i = 1 To \"x\"\nNext", 13, 1, 1},
      {"next after resumed header", "On Error Resume Next\nFor i = 1 / 0 To 2\nOn Error GoTo 0\n  Next", 92, 4, 3},
  });
}

}  // namespace
}  // namespace corvela::vbs::testing
