// The parser's internal class, shared by parser.cpp (statements and
// blocks), parser_decl.cpp (declarations, procedures, classes) and
// parser_expr.cpp (expressions, assignments and call statements).
// Recursive descent over the lexer with a small lookahead buffer; the first
// fault throws ParseFailure, which the entry points turn into a ScriptError.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

#include "platform/vbscript/ast.h"
#include "platform/vbscript/lexer.h"
#include "platform/vbscript/parser.h"

namespace corvela::vbs {

// Compile error numbers the parser raises.
namespace compile_error {
inline constexpr int32_t kOutOfMemory = 1001;  // also: nesting too deep to compile
inline constexpr int32_t kOutOfStack = 28;     // the thread's stack is nearly used up
inline constexpr int32_t kSyntax = 1002;
inline constexpr int32_t kExpectedLParen = 1005;
inline constexpr int32_t kExpectedRParen = 1006;
inline constexpr int32_t kExpectedIdentifier = 1010;
inline constexpr int32_t kExpectedEqual = 1011;
inline constexpr int32_t kExpectedIf = 1012;
inline constexpr int32_t kExpectedTo = 1013;
inline constexpr int32_t kExpectedEnd = 1014;
inline constexpr int32_t kExpectedFunction = 1015;
inline constexpr int32_t kExpectedSub = 1016;
inline constexpr int32_t kExpectedThen = 1017;
inline constexpr int32_t kExpectedWend = 1018;
inline constexpr int32_t kExpectedLoop = 1019;
inline constexpr int32_t kExpectedNext = 1020;
inline constexpr int32_t kExpectedCase = 1021;
inline constexpr int32_t kExpectedSelect = 1022;
inline constexpr int32_t kExpectedExpression = 1023;
inline constexpr int32_t kExpectedStatement = 1024;
inline constexpr int32_t kExpectedEndOfStatement = 1025;
inline constexpr int32_t kExpectedIntegerConstant = 1026;
inline constexpr int32_t kExpectedWhileUntilOrEnd = 1028;
inline constexpr int32_t kExpectedWith = 1029;
inline constexpr int32_t kInvalidMe = 1037;
inline constexpr int32_t kLoopWithoutDo = 1038;
inline constexpr int32_t kInvalidExit = 1039;
inline constexpr int32_t kInvalidForVariable = 1040;
inline constexpr int32_t kNameRedefined = 1041;
inline constexpr int32_t kMustBeFirstOnLine = 1042;
inline constexpr int32_t kParenthesesCallingSub = 1044;
inline constexpr int32_t kExpectedLiteral = 1045;
inline constexpr int32_t kExpectedIn = 1046;
inline constexpr int32_t kExpectedClass = 1047;
inline constexpr int32_t kMustBeInsideClass = 1048;
inline constexpr int32_t kExpectedPropertyKind = 1049;
inline constexpr int32_t kExpectedProperty = 1050;
inline constexpr int32_t kInconsistentPropertyArgs = 1051;
inline constexpr int32_t kMultipleDefaults = 1052;
inline constexpr int32_t kInitTerminateArgs = 1053;
inline constexpr int32_t kPropertyNeedsArgument = 1054;
inline constexpr int32_t kUnexpectedNext = 1055;
inline constexpr int32_t kDefaultPlacement = 1056;
inline constexpr int32_t kDefaultNeedsPublic = 1057;
inline constexpr int32_t kDefaultOnlyOnGet = 1058;
}  // namespace compile_error

struct ParseFailure {
  int32_t number;
  ast::Position pos;
};

// Nesting limits that keep the parser, the compiler and the tree's
// destructor within a thread's stack on hostile input.
inline constexpr int kMaxBlockNesting = 200;
inline constexpr int kMaxExpressionDepth = 1000;

class Parser {
 public:
  Parser(std::string_view source, const ParseOptions& options);

  void parseScript(ast::Script& script);
  ast::ExprPtr parseEvalExpression();

 private:
  // An expression and the depth of its tree (a lone leaf is 1).
  struct Parsed {
    ast::ExprPtr expr;
    int depth = 1;
  };

  // What a name stands for in one scope (for "Name redefined").
  enum NameUse : uint8_t {
    kVariable = 1, kProcedure = 2, kClass = 4, kPropertyGet = 8, kPropertyLet = 16, kPropertySet = 32,
  };
  struct NameEntry {
    uint8_t uses = 0;  // NameUse bits; properties may share a name across Get/Let/Set
    int getArgs = -1, letArgs = -1, setArgs = -1;
  };
  using NameScope = std::unordered_map<std::string, NameEntry>;

