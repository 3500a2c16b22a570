// Semantics that are easy to get wrong: ByRef write-back, On Error flow,
// Err.Raise numbers, class lifetime, default members, Execute scope and the
// value semantics of arrays.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineSemantics, ByRefWritesBackToWhatWasNamed) {
  expectOutputs({
      {"variable", "Sub Inc(x)\nx = x + 1\nEnd Sub\na = 1\nInc a\nEcho a", "2"},
      {"byval copy", "Sub Inc(ByVal x)\nx = x + 1\nEnd Sub\na = 1\nInc a\nEcho a", "1"},
      {"parenthesised is byval", "Sub Inc(x)\nx = x + 1\nEnd Sub\na = 1\nInc (a)\nEcho a", "1"},
      {"call keyword keeps byref", "Sub Inc(x)\nx = x + 1\nEnd Sub\na = 1\nCall Inc(a)\nEcho a", "2"},
      {"array element", "Sub Inc(x)\nx = x + 1\nEnd Sub\nDim a(2)\na(1) = 5\nInc a(1)\nEcho a(1)", "6"},
      {"swap", "Sub Swap(p, q)\nt = p : p = q : q = t\nEnd Sub\nu = 1 : v = 2\nSwap u, v\nEcho u, v", "2 1"},
      {"through two levels", "Sub A(x)\nB x\nEnd Sub\nSub B(y)\ny = \"b\"\nEnd Sub\nz = 1\nA z\nEcho z", "b"},
      {"expression is a temporary", "Sub Inc(x)\nx = x + 1\nEnd Sub\na = 1\nInc a + 0\nEcho a", "1"},
      {"host writes back", "n = 21\nHost.Twice n\nEcho n", "42"},
      {"local byref in function", "Function F()\nDim v\nv = 1\nG v\nF = v\nEnd Function\nSub G(w)\nw = 9\nEnd Sub\nEcho F()", "9"},
      {"array passed byref is shared", "Sub Change(arr)\narr(1) = 7\nEnd Sub\na = Array(1, 2)\nChange a\nEcho a(1)", "7"},
      {"two elements of one array", "Sub Swap(p, q)\nt = p : p = q : q = t\nEnd Sub\nDim a(1)\na(0) = \"x\" : a(1) = \"y\"\n"
                                    "Swap a(0), a(1)\nEcho a(0), a(1)", "y x"},
      {"element sees direct writes", "Dim a(1)\nSub W(el)\na(1) = \"direct\"\nEcho el\nEnd Sub\nW a(1)", "direct"},
      {"element locks its array", "Dim a()\nReDim a(1)\nSub G(el)\nReDim Preserve a(5)\nEnd Sub\n"
                                  "On Error Resume Next\nG a(0)\nEcho Err.Number, UBound(a)", "10 1"},
      {"through getref", "Sub Bump(x)\nx = x + 1\nEnd Sub\nSet f = GetRef(\"Bump\")\nn = 1\nf n\nEcho n", "2"},
      {"redim in a procedure resizes the global", "Dim a()\nSub R\nReDim a(3)\nEnd Sub\nR\nEcho UBound(a)", "3"},
      {"array passed byval is copied", "Sub Change(ByVal arr)\narr(1) = 7\nEnd Sub\na = Array(1, 2)\nChange a\nEcho a(1)", "2"},
  });
}

TEST(EngineSemantics, ArraysAreCopiedOnAssignment) {
  expectOutputs({
      {"copy", "a = Array(1, 2)\nb = a\nb(0) = 9\nEcho a(0), b(0)", "1 9"},
      {"multi dim", "Dim m(1, 2)\nm(1, 2) = \"x\"\nEcho UBound(m, 1), UBound(m, 2), m(1, 2)", "1 2 x"},
      {"redim preserve", "ReDim d(2)\nd(2) = 7\nReDim Preserve d(4)\nEcho UBound(d), d(2)", "4 7"},
      {"redim clears", "ReDim d(2)\nd(2) = 7\nReDim d(3)\nEcho IsEmpty(d(2))", "True"},
      {"erase fixed keeps size", "Dim a(2)\na(1) = 3\nErase a\nEcho UBound(a), IsEmpty(a(1))", "2 True"},
      {"for each sees a snapshot", "a = Array(1, 2, 3)\nFor Each x In a\ns = s & x\nNext\nEcho s", "123"},
  });
  expectErrors({
      {"preserve other dimension", "ReDim m(2, 2)\nReDim Preserve m(3, 2)", 9, 2, 1},
      {"redim while walking", "ReDim a(2)\nFor Each x In a\nReDim a(5)\nNext", 10, 3, 1},
      {"wrong dimension count", "Dim m(1, 1)\nx = m(1)", 9, 2, 1},
      {"erase of a number", "x = 1\nErase x", 13, 2, 1},
      // The element count must not wrap around into a small array.
      {"huge redim", "ReDim a(65535, 65535, 65535, 65535)\na(1, 1, 1, 1) = 1", 7, 1, 1},
      {"huge dim", "Dim a(2147483647)", 7, 1, 1},
      {"negative bound", "ReDim a(-2)", 9, 1, 1},
  });
}

