// Semantics that are easy to get wrong and that the script corpus
// (tests/corpus) does not already pin: ByRef through host objects and whole
// arrays, On Error flow in loop and Select headers, Err.Raise numbers, class
// lifetime and default members, array size errors, exits across loop kinds,
// nested With, locals kept by recursion, and the scope of what Execute and
// Eval create inside a procedure.
#include "vbscript/engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(EngineSemantics, ByRefWritesBackToWhatWasNamed) {
  expectOutputs({
      {"host writes back", "n = 21\nHost.Twice n\nEcho n", "42"},
      {"local byref in function", "Function F()\nDim v\nv = 1\nG v\nF = v\nEnd Function\nSub G(w)\nw = 9\nEnd Sub\nEcho F()", "9"},
      {"array passed byref is shared", "Sub Change(arr)\narr(1) = 7\nEnd Sub\na = Array(1, 2)\nChange a\nEcho a(1)", "7"},
      {"redim in a procedure resizes the global", "Dim a()\nSub R\nReDim a(3)\nEnd Sub\nR\nEcho UBound(a)", "3"},
      {"array passed byval is copied", "Sub Change(ByVal arr)\narr(1) = 7\nEnd Sub\na = Array(1, 2)\nChange a\nEcho a(1)", "2"},
  });
}

TEST(EngineSemantics, ArrayBoundsAndSizes) {
  expectOutputs({
      {"erase fixed keeps size", "Dim a(2)\na(1) = 3\nErase a\nEcho UBound(a), IsEmpty(a(1))", "2 True"},
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
      {"do while header", "On Error Resume Next\nDo While 1 / 0\nEcho \"body\"\nExit Do\nLoop\nEcho Err.Number", "body\n11"},
      {"select subject", "On Error Resume Next\nSelect Case 1 / 0\nCase 1\nEcho \"one\"\nCase 2\nEcho \"two\"\nEnd Select", "one"},
      {"handler in callee is its own",
       "Sub S\nOn Error Resume Next\nx = 1 / 0\nEnd Sub\nS\nEcho \"after\", Err.Number", "after 11"},
      {"discarded conversion", "On Error Resume Next\nCall CInt(1)\nEcho Err.Number\nErr.Clear\nCall Abs(-4)\nEcho Err.Number", "458\n0"},
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
  std::string local = with("Sub S\nDim k\nSet k = New K\nk.v = 3\nEnd Sub\nS\nEcho \"after\"");
  std::string props = with("Set a = New K\nEcho a.P2\na.P2 = 21\nEcho a.P2\nEcho a(\"x\"), TypeName(a)\na.v = 0");
  std::string priv = with("Set a = New K\na.v = 0\nEcho a.p");
  expectOutputs({
      {"local goes at exit", local.c_str(), "init\nterm 3\nafter"},
      {"properties and default", props.c_str(), "init\n10\n42\nhi x K\nterm 0"},
      {"me and self calls", "Class C\nPublic n\nFunction Twice()\nTwice = Me.n * 2 + Half()\nEnd Function\n"
                            "Private Function Half()\nHalf = n / 2\nEnd Function\nEnd Class\n"
                            "Set obj = New C\nobj.n = 4\nEcho obj.Twice()", "10"},
      {"object default value on let", "Class C\nPublic Default Property Get V\nV = 7\nEnd Property\nEnd Class\n"
                                      "Set obj = New C\nx = obj\nEcho x + 1, TypeName(x)", "8 Integer"},
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

TEST(EngineSemantics, LoopsSelectAndScopes) {
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

// Variables that Execute and Eval code create inside a procedure belong to
// that one invocation, and the procedure's own undeclared names still reach
// the globals of those names; vmfix_execute_locals.vbs covers the plain
// procedure cases.
TEST(EngineSemantics, ExecuteScopeVariablesBelongToTheInvocation) {
  expectOutputs({
      {"class method, call by call",
       "Class C\nSub M(n)\nExecute \"Dim v : v = n\"\nEcho Eval(\"v\"), IsEmpty(Eval(\"w\"))\nExecute \"w = n\"\n"
       "End Sub\nEnd Class\nSet o = New C\no.M 1\no.M 2\nEcho IsEmpty(v), IsEmpty(w)",
       "1 True\n2 True\nTrue True"},
      {"nested Execute adds to the procedure",
       "Sub T\nExecute \"Execute \"\"Dim w : w = 2\"\" : Echo w\"\nEcho Eval(\"w\")\nEnd Sub\nT", "2\n2"},
      {"ReDim makes a variable of the call",
       "Sub T\nExecute \"ReDim a(2) : a(2) = 7\"\nEcho Eval(\"a(2)\")\nEnd Sub\nT\nEcho IsEmpty(a)", "7\nTrue"},
      {"ReDim of a global resizes it",
       "Dim g\nSub T\nExecute \"ReDim g(3)\"\nEnd Sub\nT\nEcho UBound(g)", "3"},
      {"a failing statement keeps what ran before it",
       "Sub T\nOn Error Resume Next\nExecute \"Dim k : k = 3 : x = 1 / 0\"\nEcho Err.Number, Eval(\"k\")\nEnd Sub\nT", "11 3"},
      {"Const is a value of the call",
       "Sub T\nExecute \"Const K = 5 : Echo K * 2\"\nEcho Eval(\"K\")\nEnd Sub\nT\nEcho IsEmpty(K)", "10\n5\nTrue"},
      {"Eval reads an unknown name as Empty without making a global",
       "Sub T\nEcho IsEmpty(Eval(\"nothingHere\"))\nEnd Sub\nT\nEcho IsEmpty(nothingHere)", "True\nTrue"},
  });
}

TEST(EngineSemantics, ExecuteScopeUndeclaredNamesOfTheProcedureReachGlobals) {
  expectOutputs({
      // Echo is a local slot of T (used without Dim) but the host's Echo exists.
      {"host member used by both", "Sub T\nExecute \"Echo 1\"\nEcho 2\nEnd Sub\nT", "1\n2"},
      {"the procedure's own undeclared local",
       "Sub T\nExecute \"n = 5\"\nEcho n\nEnd Sub\nT\nEcho IsEmpty(n)", "5\nTrue"},
  });
}

TEST(EngineSemantics, ExecuteScopeProceduresItDefinesHaveTheirOwnScope) {
  expectOutputs({
      {"field of the definer's class is not theirs",
       "Class C\nPublic f\nSub M\nf = 1\nExecute \"Function Look() : Look = IsEmpty(f) : End Function\"\n"
       "End Sub\nEnd Class\nSet o = New C\no.M\nEcho Look()",
       "True"},
  });
  expectErrors({{"Dim twice in one Execute", "Sub T\nExecute \"Dim a, a\"\nEnd Sub\nT", 1041, 0, 0}});
}

}  // namespace
}  // namespace corvela::vbs::testing