  enum class ProcContext : uint8_t { None, Sub, Function, Property };

  // ---- tokens (parser.cpp)
  const Token& cur() const { return ahead_.front(); }
  const Token& peek(size_t n);
  bool is(TokenKind kind) const { return cur().kind == kind; }
  void advance();
  bool accept(TokenKind kind);
  void expect(TokenKind kind, int32_t error);
  std::string expectName();
  [[noreturn]] void fail(int32_t number, ast::Position pos) const;
  [[noreturn]] void failHere(int32_t number) const;
  bool atLineEnd() const;
  bool atStatementEnd() const;
  bool atNameToken() const;
  bool atStatementStart() const;

  // ---- blocks and control flow (parser.cpp)
  void parseBlock(ast::StmtList& out, bool closedByEnd = false);
  void parseInline(ast::StmtList& out);
  bool atBlockCloser() const;
  [[noreturn]] void failUnclosed(int32_t expected) const;
  void expectEnd(TokenKind what, int32_t error, int32_t unclosedError);
  void parseStatement(ast::StmtList& out);
  ast::StmtPtr parseIf();
  ast::StmtPtr parseSelect();
  void parseCaseTests(ast::CaseClause& clause);
  ast::StmtPtr parseFor();
  ast::StmtPtr parseDo();
  ast::StmtPtr parseWhile();
  ast::StmtPtr parseWith();
  ast::StmtPtr parseExit();
  ast::StmtPtr parseOnError();
  void parseOption();
  void expectStatementEnd() const;

  // ---- declarations (parser_decl.cpp)
  void parseModifiedDeclaration(ast::StmtList& out);
  ast::StmtPtr parseDim(ast::Visibility visibility, ast::Position pos);
  ast::StmtPtr parseReDim();
  ast::StmtPtr parseConst(ast::Visibility visibility, ast::Position pos);
  ast::StmtPtr parseErase();
  ast::StmtPtr parseProcedure(ast::Visibility visibility, bool isDefault, ast::Position pos);
  void parseParameters(ast::ProcedureStmt& proc);
  ast::StmtPtr parseClass();
  void parseClassMember(ast::ClassStmt& cls);
  void declare(NameScope& scope, const std::string& name, ast::Position pos, NameUse use, int args = -1) const;
  void declareVariable(const std::string& name, ast::Position pos);
  NameScope& currentScope();
  void checkProcedureAllowed() const;
  void checkClassAllowed() const;

  // ---- expressions, assignments and calls (parser_expr.cpp)
  ast::ExprPtr parseExpression();
  Parsed parseExpr(int minLevel);
  Parsed parseBinaryRest(int minLevel, Parsed left);
  Parsed parseUnary();
  Parsed parsePrimary();
  Parsed parsePostfix(Parsed base, bool statementTarget);
  int parseArguments(std::vector<ast::ExprPtr>& args);
  void parseCallArguments(std::vector<ast::ExprPtr>& args);
  Parsed parseTargetChain();
  ast::StmtPtr parseAssignOrCall();
  ast::StmtPtr parseSet();
  ast::StmtPtr parseCallKeyword();
  ast::StmtPtr finishCall(ast::Position pos, Parsed chain, bool callKeyword);
  ast::ExprPtr parseConstValue();
  void checkDepth(int depth) const;

  Lexer lexer_;
  ParseOptions options_;
  std::deque<Token> ahead_;  // ahead_[0] is the current token

  // Context of the statement being parsed.
  ast::Script* script_ = nullptr;
  bool sawStatement_ = false;  // Option Explicit must come first
  bool inClass_ = false;
  ProcContext proc_ = ProcContext::None;
  int doDepth_ = 0;    // enclosing Do loops (not While...Wend) in this procedure
  int forDepth_ = 0;   // enclosing For / For Each loops in this procedure
  int blockDepth_ = 0; // enclosing compound statements in this procedure
  int recursion_ = 0;  // parseExpr nesting
  NameScope globals_;
  NameScope* locals_ = nullptr;  // the procedure's scope while inside one
  NameScope* members_ = nullptr; // the class's scope while inside one
  bool classHasDefault_ = false;
};

}  // namespace corvela::vbs