TEST(EngineSemantics, ResumeNextContinuesWithTheNextStatementInSourceOrder) {
  expectOutputs({
      {"statement abandoned", "On Error Resume Next\nx = 1\nx = 2 + Chr(-1) + 3\nEcho x, Err.Number", "1 5"},
      {"if header runs the body", "On Error Resume Next\nIf 1 / 0 = 3 Then\nEcho \"in\"\nEnd If\nEcho Err.Number", "in\n11"},
      {"elseif header", "On Error Resume Next\nIf False Then\nEcho 1\nElseIf 1 / 0 Then\nEcho 2\nElse\nEcho 3\nEnd If", "2"},
      {"do while header", "On Error Resume Next\nDo While 1 / 0\nEcho \"body\"\nExit Do\nLoop\nEcho Err.Number", "body\n11"},
      {"loop while leaves", "On Error Resume Next\nDo\nn = n + 1\nLoop While 1 / 0\nEcho n, Err.Number", "1 11"},
      {"for not initialized", "On Error Resume Next\nFor i = 1 / 0 To 3\nEcho \"body\", IsEmpty(i)\nNext\nEcho Err.Number", "body True\n92"},
      {"for each not a collection", "On Error Resume Next\nFor Each x In 5\nEcho \"body\"\nNext\nEcho Err.Number", "body\n451"},
      {"select subject", "On Error Resume Next\nSelect Case 1 / 0\nCase 1\nEcho \"one\"\nCase 2\nEcho \"two\"\nEnd Select", "one"},
      {"callee error reaches caller handler",
       "Function Outer()\nOn Error Resume Next\nInner\nEcho \"continues\", Err.Number\nEnd Function\n"
       "Sub Inner\nErr.Raise 1234\nEcho \"not reached\"\nEnd Sub\nOuter",
       "continues 1234"},
      {"handler in callee is its own",
       "Sub S\nOn Error Resume Next\nx = 1 / 0\nEnd Sub\nS\nEcho \"after\", Err.Number", "after 11"},
      {"discarded conversion", "On Error Resume Next\nCall CInt(1)\nEcho Err.Number\nErr.Clear\nCall Abs(-4)\nEcho Err.Number", "458\n0"},
      {"goto 0 clears", "On Error Resume Next\nx = 1 / 0\nOn Error GoTo 0\nEcho Err.Number", "0"},
      {"with non-object then member", "On Error Resume Next\nWith 42\nEcho .Foo\nEcho \"x\"\nEnd With\nEcho Err.Number", "x\n424"},
      {"compile error in execute", "On Error Resume Next\nExecute \"x = \"\nEcho Err.Number, Err.Source",
       "1023 Microsoft VBScript compilation error"},
  });
  expectErrors({
      {"resume off in callee stops the script", "Sub S\nx = 1 / 0\nEcho \"no\"\nEnd Sub\nS\nEcho \"no\"", 11, 2, 1},
  });
}

TEST(EngineSemantics, ErrRaiseNumbersFollowVBScript) {
  expectOutputs({
      {"zero", "On Error Resume Next\nErr.Raise 0\nEcho Err.Number, Err.Description", "5 Invalid procedure call or argument"},
      {"integer 8000", "On Error Resume Next\nErr.Raise &h8000\nEcho Err.Number", "-32768"},
      {"integer ffff", "On Error Resume Next\nErr.Raise &hFFFF\nEcho Err.Number", "-1"},
      {"above a word", "On Error Resume Next\nErr.Raise &h10000&\nEcho Err.Number", "5"},
      {"overflow", "On Error Resume Next\nErr.Raise -3000000000\nEcho Err.Number", "6"},
      {"hresult", "On Error Resume Next\nErr.Raise &h8007000E&\nEcho Err.Number, Err.Source", "7 Microsoft VBScript runtime error"},
      {"facility a", "On Error Resume Next\nErr.Raise &h800A0035&\nEcho Err.Number", "53"},
      {"user error", "On Error Resume Next\nErr.Raise vbObjectError + 1, \"Mine\", \"my desc\"\nEcho Err.Number, Err.Source, Err.Description",
       "-2147221503 Mine my desc"},
      {"keeps earlier parts", "On Error Resume Next\nErr.Source = \"S\"\nErr.Raise 11\nEcho Err.Source, Err.Description", "S Division by zero"},
      {"number is long", "On Error Resume Next\nErr.Raise 5\ne = Err\nEcho TypeName(e), e", "Long 5"},
  });
  expectErrors({{"no arguments", "Err.Raise", 450, 1, 1}});
}

