// Control flow, scopes and declarations: loops with their bounds and exits,
// Select Case, With, Option Explicit in procedures, name clashes found by the
// compiler and where run-time errors are reported.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineFlow, LoopsEvaluateTheirBoundsOnce) {
  expectOutputs({
      {"limit read once", "n = 3\nFor i = 1 To n\nn = 10\nc = c + 1\nNext\nEcho c", "3"},
      {"step read once", "s = 1\nFor i = 1 To 5 Step s\ns = 2\nc = c + 1\nNext\nEcho c", "5"},
      {"fraction step", "For x = 0 To 1 Step 0.25\nc = c + 1\nNext\nEcho c, x", "5 1.25"},
      {"empty range", "For i = 5 To 1\nEcho \"no\"\nNext\nEcho i", "5"},
      {"counter type", "For i = 1 To 2\nNext\nEcho TypeName(i)", "Integer"},
      {"counter grows past integer", "For i = 32766 To 32768\nNext\nEcho i, TypeName(i)", "32769 Long"},
      {"body changes counter", "For i = 1 To 10\ni = i + 4\nc = c + 1\nNext\nEcho c", "2"},
      {"exit do inside for", "Do\nFor i = 1 To 3\nIf i = 2 Then Exit Do\nNext\nLoop\nEcho i", "2"},
      {"exit for inside do", "For i = 1 To 3\nDo\nExit Do\nLoop\nNext\nEcho i", "4"},
      {"until pre", "Do Until n >= 3\nn = n + 1\nLoop\nEcho n", "3"},
      {"while post", "Do\nn = n + 1\nLoop While n < 3\nEcho n", "3"},
      {"for each dictionary items", "Set d = CreateObject(\"Scripting.Dictionary\")\nd.Add 1, \"a\"\nd.Add 2, \"b\"\n"
                                    "For Each v In d.Items\ns = s & v\nNext\nEcho s", "ab"},
      {"for each empty array", "a = Array()\nFor Each x In a\nEcho \"no\"\nNext\nEcho \"done\"", "done"},
      {"nested with", "Class P\nPublic Name\nPublic Child\nEnd Class\nSet obj = New P\nSet obj.Child = New P\n"
                      "With obj\n.Name = \"outer\"\nWith .Child\n.Name = \"inner\"\nEnd With\nEcho .Name, .Child.Name\nEnd With",
       "outer inner"},
  });
}

TEST(EngineFlow, SelectCaseMatchesInOrder) {
  expectOutputs({
      {"first match wins", "Select Case 2\nCase 1, 2\nEcho \"a\"\nCase 2\nEcho \"b\"\nEnd Select", "a"},
      {"strings binary", "Select Case \"b\"\nCase \"B\"\nEcho \"upper\"\nCase \"b\"\nEcho \"lower\"\nEnd Select", "lower"},
      {"else", "Select Case 9\nCase 1\nEcho 1\nCase Else\nEcho \"else\"\nEnd Select", "else"},
      {"no match no else", "Select Case 9\nCase 1\nEcho 1\nEnd Select\nEcho \"after\"", "after"},
      {"subject once", "n = 0\nFunction F()\nn = n + 1\nF = 2\nEnd Function\nSelect Case F()\nCase 1\nCase 2\nEcho n\nEnd Select",
       "1"},
  });
}

TEST(EngineFlow, ScopesOfNames) {
  expectOutputs({
      {"local hides global", "x = \"global\"\nSub S\nDim x\nx = \"local\"\nEnd Sub\nS\nEcho x", "global"},
      {"sub writes global", "x = 1\nSub S\nx = 2\nEnd Sub\nS\nEcho x", "2"},
      {"implicit local", "Sub S\ny = 5\nEnd Sub\nS\nEcho IsEmpty(y)", "True"},
      {"function result starts empty", "Function F()\nEcho IsEmpty(F)\nEnd Function\nF", "True"},
      {"recursion keeps locals", "Function D(n)\nDim k\nk = n\nIf n > 0 Then D = D(n - 1)\nD = D & k\nEnd Function\nEcho D(3)",
       "0123"},
      {"class private field", "Class C\nPrivate v\nPublic Sub SetV(x)\nv = x\nEnd Sub\nPublic Function GetV()\nGetV = v\nEnd Function\n"
                              "End Class\nSet o = New C\no.SetV 4\nEcho o.GetV()", "4"},
      {"const in procedure", "Sub S\nConst K = \"k\"\nEcho K\nEnd Sub\nS", "k"},
      {"append to number", "s = 1\ns = s & 2 & 3\nEcho s, TypeName(s)", "123 String"},
      {"update in place", "n = 1\nn = n + 2.5\nEcho n\nn = n - 0.5\nEcho n", "3.5\n3"},
  });
}

TEST(EngineFlow, OptionExplicitAndNameClashes) {
  expectErrors({
      {"undeclared in procedure", "Option Explicit\nSub S\nDim a\nb = 1\nEnd Sub\nS", 500, 4, 1},
      {"read undeclared", "Option Explicit\nx = y", 500, 2, 1},
      {"sub named as a variable", "Dim S\nSub S\nEnd Sub", 1041, 2, 5},
      {"dim of a parameter", "Sub S(a)\nDim a\nEnd Sub", 1041, 2, 5},
      {"duplicate property", "Class C\nProperty Get P\nEnd Property\nProperty Get P\nEnd Property\nEnd Class", 1041, 4, 14},
      {"assign a constant", "Const K = 1\nK = 2", 501, 2, 1},
  });
  expectOutputs({{"declared is fine", "Option Explicit\nDim a\na = 1\nSub S\nDim b\nb = a + 1\nEcho b\nEnd Sub\nS", "2"}});
}

TEST(EngineFlow, ErrorsAreReportedAtTheirStatement) {
  expectErrors({
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
