// Variables that Execute and Eval code create inside a procedure: they belong
// to that one invocation, and the procedure's own undeclared names still
// reach the globals of those names. The corpus program
// vmfix_execute_locals.vbs covers the plain procedure cases.
#include "engine_fixture.h"

namespace corvela::vbs::testing {
namespace {

TEST(ExecuteScope, VariablesBelongToTheInvocation) {
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

TEST(ExecuteScope, UndeclaredNamesOfTheProcedureReachGlobals) {
  expectOutputs({
      // Echo is a local slot of T (used without Dim) but the host's Echo exists.
      {"host member used by both", "Sub T\nExecute \"Echo 1\"\nEcho 2\nEnd Sub\nT", "1\n2"},
      {"the procedure's own undeclared local",
       "Sub T\nExecute \"n = 5\"\nEcho n\nEnd Sub\nT\nEcho IsEmpty(n)", "5\nTrue"},
  });
}

TEST(ExecuteScope, ProceduresItDefinesHaveTheirOwnScope) {
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
