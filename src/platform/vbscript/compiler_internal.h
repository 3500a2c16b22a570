// The compiler's working state, shared by compiler.cpp (declarations and
// scopes), compiler_expr.cpp (expressions, calls, assignments) and
// compiler_stmt.cpp (statements and control flow).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/vbscript/ast.h"
#include "platform/vbscript/compiler.h"
#include "platform/vbscript/program.h"

namespace corvela::vbs {

// A compile error found by the compiler itself (1041 Name redefined, ...).
struct CompileFailure {
  int32_t number;
  ast::Position pos;
};

std::string lowerName(std::string_view name);

// The index of the member named `lower` (ASCII lower case), or -1.
inline int32_t classMemberIndex(const ClassDef& cls, const std::string& lower) {
  auto it = cls.memberIndex.find(lower);
  return it == cls.memberIndex.end() ? -1 : it->second;
}

// Arguments of one call, parameters of one procedure: fewer than this.
inline constexpr size_t kMaxArguments = 0xFFFF;

// What a name means in the scope being compiled.
struct Resolved {
  enum Kind : uint8_t {
    Var,          // a variable: kind/index/fallback
    Constant,     // a compile-time value: constant index
    Procedure,    // a global procedure of this program: index
    Method,       // a member of Me's class: member index
    Builtin,      // a built-in function: builtin index
    ErrObject,    // Err
    Class,        // a class of this program (only valid after New)
  };
  Kind kind = Var;
  VarKind var = VarKind::Dynamic;
  int32_t index = 0;
  uint16_t fallback = kNoSlot;
  bool isResult = false;  // the function's own name inside it
};

struct LocalName {
  VarKind kind;
  int32_t index;
  int32_t constant = -1;  // Const: the constant index
};

class Compiler {
 public:
  Compiler(Program& program, const OuterScope* outer) : program_(program), outer_(outer) {}

  void compileScript(ast::Script& script);
  void compileEval(const ast::Expr& expression);

 private:
  struct Loop {
    enum Kind : uint8_t { Do, While, For } kind;
    std::vector<size_t> exits;
    size_t withDepth;
    int32_t cleanupSlot;  // For Each: the walker's slot, cleared on Exit
  };
  struct Scope {
    Procedure* proc = nullptr;
    int32_t procIndex = 0;
    int32_t classIndex = -1;
    bool global = true;
    std::unordered_map<std::string, LocalName> names;
    std::vector<uint16_t> withSlots;
    std::vector<Loop> loops;
  };

  // ----- declarations (compiler.cpp)
  void declareGlobals(const ast::StmtList& body);
  void declareImplicitGlobals(const ast::StmtList& body);  // without Option Explicit
  void declareClass(ast::ClassStmt& stmt);
  void declareProcedure(ast::ProcedureStmt& stmt, int32_t classIndex);
  int32_t addGlobal(const std::string& name, GlobalName::Kind kind, int32_t index, ast::Position pos);
  int32_t globalIndex(const std::string& lower);
  int32_t constantValue(const ast::Expr& expr);
  void compileProcedureBody(int32_t procIndex, ast::ProcedureStmt& stmt);
  void declareLocals(const ast::StmtList& body);
  bool isKnownOutside(const std::string& lower);  // a global variable or member of the class
  uint16_t newSlot();
  Resolved resolve(const std::string& name, ast::Position pos);
  Resolved resolveForWrite(const std::string& name, ast::Position pos);

  // ----- Eval/Execute code run inside a procedure (compiler_execute_scope.cpp)
  // Its own statements (not the procedures it defines) work in the
  // procedure's invocation.
  bool inProcedureScope() const { return scope_.global && outer_ && outer_->procedure; }
  void declareCreated(const std::string& name, ast::Position pos);
  // Const: a variable of the invocation that gets its value before the code runs.
  void declareCreatedConstant(const ast::ConstDecl& c);
  void initializeCreatedConstants();
  // A name of the invocation's created variables (earlier ones and this
  // code's): the resolved variable, or false when it has none of the name.
  bool resolveCreated(const std::string& lower, Resolved& r);
  // Where the name is among the invocation's created variables (earlier
  // ones first), or kNotCreated.
  static constexpr size_t kNotCreated = SIZE_MAX;
  size_t findCreated(const std::string& lower) const;
  // An unknown name: a variable of the invocation used while no global has it.
  void createImplicit(const std::string& lower, Resolved& r);
  size_t createdCount() const;  // earlier ones and this code's