TEST(EngineSemantics, ClassLifetimeAndMembers) {
  const char* cls =
      "Class K\nPublic v\nPrivate p\n"
      "Private Sub Class_Initialize\nEcho \"init\"\np = 5\nEnd Sub\n"
      "Private Sub Class_Terminate\nEcho \"term\", v\nEnd Sub\n"
      "Public Property Get P2\nP2 = p * 2\nEnd Property\n"
      "Public Property Let P2(x)\np = x\nEnd Property\n"
      "Public Default Function Greet(who)\nGreet = \"hi \" & who\nEnd Function\n"
      "End Class\n";
  auto with = [&](const char* body) { return std::string(cls) + body; };
  std::string nothing = with("Set a = New K\na.v = 1\nSet a = Nothing\nEcho \"after\"");
  std::string shared = with("Set a = New K\na.v = 2\nSet b = a\nSet a = Nothing\nEcho \"alive\"\nSet b = Nothing");
  std::string local = with("Sub S\nDim k\nSet k = New K\nk.v = 3\nEnd Sub\nS\nEcho \"after\"");
  std::string props = with("Set a = New K\nEcho a.P2\na.P2 = 21\nEcho a.P2\nEcho a(\"x\"), TypeName(a)\na.v = 0");
  std::string priv = with("Set a = New K\na.v = 0\nEcho a.p");
  expectOutputs({
      {"terminate on nothing", nothing.c_str(), "init\nterm 1\nafter"},
      {"last reference", shared.c_str(), "init\nalive\nterm 2"},
      {"local goes at exit", local.c_str(), "init\nterm 3\nafter"},
      {"left by an error", with("Sub S\nDim k\nSet k = New K\nk.v = 4\nx = 1 / 0\nEnd Sub\nOn Error Resume Next\nS\nEcho \"after\"").c_str(),
       "init\nterm 4\nafter"},
      {"held to the end", with("Set keep = New K\nkeep.v = 5\nEcho \"end\"").c_str(), "init\nend\nterm 5"},
      {"erase releases", with("Dim a(0)\nSet a(0) = New K\na(0).v = 6\nErase a\nEcho \"after\"").c_str(),
       "init\nterm 6\nafter"},
      {"properties and default", props.c_str(), "init\n10\n42\nhi x K\nterm 0"},
      {"me and self calls", "Class C\nPublic n\nFunction Twice()\nTwice = Me.n * 2 + Half()\nEnd Function\n"
                            "Private Function Half()\nHalf = n / 2\nEnd Function\nEnd Class\n"
                            "Set obj = New C\nobj.n = 4\nEcho obj.Twice()", "10"},
      {"object default value on let", "Class C\nPublic Default Property Get V\nV = 7\nEnd Property\nEnd Class\n"
                                      "Set obj = New C\nx = obj\nEcho x + 1, TypeName(x)", "8 Integer"},
      {"is and nothing", "Class C\nEnd Class\nSet a = New C\nSet b = a\nEcho a Is b, a Is Nothing, Nothing Is Nothing",
       "True False True"},
  });
  expectErrors({
      {"private member", priv.c_str(), 438, 0, 0},
      {"set of a number", "Set x = 5", 424, 1, 1},
      {"member of nothing", "Set x = Nothing\nEcho x.y", 424, 2, 1},
      {"class not defined", "Set x = New Nope", 506, 1, 1},
  });
}

TEST(EngineSemantics, RunawayRecursionIsOutOfStackSpace) {
  expectErrors({
      {"recursion", "Function F(n)\nF = F(n + 1)\nEnd Function\nx = F(1)", 28, 2, 1},
      {"default property loop", "Class C\nPublic Default Property Get V\nV = Me\nEnd Property\nEnd Class\n"
                                "Set obj = New C\nx = obj + 1", 28, 0, 0},
  });
}

TEST(EngineSemantics, EvalAndExecuteSeeTheCurrentScope) {
  expectOutputs({
      {"execute local", "Function F()\nDim z\nz = 5\nExecute \"z = z + 1\"\nF = z + Eval(\"z * 10\")\nEnd Function\nEcho F()", "66"},
      {"execute global defines", "Sub S\nExecuteGlobal \"g = 3\"\nEnd Sub\nS\nEcho g", "3"},
      {"getref", "Function Add(a, b)\nAdd = a + b\nEnd Function\nSet f = GetRef(\"Add\")\nEcho f(2, 3)", "5"},
      {"eval in class", "Class C\nPublic n\nFunction T()\nT = Eval(\"n + 1\")\nEnd Function\nEnd Class\n"
                        "Set obj = New C\nobj.n = 1\nEcho obj.T()", "2"},
  });
}

}  // namespace
}  // namespace corvela::vbs::testing
