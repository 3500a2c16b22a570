// The engine end to end: statements, procedures, loops and values.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineBasics, StatementsProduceTheirOutput) {
  expectOutputs({
      {"echo", "Echo 1", "1"},
      {"arith", "x = 2 + 3 * 4\nEcho x", "14"},
      {"concat", "s = \"a\"\ns = s & \"b\" & 1\nEcho s", "ab1"},
      {"if", "x = 5\nIf x > 3 Then\nEcho \"big\"\nElse\nEcho \"small\"\nEnd If", "big"},
      {"for", "For i = 1 To 3\nEcho i\nNext", "1\n2\n3"},
      {"for step", "For i = 10 To 1 Step -4\nEcho i\nNext\nEcho i", "10\n6\n2\n-2"},
      {"do while", "i = 0\nDo While i < 3\ni = i + 1\nLoop\nEcho i", "3"},
      {"do until post", "i = 0\nDo\ni = i + 1\nLoop Until i >= 5\nEcho i", "5"},
      {"while wend", "i = 0\nWhile i < 2\ni = i + 1\nWend\nEcho i", "2"},
      {"function", "Function Sq(n)\nSq = n * n\nEnd Function\nEcho Sq(7)", "49"},
      {"recursion", "Function F(n)\nIf n < 2 Then\nF = n\nElse\nF = F(n - 1) + F(n - 2)\nEnd If\nEnd Function\nEcho F(15)", "610"},
      {"sub", "Sub S(a, b)\nEcho a + b\nEnd Sub\nS 1, 2\nCall S(3, 4)", "3\n7"},
      {"select", "x = 3\nSelect Case x\nCase 1, 2\nEcho \"low\"\nCase 3 To 5\nEcho \"mid\"\nCase Else\nEcho \"hi\"\nEnd Select", "mid"},
      {"select is", "x = 9\nSelect Case x\nCase Is > 8\nEcho \"gt\"\nEnd Select", "gt"},
      {"exit for", "For i = 1 To 10\nIf i = 3 Then Exit For\nNext\nEcho i", "3"},
      {"exit do", "Do\nn = n + 1\nIf n = 4 Then Exit Do\nLoop\nEcho n", "4"},
      {"hoisted", "Echo G()\nFunction G()\nG = \"late\"\nEnd Function", "late"},
      {"const", "Const K = 5\nEcho K * 2", "10"},
      {"builtin", "Echo Len(\"abc\"), UCase(\"x\")", "3 X"},
      {"with", "Set h = Host\nWith h\n.Value = 4\nEcho .Value\nEnd With", "4"},
      {"for each array", "a = Array(1, 2, 3)\nFor Each x In a\ns = s & x\nNext\nEcho s", "123"},
      {"nested loops exit", "For i = 1 To 3\nFor j = 1 To 3\nIf j = 2 Then Exit For\nn = n + 1\nNext\nNext\nEcho n", "3"},
      {"eval", "x = 4\nEcho Eval(\"x * 2\")", "8"},
      {"execute global", "ExecuteGlobal \"Function Z()\" & vbCrLf & \"Z = 9\" & vbCrLf & \"End Function\"\nEcho Z()", "9"},
  });
}

TEST(EngineBasics, ErrorsCarryNumberAndPosition) {
  expectErrors({
      {"division", "x = 1\nx = x / 0", 11, 2, 1},
      {"undefined explicit", "Option Explicit\nDim a\na = 1\nb = 2", 500, 4, 1},
      {"subscript", "Dim a(2)\na(3) = 1", 9, 2, 1},
      {"fixed redim", "Dim a(2)\nReDim a(4)", 10, 2, 1},
      {"object required", "Set x = Nothing\nx.Foo", 424, 2, 1},
      {"no member", "Host.Nope", 438, 1, 1},
      {"wrong args", "Sub S(a)\nEnd Sub\nS 1, 2", 450, 3, 1},
      {"raise in sub", "Sub S()\n  Err.Raise 5\nEnd Sub\nS", 5, 2, 3},
      {"redefined", "Dim a\nDim a", 1041, 2, 5},
  });
}

}  // namespace
}  // namespace corvela::vbs::testing
