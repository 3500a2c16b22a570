// The VBScript parser: operator precedence (checked through a compact prefix
// print of the tree), the shapes call statements normalise to, statement
// structure, and compile errors with Microsoft's number and position (the
// compile_*.vbs corpus programs check further ones by text and position).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/vbscript/parser.h"

namespace corvela::vbs {
namespace {

using namespace ast;

const char* binaryName(BinaryOp op) {
  switch (op) {
    case BinaryOp::Power: return "^"; case BinaryOp::Multiply: return "*"; case BinaryOp::Divide: return "/";
    case BinaryOp::IntDivide: return "\\"; case BinaryOp::Mod: return "Mod"; case BinaryOp::Add: return "+";
    case BinaryOp::Subtract: return "-"; case BinaryOp::Concat: return "&"; case BinaryOp::Equal: return "=";
    case BinaryOp::NotEqual: return "<>"; case BinaryOp::Less: return "<"; case BinaryOp::Greater: return ">";
    case BinaryOp::LessEqual: return "<="; case BinaryOp::GreaterEqual: return ">=";
    case BinaryOp::Is: return "Is"; case BinaryOp::And: return "And"; case BinaryOp::Or: return "Or";
    case BinaryOp::Xor: return "Xor"; case BinaryOp::Eqv: return "Eqv"; case BinaryOp::Imp: return "Imp";
  }
  return "?";
}

// Prefix form: (op a b), (call f a _ c) with _ for an omitted argument,
// (. obj name), (paren x), (neg x); literals as written values.
std::string print(const Expr* e) {
  if (e == nullptr) return "_";
  switch (e->kind) {
    case ExprKind::Literal: {
      const Variant& v = static_cast<const LiteralExpr*>(e)->value;
      switch (v.type()) {
        case VarType::String: return "\"" + std::string(v.rawString()) + "\"";
        case VarType::Boolean: return v.rawBool() ? "True" : "False";
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::Object: return "Nothing";
        default: {
          std::ostringstream out;
          out << v.toDouble();
          return out.str();
        }
      }
    }
    case ExprKind::Name: return static_cast<const NameExpr*>(e)->name;
    case ExprKind::Member: {
      auto* m = static_cast<const MemberExpr*>(e);
      return "(. " + print(m->object.get()) + " " + m->name + ")";
    }
    case ExprKind::Call: {
      auto* c = static_cast<const CallExpr*>(e);
      std::string s = "(call " + print(c->callee.get());
      for (const auto& a : c->args) s += " " + print(a.get());
      return s + ")";
    }
    case ExprKind::Unary: {
      auto* u = static_cast<const UnaryExpr*>(e);
      const char* op = u->op == UnaryOp::Not ? "Not" : u->op == UnaryOp::Negate ? "neg" : "pos";
      return std::string("(") + op + " " + print(u->operand.get()) + ")";
    }
    case ExprKind::Binary: {
      auto* b = static_cast<const BinaryExpr*>(e);
      return std::string("(") + binaryName(b->op) + " " + print(b->left.get()) + " " + print(b->right.get()) + ")";
    }
    case ExprKind::New: return "(new " + static_cast<const NewExpr*>(e)->className + ")";
    case ExprKind::Me: return "Me";
    case ExprKind::Paren: return "(paren " + print(static_cast<const ParenExpr*>(e)->inner.get()) + ")";
  }
  return "?";
}

std::string printCall(const CallStmt& call) {
  std::string s = call.callKeyword ? "Call " : "";
  s += print(call.target.get()) + " [";
  for (size_t i = 0; i < call.args.size(); ++i) s += (i ? ", " : "") + print(call.args[i].get());
  return s + "]";
}

std::unique_ptr<Script> parseOk(std::string_view code) {
  ScriptError error;
  auto script = parseScript(code, error);
  EXPECT_NE(script, nullptr) << code << "\n -> " << error.number << " " << error.description << " at "
                             << error.line << ":" << error.column;
  return script;
}

std::string printExpression(std::string_view code) {
  ScriptError error;
  ExprPtr expression;
  auto script = parseExpression(code, expression, error);
  if (!script) return "error " + std::to_string(error.number);
  return print(expression.get());
}

TEST(ParserTest, OperatorPrecedence) {
  const struct {
    const char* code;
    const char* tree;
  } cases[] = {
      {"-3^2", "(^ (neg 3) 2)"}, {"2^3^2", "(^ (^ 2 3) 2)"}, {"2 ^ -3", "(^ 2 (neg 3))"},
      {"5\\4/2", "(\\ 5 (/ 4 2))"}, {"12/3\\2", "(\\ (/ 12 3) 2)"}, {"7 Mod 4+2", "(+ (Mod 7 4) 2)"},
      {"a * b Mod c \\ d", "(Mod (* a b) (\\ c d))"},
      {"1 & 100000 = \"1100000\"", "(= (& 1 100000) \"1100000\")"}, {"a + b & c - d", "(& (+ a b) (- c d))"},
      {"1 = 1 < 0", "(< (= 1 1) 0)"}, {"\"\" = true = false", "(= (= \"\" True) False)"},
      {"x Is Nothing = True", "(= (Is x Nothing) True)"}, {"Not 1 > 2", "(Not (> 1 2))"},
      {"Not a And Not b", "(And (Not a) (Not b))"}, {"a = Not b", "(= a (Not b))"},
      {"a And b Or c Xor d Eqv e Imp f", "(Imp (Eqv (Xor (Or (And a b) c) d) e) f)"},
      {"a Or b And c", "(Or a (And b c))"}, {"-a * b", "(* (neg a) b)"}, {"- -a", "(neg (neg a))"},
      {"(&h01or&h02)", "(paren (Or 1 2))"}, {"\"x\" &hi", "(& \"x\" hi)"},
      {"a.b(1).c", "(. (call (. a b) 1) c)"}, {"f(1, , 3)(2)", "(call (call f 1 _ 3) 2)"}, {"f()", "(call f)"},
      {"New RegExp", "(new RegExp)"}, {"[my var] + 1", "(+ my var 1)"}, {"Empty & Null", "(& Empty Null)"},
      {"obj.Class.End", "(. (. obj Class) End)"},
  };
  for (const auto& c : cases) EXPECT_EQ(printExpression(c.code), c.tree) << c.code;
}

TEST(ParserTest, CallStatementsNormaliseToTargetAndArguments) {
  const struct {
    const char* code;
    const char* call;
  } cases[] = {
      {"f x, y", "f [x, y]"}, {"Call f(x, y)", "Call f [x, y]"}, {"Call f", "Call f []"},
      {"f(x)", "f [(paren x)]"},  // passed ByVal
      {"Call f(x)", "Call f [x]"}, {"f (x), (y)", "f [(paren x), (paren y)]"},
      {"f (x) + 1, 2", "f [(+ (paren x) 1), 2]"}, {"f", "f []"}, {"f()", "f []"}, {"f 1, , 3", "f [1, _, 3]"},
      {"f -1", "f [(neg 1)]"}, {"obj.m x", "(. obj m) [x]"}, {"a(1).b 2", "(. (call a 1) b) [2]"},
      {"Response.Write .Name & \"!\"", "(. Response Write) [(& (. _ Name) \"!\")]"},
      {".m .x", "(. _ m) [(. _ x)]"}, {"Randomize 5", "Randomize [5]"},
      {"ExecuteGlobal \"x = 1\"", "ExecuteGlobal [\"x = 1\"]"},
  };
  for (const auto& c : cases) {
    auto script = parseOk(c.code);
    if (!script) continue;
    ASSERT_EQ(script->body.size(), 1u) << c.code;
    ASSERT_EQ(script->body[0]->kind, StmtKind::Call) << c.code;
    EXPECT_EQ(printCall(static_cast<const CallStmt&>(*script->body[0])), c.call) << c.code;
  }
}

TEST(ParserTest, AssignmentTargets) {
  const struct {
    const char* code;
    const char* target;
    const char* value;
    bool isSet;
  } cases[] = {
      {"x = 1 = 2", "x", "(= 1 2)", false}, {"x(1) = 2", "(call x 1)", "2", false},
      {"a(1).b = 2", "(. (call a 1) b)", "2", false},
      {"obj.Item(\"k\") = v", "(call (. obj Item) \"k\")", "v", false}, {"Set o.p = v", "(. o p)", "v", true},
      {"Set x = New C", "x", "(new C)", true}, {"Set x = Nothing", "x", "Nothing", true},
      {".Value = 3", "(. _ Value)", "3", false},
  };
  for (const auto& c : cases) {
    auto script = parseOk(c.code);
    if (!script) continue;
    ASSERT_EQ(script->body.size(), 1u);
    ASSERT_EQ(script->body[0]->kind, StmtKind::Assign) << c.code;
    const auto& assign = static_cast<const AssignStmt&>(*script->body[0]);
    EXPECT_EQ(print(assign.target.get()), c.target) << c.code;
    EXPECT_EQ(print(assign.value.get()), c.value) << c.code;
    EXPECT_EQ(assign.isSet, c.isSet) << c.code;
  }
}

TEST(ParserTest, SingleLineIfTakesColonSeparatedStatementsAndElse) {
  auto script = parseOk("If a Then x = 1 : y = 2 Else z = 3 : w = 4\nv = 5");
  ASSERT_TRUE(script);
  ASSERT_EQ(script->body.size(), 2u);
  const auto& stmt = static_cast<const IfStmt&>(*script->body[0]);
  EXPECT_TRUE(stmt.singleLine);
  ASSERT_EQ(stmt.branches.size(), 1u);
  EXPECT_EQ(stmt.branches[0].body.size(), 2u);
  EXPECT_TRUE(stmt.hasElse);
  EXPECT_EQ(stmt.elseBody.size(), 2u);

  // Else belongs to the innermost If; a trailing End If is tolerated.
  script = parseOk("If a Then If b Then x Else y\nIf a Then x = 1 End If\nIf a Then Rem nothing\nEnd If");
  ASSERT_TRUE(script);
  ASSERT_EQ(script->body.size(), 3u);
  const auto& outer = static_cast<const IfStmt&>(*script->body[0]);
  EXPECT_FALSE(outer.hasElse);
  const auto& inner = static_cast<const IfStmt&>(*outer.branches[0].body[0]);
  EXPECT_TRUE(inner.hasElse);
  EXPECT_FALSE(static_cast<const IfStmt&>(*script->body[2]).singleLine);
}

TEST(ParserTest, BlockStatementsKeepTheirParts) {
  auto script = parseOk(
      "If a Then\n  x = 1\nElseIf b Then y = 2\nElse\nEnd If\n"
      "Select Case n\n Case 1, 2 To 4, Is >= 10\n  a = 1\n Case Else: b = 2\nEnd Select\n"
      "For i = 10 To 1 Step -1 : Next\n"
      "For Each item In list\nNext\n"
      "Do Until x > 3 : x = x + 1 : Loop\n"
      "Do : Loop While x\n"
      "While a : Wend\n"
      "With obj : .a = 1 : End With\n"
      "On Error Resume Next\nOn Error GoTo 0\n"
      "ReDim Preserve arr(5, n + 1)\nErase arr\nStop\n");
  ASSERT_TRUE(script);
  const StmtKind kinds[] = {StmtKind::If, StmtKind::Select, StmtKind::For, StmtKind::ForEach,
                            StmtKind::Do, StmtKind::Do, StmtKind::Do, StmtKind::With,
                            StmtKind::OnError, StmtKind::OnError, StmtKind::ReDim, StmtKind::Erase,
                            StmtKind::Stop};
  ASSERT_EQ(script->body.size(), std::size(kinds));
  for (size_t i = 0; i < std::size(kinds); ++i) EXPECT_EQ(script->body[i]->kind, kinds[i]) << i;

  const auto& ifs = static_cast<const IfStmt&>(*script->body[0]);
  EXPECT_EQ(ifs.branches.size(), 2u);
  EXPECT_TRUE(ifs.hasElse);
  const auto& select = static_cast<const SelectStmt&>(*script->body[1]);
  ASSERT_EQ(select.cases.size(), 1u);
  ASSERT_EQ(select.cases[0].tests.size(), 3u);
  EXPECT_EQ(select.cases[0].tests[1].kind, CaseTestKind::Range);
  EXPECT_EQ(select.cases[0].tests[2].kind, CaseTestKind::Is);
  EXPECT_EQ(select.cases[0].tests[2].op, BinaryOp::GreaterEqual);
  EXPECT_TRUE(select.hasElse);
  EXPECT_EQ(select.elseBody.size(), 1u);
  const auto& loop = static_cast<const ForStmt&>(*script->body[2]);
  EXPECT_EQ(print(loop.step.get()), "(neg 1)");
  EXPECT_EQ(static_cast<const DoStmt&>(*script->body[4]).test, LoopTest::PreUntil);
  EXPECT_EQ(static_cast<const DoStmt&>(*script->body[5]).test, LoopTest::PostWhile);
  EXPECT_TRUE(static_cast<const DoStmt&>(*script->body[6]).whileWend);
  EXPECT_TRUE(static_cast<const OnErrorStmt&>(*script->body[8]).resumeNext);
  EXPECT_FALSE(static_cast<const OnErrorStmt&>(*script->body[9]).resumeNext);
  const auto& redim = static_cast<const ReDimStmt&>(*script->body[10]);
  EXPECT_TRUE(redim.preserve);
  EXPECT_EQ(redim.targets[0].bounds.size(), 2u);
}

TEST(ParserTest, DeclarationsProceduresAndClasses) {
  auto script = parseOk(
      "Option Explicit\n"
      "Dim a, b(3), c(2, 5), d()\n"
      "Const k = -5, s = \"t\", dt = #1/1/2000#\n"
      "Private Function f(ByVal x, ByRef y, z())\n  f = x : Exit Function\nEnd Function\n"
      "Class Thing\n"
      "  Private m_v\n"
      "  Public items(4)\n"
      "  Dim plain\n"
      "  Public Default Property Get Value(i)\n    Value = Me.m_v : Exit Property\n  End Property\n"
      "  Property Let Value(i, v) : m_v = v : End Property\n"
      "  Private Sub Class_Initialize() : Set m_v = Nothing : End Sub\n"
      "End Class\n");
  ASSERT_TRUE(script);
  EXPECT_TRUE(script->optionExplicit);
  ASSERT_EQ(script->body.size(), 4u);
  const auto& dim = static_cast<const DimStmt&>(*script->body[0]);
  ASSERT_EQ(dim.vars.size(), 4u);
  EXPECT_FALSE(dim.vars[0].isArray);
  EXPECT_EQ(dim.vars[2].bounds, (std::vector<int32_t>{2, 5}));
  EXPECT_TRUE(dim.vars[3].isArray);
  EXPECT_TRUE(dim.vars[3].bounds.empty());
  const auto& constants = static_cast<const ConstStmt&>(*script->body[1]);
  EXPECT_EQ(print(constants.constants[0].value.get()), "(neg 5)");

  const auto& f = static_cast<const ProcedureStmt&>(*script->body[2]);
  EXPECT_EQ(f.procKind, ProcedureKind::Function);
  EXPECT_EQ(f.visibility, Visibility::Private);
  ASSERT_EQ(f.params.size(), 3u);
  EXPECT_TRUE(f.params[0].byVal);
  EXPECT_FALSE(f.params[1].byVal);
  EXPECT_TRUE(f.params[2].isArray);

  const auto& cls = static_cast<const ClassStmt&>(*script->body[3]);
  EXPECT_EQ(cls.name, "Thing");
  ASSERT_EQ(cls.members.size(), 6u);
  const auto& get = static_cast<const ProcedureStmt&>(*cls.members[3]);
  EXPECT_EQ(get.procKind, ProcedureKind::PropertyGet);
  EXPECT_TRUE(get.isDefault);
  EXPECT_EQ(get.visibility, Visibility::Public);
}

struct ErrorCase {
  const char* code;
  int32_t number;
  int line;
  int column;
};

TEST(ParserTest, CompileErrorsAndTheirPositions) {
  const ErrorCase cases[] = {
      // Statements
      {"For i = 1 To 2\nx = 1 End If\nNext", 1042, 2, 7},  // only the End of the open block
      {"If a Then :\nx = 1\nEnd If", 1024, 3, 1},          // `Then :` is a one-line If
      {"Select Case x\nCase 1 2\nEnd Select", 1025, 2, 8}, {"Sub f 5\nEnd Sub", 1025, 1, 7},
      {"If a Then\nx = 1\nElse End If\nEnd If", 1024, 3, 6},
      {"x = 1 Rem no colon", 1025, 1, 7}, {"strcomp(\"x\", \"y\")", 1044, 1, 18},
      {"obj.m(1, 2)\nx = 1", 1044, 1, 12}, {"f (1, 2), 3", 1044, 1, 9}, {"Call f 1", 1025, 1, 8},
      {"x 1 2", 1025, 1, 5}, {"x = ", 1023, 1, 5}, {"x = (1 + 2", 1006, 1, 11}, {"x = f(1", 1006, 1, 8},
      {"5 = x", 1024, 1, 1}, {"Set 5 = x", 1010, 1, 5}, {"Set x y", 1011, 1, 7}, {"Me.x = 1", 1037, 1, 1},
      {"x = Me", 1037, 1, 5}, {"x = 1\nOption Explicit", 1024, 2, 1}, {"On Error Resume", 1002, 1, 16},
      {"On Error GoTo 1", 1002, 1, 15}, {"On Foo", 1002, 1, 4}, {"Else", 1024, 1, 1}, {"End If", 1024, 1, 1},
      {"Wend", 1024, 1, 1},
      // Blocks
      {"If a Then\nx = 1\n", 1014, 3, 1}, {"If a\nEnd If", 1017, 1, 5}, {"If a Then\nEnd Sub", 1012, 2, 5},
      {"For x.y = 1 To 2\nNext", 1040, 1, 6}, {"For x(1) = 1 To 2\nNext", 1040, 1, 6},
      {"For 5 = 1 To 2\nNext", 1010, 1, 5},
      {"For i = 1 2\nNext", 1013, 1, 11}, {"For i = 1 To 2\nx = 1", 1020, 2, 6},
      {"For Each x y\nNext", 1046, 1, 12}, {"Next", 1055, 1, 1}, {"Do\nNext", 1055, 2, 1}, {"Loop", 1038, 1, 1},
      {"For i = 1 To 2\nLoop", 1038, 2, 1}, {"Do\nx = 1", 1019, 2, 6}, {"Do Foo\nLoop", 1028, 1, 4},
      {"Do\nLoop Foo", 1028, 2, 6}, {"Do While a\nLoop Until b", 1025, 2, 6}, {"While x\n", 1018, 2, 1},
      {"Do\nWhile x\nLoop", 1018, 3, 1}, {"With x\n", 1014, 2, 1}, {"With x\nEnd If", 1029, 2, 5},
      {"Select x", 1021, 1, 8}, {"Select Case x\ny = 1\nCase 1\nEnd Select", 1021, 2, 1},
      {"Select Case x\nCase 1\nEnd If", 1022, 3, 5},
      {"Select Case x\nCase Else\nCase 1\nEnd Select", 1014, 3, 1}, {"Exit Do", 1039, 1, 6},
      {"While a\nExit Do\nWend", 1039, 2, 6}, {"Do\nExit For\nLoop", 1039, 2, 6},
      {"Function f\nExit Sub\nEnd Function", 1039, 2, 6}, {"Sub f\nExit Property\nEnd Sub", 1039, 2, 6},
      {"Exit Class", 1039, 1, 6},
      // Declarations
      {"Dim a(1.5)", 1026, 1, 7},
      {"Const c = 1 + 2", 1025, 1, 13}, {"Const c 1", 1011, 1, 9}, {"ReDim a", 1005, 1, 8},
      {"Dim x\nDim X", 1041, 2, 5}, {"Dim f\nSub f\nEnd Sub", 1041, 2, 5},
      {"Sub f\nEnd Sub\nDim F", 1041, 3, 5}, {"Sub f(a, A)\nEnd Sub", 1041, 1, 10},
      {"Sub f(a)\nDim a\nEnd Sub", 1041, 2, 5}, {"Sub f(a\nEnd Sub", 1006, 1, 8},
      {"Sub f\nx = 1", 1014, 2, 6},
      {"Sub f\nSub g\nEnd Sub\nEnd Sub", 1024, 2, 1}, {"If a Then\nClass C\nEnd Class\nEnd If", 1024, 2, 1},
      {"For i = 1 To 2\nSub g\nExit For\nEnd Sub\nNext", 1039, 3, 6}, {"Sub f\nPrivate x\nEnd Sub", 1024, 2, 1},
      {"Property Get x\nEnd Property", 1048, 1, 1}, {"Public Property Get x\nEnd Property", 1048, 1, 8},
      {"Public Default Function f\nEnd Function", 1048, 1, 8},
      // Classes
      {"Class C End Class", 1024, 1, 9}, {"Class C\nEnd Sub", 1047, 2, 5}, {"Class C\n", 1014, 2, 1},
      {"Class C\nx = 1\nEnd Class", 1024, 2, 1},
      {"Class C\nProperty Foo\nEnd Property\nEnd Class", 1049, 2, 10},
      {"Class C\nProperty Get x\nEnd Sub\nEnd Class", 1050, 3, 5},
      {"Class C\nPrivate Default Function f\nEnd Function\nEnd Class", 1057, 2, 9},
      {"Class C\nDefault Function f\nEnd Function\nEnd Class", 1057, 2, 1},
      {"Class C\nPublic Default x\nEnd Class", 1056, 2, 16},
      {"Class C\nPublic Default Property Let x(v)\nEnd Property\nEnd Class", 1058, 2, 25},
      {"Class C\nPublic Default Sub a\nEnd Sub\nPublic Default Function b\nEnd Function\nEnd Class", 1052, 4, 8},
      {"Class C\nSub Class_Initialize(a)\nEnd Sub\nEnd Class", 1053, 2, 5},
      {"Class C\nSub class_terminate(a)\nEnd Sub\nEnd Class", 1053, 2, 5},
      {"Class C\nProperty Let x()\nEnd Property\nEnd Class", 1054, 2, 14},
      {"Class C\nProperty Set x\nEnd Property\nEnd Class", 1054, 2, 14},
      {"Class C\nProperty Get x(a)\nEnd Property\nProperty Let x(v)\nEnd Property\nEnd Class", 1051, 4, 14},
      {"Class C\nProperty Set x(a, v)\nEnd Property\nProperty Get x\nEnd Property\nEnd Class", 1051, 4, 14},
      {"Class C\nProperty Get x\nEnd Property\nProperty Get x\nEnd Property\nEnd Class", 1041, 4, 14},
      {"Class C\nDim x\nSub x\nEnd Sub\nEnd Class", 1041, 3, 5},
      {"Class C\nEnd Class\nClass c\nEnd Class", 1041, 3, 7}, {"Class C\nConst k = 1\nEnd Class", 1024, 2, 1},
      {"Class C\nSub f\nClass D\nEnd Class\nEnd Sub\nEnd Class", 1024, 3, 1},
  };
  for (const ErrorCase& c : cases) {
    ScriptError error;
    EXPECT_EQ(parseScript(c.code, error), nullptr) << c.code;
    EXPECT_EQ(error.number, c.number) << c.code << "\n -> " << error.description;
    EXPECT_EQ(error.line, c.line) << c.code;
    EXPECT_EQ(error.column, c.column) << c.code;
    EXPECT_EQ(error.source, "Microsoft VBScript compilation error") << c.code;
  }
}

TEST(ParserTest, ValidScriptsParse) {
  const char* cases[] = {
      "", "\n\n' only a comment\n", "If a Then : x = 1 : End If",
      "If a Then x = 1 Else If b Then y = 2 Else y = 3", "If a Then\n x = 1\nElse x = 2\nEnd If",
      "For Each k In d.Keys : If k = \"a\" Then Exit For\nNext", "Dim property : property = 1",
      "Class Property\nEnd Class", "Sub Property\nEnd Sub",
      "Class C\n Public Property Get Item(i) : Item = i : End Property\nEnd Class",
      "Class C\n Public Default Sub Go() : End Sub\nEnd Class",
      "Class C\n Sub Class_Initialize() : End Sub\n Sub Class_Terminate : End Sub\nEnd Class",
      "Class C\nFunction f : Set f = Me : End Function\nEnd Class",
      "Sub f : Dim f2 : End Sub\nSub g : Dim f2 : End Sub",  // each procedure is its own scope
      "x = obj.rem + obj.class + obj.stop", "s = \"<a href=\"\"\" & url & \"\"\">\"", "x = #2011-01-31# : y = #10:30 PM#",
      "Public x, y(2)\nPrivate z\nPublic Const c = 1", "Erase a : ReDim a(1) : ReDim Preserve a(2), b(3)",
      "Call obj.Method(1)(2)", "f(1)(2)", "x = f(a)(b).c(d)", "If x Then y = 1 ' comment",
      "With Response\n .Write \"a\" : .Write .Name\nEnd With",
      "Set d = CreateObject(\"Scripting.Dictionary\") : d(\"k\") = 1", "x = -32768 : y = &H8000 : z = &hFFFF&",
  };
  for (const char* code : cases) parseOk(code);
}

TEST(ParserTest, ErrorsQuoteTheSourceLine) {
  ScriptError error;
  auto script = parseScript("x = 1\r\ny = (2\r\nz = 3", error);
  ASSERT_EQ(script, nullptr);
  EXPECT_EQ(error.number, 1006);
  EXPECT_EQ(error.description, "Expected ')'");
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(error.column, 7);
  EXPECT_EQ(error.text, "y = (2");
}

TEST(ParserTest, TheFirstFaultInSourceOrderWins) {
  // The lexical fault on line 2 lies behind the syntax error on line 1.
  ScriptError error;
  EXPECT_EQ(parseScript("x = = 1\ny = \"open", error), nullptr);
  EXPECT_EQ(error.number, 1023);
  EXPECT_EQ(error.line, 1);
  EXPECT_EQ(parseScript("x = 1\ny = \"open\nz = = 1", error), nullptr);
  EXPECT_EQ(error.number, 1033);
  EXPECT_EQ(error.line, 2);
}

std::string repeat(std::string_view piece, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += piece;
  return out;
}

TEST(ParserTest, HostileNestingFailsCleanly) {
  const std::string cases[] = {
      "x = " + repeat("(", 100000),       "x = " + repeat("-", 100000) + "1",
      "x = " + repeat("Not ", 20001) + "1", "x = 1" + repeat(" + 1", 100000),
      "x = a" + repeat(".b", 100000),     repeat("If a Then\n", 10000),
      repeat("If a Then ", 10000) + "x = 1",
  };
  for (const auto& code : cases) {
    ScriptError error;
    EXPECT_EQ(parseScript(code, error), nullptr) << code.substr(0, 40);
    EXPECT_EQ(error.number, 1001) << code.substr(0, 40);
  }
}

TEST(ParserTest, EvalTakesExactlyOneExpression) {
  EXPECT_EQ(printExpression("a = b"), "(= a b)");
  EXPECT_EQ(printExpression("1 + 2\n"), "(+ 1 2)");
  EXPECT_EQ(printExpression("1 2"), "error 1025");
  EXPECT_EQ(printExpression("x = 1 : y"), "error 1025");
  EXPECT_EQ(printExpression(""), "error 1023");
}

TEST(ParserTest, MeIsAllowedInCodeRunInsideAClassMethod) {
  ScriptError error;
  ExprPtr expression;
  EXPECT_FALSE(parseExpression("Me.x", expression, error));
  EXPECT_EQ(error.number, 1037);
  ParseOptions inside;
  inside.insideClass = true;
  ASSERT_TRUE(parseExpression("Me.x", expression, error, inside));
  EXPECT_EQ(print(expression.get()), "(. Me x)");
  EXPECT_TRUE(parseScript("Me.x = 1\nSub helper : End Sub", error, inside)) << error.number;
}

}  // namespace
}  // namespace corvela::vbs
