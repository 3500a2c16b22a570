// The syntax tree the parser hands to the compiler.
//
// Plain structs with a kind tag: the compiler switches on `kind` and
// static_casts to the node type named beside each enumerator. Children are
// owned through unique_ptr; a null child means "absent" where a comment says
// so (an omitted argument, a missing Step, the With object of `.name`).
// Every node carries the 1-based line and column of the token that starts it
// (for a binary operator: of the operator itself). Columns count characters
// (UTF-8 code points), as error reports show them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/variant.h"

namespace corvela::vbs::ast {

struct Position {
  int32_t line = 0;    // 1-based
  int32_t column = 0;  // 1-based
};

// ---------------------------------------------------------------- expressions

enum class ExprKind : uint8_t {
  Literal,  // LiteralExpr
  Name,     // NameExpr
  Member,   // MemberExpr
  Call,     // CallExpr: a call or an array index, told apart at run time
  Unary,    // UnaryExpr
  Binary,   // BinaryExpr
  New,      // NewExpr
  Me,       // Expr (no payload); only inside a Class or ParseOptions::insideClass code
  Paren,    // ParenExpr
};

struct Expr {
  Expr(ExprKind k, Position p) : kind(k), pos(p) {}
  virtual ~Expr() = default;
  ExprKind kind;
  Position pos;
};
using ExprPtr = std::unique_ptr<Expr>;

// A literal of any kind, typed as VBScript types it: Integer (VT_I2) when it
// fits, else Long, else Double; String; Date; Boolean (True/False); Empty;
// Null; Nothing (an Object Variant holding no object). A leading minus is
// never folded in: `-32768` is Negate(Long 32768), which VBScript keeps Long.
struct LiteralExpr : Expr {
  LiteralExpr(Position p, Variant v) : Expr(ExprKind::Literal, p), value(std::move(v)) {}
  Variant value;
};

// A plain identifier, spelled as written (bracketed names without brackets).
struct NameExpr : Expr {
  NameExpr(Position p, std::string n) : Expr(ExprKind::Name, p), name(std::move(n)) {}
  std::string name;
};

// object.name. `object` is null for `.name` inside a With block (the
// innermost With object). The position is that of the member name.
struct MemberExpr : Expr {
  MemberExpr(Position p, ExprPtr o, std::string n)
      : Expr(ExprKind::Member, p), object(std::move(o)), name(std::move(n)) {}
  ExprPtr object;
  std::string name;
};

// callee(args): a call of a function/method or an index into an array.
// A null entry in args is an omitted argument (`f(1, , 3)`). An argument that
// is a ParenExpr is passed ByVal even to a ByRef parameter. The position is
// that of the opening parenthesis.
struct CallExpr : Expr {
  CallExpr(Position p, ExprPtr c) : Expr(ExprKind::Call, p), callee(std::move(c)) {}
  ExprPtr callee;
  std::vector<ExprPtr> args;
};

enum class UnaryOp : uint8_t { Negate, Plus, Not };

struct UnaryExpr : Expr {
  UnaryExpr(Position p, UnaryOp o, ExprPtr e) : Expr(ExprKind::Unary, p), op(o), operand(std::move(e)) {}
  UnaryOp op;
  ExprPtr operand;
};

// Grouped by precedence level, highest first (see binaryPrecedence).
enum class BinaryOp : uint8_t {
  Power,                           // ^
  Multiply, Divide,                // * /
  IntDivide,                       // '\'
  Mod,                             // Mod
  Add, Subtract,                   // + -
  Concat,                          // &
  Equal, NotEqual, Less, Greater,  // = <> < >
  LessEqual, GreaterEqual, Is,     // <= >= Is
  And, Or, Xor, Eqv, Imp,
};

struct BinaryExpr : Expr {
  BinaryExpr(Position p, BinaryOp o, ExprPtr l, ExprPtr r)
      : Expr(ExprKind::Binary, p), op(o), left(std::move(l)), right(std::move(r)) {}
  BinaryOp op;
  ExprPtr left, right;
};

// New ClassName.
struct NewExpr : Expr {
  NewExpr(Position p, std::string c) : Expr(ExprKind::New, p), className(std::move(c)) {}
  std::string className;
};

// ( inner ): kept because a parenthesised argument is passed ByVal.
struct ParenExpr : Expr {
  ParenExpr(Position p, ExprPtr e) : Expr(ExprKind::Paren, p), inner(std::move(e)) {}
  ExprPtr inner;
};

// ----------------------------------------------------------------- statements

enum class StmtKind : uint8_t {
  Assign,     // AssignStmt: [Set] target = value
  Call,       // CallStmt: `f a, b`, `Call f(a, b)`, `obj.m`, `f(x)`
  Dim,        // DimStmt: Dim / Public / Private variables (also class fields)
  ReDim,      // ReDimStmt
  Const,      // ConstStmt
  Erase,      // EraseStmt
  If,         // IfStmt (block and single-line)
  Select,     // SelectStmt
  For,        // ForStmt
  ForEach,    // ForEachStmt
  Do,         // DoStmt: Do...Loop in every form and While...Wend
  Exit,       // ExitStmt
  Procedure,  // ProcedureStmt: Sub / Function / Property Get/Let/Set
  Class,      // ClassStmt
  With,       // WithStmt
  OnError,    // OnErrorStmt
  Stop,       // Stmt (no payload)
};
// Not statement kinds, because they are not reserved words and arrive as
// Call statements by name: Randomize, Execute, ExecuteGlobal.
// Option Explicit is not a statement either: see Script::optionExplicit.

struct Stmt {
  Stmt(StmtKind k, Position p) : kind(k), pos(p) {}
  virtual ~Stmt() = default;
  StmtKind kind;
  Position pos;  // of the statement's first token
};
using StmtPtr = std::unique_ptr<Stmt>;
using StmtList = std::vector<StmtPtr>;

// target is a NameExpr, a MemberExpr or a CallExpr (`x(1) = 2`,
// `obj.Item("k") = v`, `a(1).b = 2`). isSet: the Set keyword was written.
struct AssignStmt : Stmt {
  AssignStmt(Position p) : Stmt(StmtKind::Assign, p) {}
  ExprPtr target;
  ExprPtr value;
  bool isSet = false;
};

// A call statement, normalised: `target` is what is called (NameExpr,
// MemberExpr, or a CallExpr for `a(1)(2)`-like chains) and `args` the
// argument list (null = omitted). `f(x)` without Call arrives as
// target f, args [ParenExpr(x)] (ByVal, as VBScript passes it);
// `Call f(x)` as target f, args [x]. callKeyword: written with Call.
struct CallStmt : Stmt {
  CallStmt(Position p) : Stmt(StmtKind::Call, p) {}
  ExprPtr target;
  std::vector<ExprPtr> args;
  bool callKeyword = false;
};

enum class Visibility : uint8_t {
  Unspecified,  // Dim, or a procedure without Public/Private (public)
  Public,
  Private,
};

// One variable of Dim/Public/Private/ReDim.
struct VarDecl {
  std::string name;
  Position pos;                 // of the name
  bool isArray = false;         // written with parentheses
  std::vector<int32_t> bounds;  // Dim: upper bounds; empty with isArray = dynamic array
};

struct DimStmt : Stmt {
  DimStmt(Position p) : Stmt(StmtKind::Dim, p) {}
  Visibility visibility = Visibility::Unspecified;
  std::vector<VarDecl> vars;
};

struct ReDimTarget {
  std::string name;
  Position pos;
  std::vector<ExprPtr> bounds;  // upper bounds, at least one
};

struct ReDimStmt : Stmt {
  ReDimStmt(Position p) : Stmt(StmtKind::ReDim, p) {}
  bool preserve = false;
  std::vector<ReDimTarget> targets;
};

struct ConstDecl {
  std::string name;
  Position pos;
  ExprPtr value;  // a LiteralExpr, possibly under unary minus/plus
};

struct ConstStmt : Stmt {
  ConstStmt(Position p) : Stmt(StmtKind::Const, p) {}
  Visibility visibility = Visibility::Unspecified;
  std::vector<ConstDecl> constants;
};

struct EraseStmt : Stmt {
  EraseStmt(Position p) : Stmt(StmtKind::Erase, p) {}
  std::string name;
  Position namePos;
};

struct IfBranch {
  ExprPtr condition;
  StmtList body;
  Position pos;  // of If / ElseIf
};

struct IfStmt : Stmt {
  IfStmt(Position p) : Stmt(StmtKind::If, p) {}
  std::vector<IfBranch> branches;  // If, then each ElseIf; at least one
  bool hasElse = false;
  StmtList elseBody;
  bool singleLine = false;
};

enum class CaseTestKind : uint8_t {
  Value,  // Case expr            -> subject = value
  Range,  // Case value To upper  -> value <= subject <= upper
  Is,     // Case Is op value     -> subject op value
};

struct CaseTest {
  CaseTestKind kind = CaseTestKind::Value;
  BinaryOp op = BinaryOp::Equal;  // for Is: one of the comparison operators
  ExprPtr value;
  ExprPtr upper;  // Range only
  Position pos;
};

struct CaseClause {
  std::vector<CaseTest> tests;  // at least one
  StmtList body;
  Position pos;  // of Case
};

struct SelectStmt : Stmt {
  SelectStmt(Position p) : Stmt(StmtKind::Select, p) {}
  ExprPtr subject;
  std::vector<CaseClause> cases;
  bool hasElse = false;
  StmtList elseBody;
  Position elsePos;
};

struct ForStmt : Stmt {
  ForStmt(Position p) : Stmt(StmtKind::For, p) {}
  std::string variable;  // always a plain name
  Position variablePos;
  ExprPtr from, to;
  ExprPtr step;  // null when no Step was written
  StmtList body;
  Position nextPos;  // of the closing Next: its errors are reported there
};

struct ForEachStmt : Stmt {
  ForEachStmt(Position p) : Stmt(StmtKind::ForEach, p) {}
  std::string variable;
  Position variablePos;
  ExprPtr collection;
  StmtList body;
  Position nextPos;  // of the closing Next
};

enum class LoopTest : uint8_t {
  None,       // Do ... Loop
  PreWhile,   // Do While c ... Loop, and While c ... Wend
  PreUntil,   // Do Until c ... Loop
  PostWhile,  // Do ... Loop While c
  PostUntil,  // Do ... Loop Until c
};

struct DoStmt : Stmt {
  DoStmt(Position p) : Stmt(StmtKind::Do, p) {}
  LoopTest test = LoopTest::None;
  ExprPtr condition;  // null for LoopTest::None
  Position loopPos;   // of the closing Loop: a trailing condition's errors are reported there
  StmtList body;
  bool whileWend = false;  // While...Wend: `Exit Do` does not leave it
};

enum class ExitKind : uint8_t { Do, For, Sub, Function, Property };

struct ExitStmt : Stmt {
  ExitStmt(Position p, ExitKind k) : Stmt(StmtKind::Exit, p), what(k) {}
  ExitKind what;
};

enum class ProcedureKind : uint8_t { Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Parameter {
  std::string name;
  Position pos;
  bool byVal = false;    // ByRef is the default
  bool isArray = false;  // written as `name()`
};

// Sub / Function / Property. At global level and in classes. Global
// procedures are visible from the start of the script (hoisted); the
// compiler sees them in source order among the other statements.
struct ProcedureStmt : Stmt {
  ProcedureStmt(Position p) : Stmt(StmtKind::Procedure, p) {}
  ProcedureKind procKind = ProcedureKind::Sub;
  Visibility visibility = Visibility::Unspecified;
  bool isDefault = false;  // Public Default Function/Sub/Property Get
  std::string name;
  Position namePos;
  std::vector<Parameter> params;  // Let/Set: the last one receives the value
  StmtList body;
  Position endPos;  // of the closing End
};

// A class: members are DimStmt (fields; Dim means Public) and ProcedureStmt.
struct ClassStmt : Stmt {
  ClassStmt(Position p) : Stmt(StmtKind::Class, p) {}
  std::string name;
  Position namePos;
  StmtList members;
};

struct WithStmt : Stmt {
  WithStmt(Position p) : Stmt(StmtKind::With, p) {}
  ExprPtr object;
  StmtList body;
};

struct OnErrorStmt : Stmt {
  OnErrorStmt(Position p, bool r) : Stmt(StmtKind::OnError, p), resumeNext(r) {}
  bool resumeNext;  // false: On Error GoTo 0
};

// ------------------------------------------------------------------- the root

// One parsed piece of code: the global statements in source order, plus the
// source itself so errors can quote the line they happened on.
struct Script {
  std::string source;
  std::vector<uint32_t> lineStarts;  // byte offset where line n (1-based) starts: lineStarts[n - 1]
  StmtList body;
  bool optionExplicit = false;

  // The text of a 1-based line without its line break ("" when out of range).
  std::string_view lineText(int32_t line) const {
    if (line < 1 || static_cast<size_t>(line) > lineStarts.size()) return {};
    size_t begin = lineStarts[line - 1];
    size_t end = static_cast<size_t>(line) < lineStarts.size() ? lineStarts[line] : source.size();
    while (end > begin && (source[end - 1] == '\n' || source[end - 1] == '\r')) --end;
    return std::string_view(source).substr(begin, end - begin);
  }
};

}  // namespace corvela::vbs::ast