  // ----- expressions (compiler_expr.cpp)
  void expr(const ast::Expr& e);
  void name(const ast::NameExpr& e);
  bool isLiteral(const ast::Expr& e);
  // An expression that reads variables and constants only (calls nothing).
  bool isPure(const ast::Expr& e);
  void call(const ast::CallExpr& e, bool wantResult);
  void callNamed(const std::string& name, ast::Position pos, const std::vector<ast::ExprPtr>& args,
                 bool wantResult);
  void member(const ast::MemberExpr& e, const std::vector<ast::ExprPtr>* args, Op op, bool wantResult);
  void memberObject(const ast::MemberExpr& e);
  RefMask arguments(const std::vector<ast::ExprPtr>& args, bool byRef);
  // 1001 for an argument list longer than a call site can count.
  void checkArgumentCount(const std::vector<ast::ExprPtr>& args);
  void valueArguments(const std::vector<ast::ExprPtr>& args);
  void newObject(const ast::NewExpr& e);
  int32_t addCall(CallSite site);
  int32_t memberSite(const std::string& name, const ast::Expr* object, uint16_t argc, RefMask refMask,
                     bool wantResult);
  void emitVar(Op op, const Resolved& r);
  void assign(const ast::AssignStmt& s);
  void assignName(const ast::NameExpr& target, const ast::Expr& value, bool isSet);
  bool assignInElement(const ast::CallExpr& target, const ast::Expr& value, bool isSet);
  bool concatPieces(const ast::NameExpr& target, const ast::Expr& value, std::vector<const ast::Expr*>& pieces);

  // ----- statements (compiler_stmt.cpp)
  void statements(const ast::StmtList& list);
  void statement(const ast::Stmt& s);
  void callStatement(const ast::CallStmt& s);
  void dim(const ast::DimStmt& s);
  void redim(const ast::ReDimStmt& s);
  void ifStatement(const ast::IfStmt& s);
  void selectStatement(const ast::SelectStmt& s);
  void forStatement(const ast::ForStmt& s);
  void forEachStatement(const ast::ForEachStmt& s);
  void doStatement(const ast::DoStmt& s);
  void exitStatement(const ast::ExitStmt& s);
  void withStatement(const ast::WithStmt& s);
  void eraseStatement(const ast::EraseStmt& s);

  // ----- emitting
  size_t emit(Op op, int32_t b = 0, uint16_t a = 0, uint8_t n = 0, int32_t c = 0, uint16_t d = kNoSlot);
  size_t here() const { return scope_.proc->code.size(); }
  void patch(size_t at, size_t target) { scope_.proc->code[at].b = static_cast<int32_t>(target); }
  void patchC(size_t at, size_t target) { scope_.proc->code[at].c = static_cast<int32_t>(target); }
  void region(size_t start, size_t resume, ast::Position pos);
  int32_t constant(Variant value);

  Program& program_;
  const OuterScope* outer_;
  Scope scope_;
  ast::Position statementPos_;  // of the statement being compiled
  std::unordered_map<std::string, int32_t> globalNames_;   // lower-case -> Program::globals index
  std::unordered_map<std::string, int32_t> builtinIndex_;  // lower-case -> Program::builtins index
  std::vector<std::pair<int32_t, ast::ProcedureStmt*>> pendingBodies_;
  std::vector<const ast::ConstDecl*> createdConstants_;
  std::unordered_map<std::string, size_t> createdHere_;  // name -> index in program_.createdVariables
};

}  // namespace corvela::vbs
