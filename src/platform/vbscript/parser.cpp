// The parser's entry points, token handling, statement blocks and control
// flow statements. Where Microsoft's engine reports a fault at a token, so
// do we: errors carry the line and column of the token the parser was
// looking at when it gave up.
#include "platform/vbscript/parser.h"

#include <new>

#include "platform/automation/com_error.h"
#include "platform/vbscript/native_stack.h"
#include "platform/vbscript/parser_impl.h"

namespace corvela::vbs {

using namespace compile_error;

namespace {

// Keeps count of the compound statements being parsed, so hostile nesting
// ends in an error instead of a stack overflow.
class BlockGuard {
 public:
  BlockGuard(int& depth, const Token& at) : depth_(depth) {
    if (++depth_ > kMaxBlockNesting) throw ParseFailure{kOutOfMemory, at.pos};
    if (nativeStackLow(kCompilerStackReserve)) throw ParseFailure{kOutOfStack, at.pos};
  }
  ~BlockGuard() { --depth_; }
  BlockGuard(const BlockGuard&) = delete;
  BlockGuard& operator=(const BlockGuard&) = delete;

 private:
  int& depth_;
};

void fillError(const ast::Script& script, const ParseFailure& failure, ScriptError& error) {
  error = ScriptError{};
  error.number = failure.number;
  error.source = kCompileErrorSource;
  error.description = standardErrorText(failure.number);
  error.line = failure.pos.line;
  error.column = failure.pos.column;
  error.text = std::string(script.lineText(failure.pos.line));
}

std::unique_ptr<ast::Script> newScript(std::string_view source) {
  auto script = std::make_unique<ast::Script>();
  script->source.assign(source);
  script->lineStarts = lineStartsOf(script->source);
  return script;
}

}  // namespace

std::unique_ptr<ast::Script> parseScript(std::string_view source, ScriptError& error,
                                         const ParseOptions& options) {
  auto script = newScript(source);
  try {
    Parser parser(script->source, options);
    parser.parseScript(*script);
  } catch (const ParseFailure& failure) {
    fillError(*script, failure, error);
    return nullptr;
  } catch (const std::bad_alloc&) {
    fillError(*script, ParseFailure{kOutOfMemory, {1, 1}}, error);
    return nullptr;
  }
  error = ScriptError{};
  return script;
}

std::unique_ptr<ast::Script> parseExpression(std::string_view source, ast::ExprPtr& expression,
                                             ScriptError& error, const ParseOptions& options) {
  auto script = newScript(source);
  try {
    Parser parser(script->source, options);
    expression = parser.parseEvalExpression();
  } catch (const ParseFailure& failure) {
    fillError(*script, failure, error);
    return nullptr;
  } catch (const std::bad_alloc&) {
    fillError(*script, ParseFailure{kOutOfMemory, {1, 1}}, error);
    return nullptr;
  }
  error = ScriptError{};
  return script;
}

// ------------------------------------------------------------------ tokens

Parser::Parser(std::string_view source, const ParseOptions& options) : lexer_(source), options_(options) {
  ahead_.push_back(lexer_.next());
}

const Token& Parser::peek(size_t n) {
  while (ahead_.size() <= n) ahead_.push_back(lexer_.next());
  return ahead_[n];
}

void Parser::advance() {
  ahead_.pop_front();
  if (ahead_.empty()) ahead_.push_back(lexer_.next());
  if (is(TokenKind::Error)) fail(cur().errorNumber, cur().pos);
}

bool Parser::accept(TokenKind kind) {
  if (!is(kind)) return false;
  advance();
  return true;
}

void Parser::expect(TokenKind kind, int32_t error) {
  if (!is(kind)) failHere(error);
  advance();
}

bool Parser::atNameToken() const {
  // Property, Default, Error, Explicit and Step are reserved only where their
  // statements use them (Property Get, Public Default, On Error, Option
  // Explicit, For ... Step); elsewhere they serve as plain names.
  switch (cur().kind) {
    case TokenKind::Identifier:
    case TokenKind::KwProperty:
    case TokenKind::KwDefault:
    case TokenKind::KwError:
    case TokenKind::KwExplicit:
    case TokenKind::KwStep:
      return true;
    default:
      return false;
  }
}

// A token parseStatement takes as the start of a statement.
bool Parser::atStatementStart() const {
  if (atNameToken()) return true;
  switch (cur().kind) {
    case TokenKind::KwMe: case TokenKind::Dot: case TokenKind::KwCall: case TokenKind::KwSet:
    case TokenKind::KwDim: case TokenKind::KwReDim: case TokenKind::KwConst: case TokenKind::KwErase:
    case TokenKind::KwPublic: case TokenKind::KwPrivate: case TokenKind::KwSub: case TokenKind::KwFunction:
    case TokenKind::KwClass: case TokenKind::KwIf: case TokenKind::KwSelect: case TokenKind::KwFor:
    case TokenKind::KwDo: case TokenKind::KwWhile: case TokenKind::KwWith: case TokenKind::KwExit:
    case TokenKind::KwOn: case TokenKind::KwOption: case TokenKind::KwStop:
      return true;
    default:
      return false;
  }
}

std::string Parser::expectName() {
  if (!atNameToken()) failHere(kExpectedIdentifier);
  std::string name = cur().text;
  advance();
  return name;
}

void Parser::fail(int32_t number, ast::Position pos) const { throw ParseFailure{number, pos}; }

void Parser::failHere(int32_t number) const { fail(number, cur().pos); }

bool Parser::atLineEnd() const { return is(TokenKind::Newline) || is(TokenKind::EndOfInput); }

bool Parser::atStatementEnd() const { return atLineEnd() || is(TokenKind::Colon); }

void Parser::expectStatementEnd() const {
  if (atStatementEnd()) return;
  // `x = 0 End If`: a block's End may not follow a statement on its line.
  failHere(is(TokenKind::KwEnd) ? kMustBeFirstOnLine : kExpectedEndOfStatement);
}

// ------------------------------------------------------------------ blocks

void Parser::parseScript(ast::Script& script) {
  if (is(TokenKind::Error)) failHere(cur().errorNumber);
  script_ = &script;
  parseBlock(script.body);
  if (!is(TokenKind::EndOfInput)) failUnclosed(kExpectedStatement);
}

ast::ExprPtr Parser::parseEvalExpression() {
  if (is(TokenKind::Error)) failHere(cur().errorNumber);
  ast::ExprPtr expression = parseExpression();
  while (is(TokenKind::Newline)) advance();
  if (!is(TokenKind::EndOfInput)) failHere(kExpectedEndOfStatement);
  return expression;
}

bool Parser::atBlockCloser() const {
  switch (cur().kind) {
    case TokenKind::EndOfInput:
    case TokenKind::KwEnd:
    case TokenKind::KwElse:
    case TokenKind::KwElseIf:
    case TokenKind::KwCase:
    case TokenKind::KwLoop:
    case TokenKind::KwNext:
    case TokenKind::KwWend:
      return true;
    default:
      return false;
  }
}

// Statements up to the first token that closes a block (End, Else, Loop,
// Next, ...) or the end of the input; the caller checks that the closer is
// its own. Line breaks, ':' and Rem comments separate statements. In a block
// that End closes (If, Select, With, procedures) the End may also follow a
// statement on its line: `Else x = 3 End If`, `x = 1 End Sub`.
void Parser::parseBlock(ast::StmtList& out, bool closedByEnd) {
  for (;;) {
    while (is(TokenKind::Newline) || is(TokenKind::Colon) || is(TokenKind::KwRem)) advance();
    if (atBlockCloser()) return;
    parseStatement(out);
    if (closedByEnd && is(TokenKind::KwEnd)) return;
    expectStatementEnd();
  }
}

// The statements of a single-line If: ':'-separated, up to the line end,
// an Else, or a closing `End If`.
void Parser::parseInline(ast::StmtList& out) {
  for (;;) {
    while (is(TokenKind::Colon)) advance();
    if (atLineEnd() || is(TokenKind::KwElse)) return;
    if (is(TokenKind::KwRem)) {
      advance();
      continue;
    }
    if (is(TokenKind::KwEnd)) {
      if (!out.empty() && peek(1).kind == TokenKind::KwIf) return;
      failHere(out.empty() ? kExpectedStatement : kMustBeFirstOnLine);
    }
    parseStatement(out);
    if (is(TokenKind::Colon)) continue;
    if (atLineEnd() || is(TokenKind::KwElse)) return;
    if (is(TokenKind::KwEnd) && peek(1).kind == TokenKind::KwIf) return;
    expectStatementEnd();
  }
}

// A block ended at a token that is not its closer.
void Parser::failUnclosed(int32_t expected) const {
  if (is(TokenKind::KwLoop) && doDepth_ == 0) failHere(kLoopWithoutDo);
  if (is(TokenKind::KwNext) && forDepth_ == 0) failHere(kUnexpectedNext);
  failHere(expected);
}

// `End <what>` closing a block.
void Parser::expectEnd(TokenKind what, int32_t error, int32_t unclosedError) {
  if (!is(TokenKind::KwEnd)) failUnclosed(unclosedError);
  advance();
  expect(what, error);
}

void Parser::parseStatement(ast::StmtList& out) {
  const ast::Position pos = cur().pos;
  if (!is(TokenKind::KwOption)) sawStatement_ = true;
  switch (cur().kind) {
    case TokenKind::Identifier:
    case TokenKind::KwMe:
    case TokenKind::Dot:
    case TokenKind::KwError:
    case TokenKind::KwExplicit:
    case TokenKind::KwStep:
      out.push_back(parseAssignOrCall());
      return;
    case TokenKind::KwDefault: {
      const TokenKind next = peek(1).kind;
      if (next == TokenKind::KwSub || next == TokenKind::KwFunction || next == TokenKind::KwProperty) {
        failHere(kMustBeInsideClass);
      }
      out.push_back(parseAssignOrCall());
      return;
    }
    case TokenKind::KwProperty: {
      const TokenKind next = peek(1).kind;
      if (next == TokenKind::KwGet || next == TokenKind::KwLet || next == TokenKind::KwSet) {
        failHere(kMustBeInsideClass);
      }
      out.push_back(parseAssignOrCall());
      return;
    }
    case TokenKind::KwCall: out.push_back(parseCallKeyword()); return;
    case TokenKind::KwSet: out.push_back(parseSet()); return;
    case TokenKind::KwDim:
      advance();
      out.push_back(parseDim(ast::Visibility::Unspecified, pos));
      return;
    case TokenKind::KwReDim: out.push_back(parseReDim()); return;
    case TokenKind::KwConst:
      advance();
      out.push_back(parseConst(ast::Visibility::Unspecified, pos));
      return;
    case TokenKind::KwErase: out.push_back(parseErase()); return;
    case TokenKind::KwPublic:
    case TokenKind::KwPrivate: parseModifiedDeclaration(out); return;
    case TokenKind::KwSub:
    case TokenKind::KwFunction:
      checkProcedureAllowed();
      out.push_back(parseProcedure(ast::Visibility::Unspecified, false, pos));
      return;
    case TokenKind::KwClass:
      checkClassAllowed();
      out.push_back(parseClass());
      return;
    case TokenKind::KwIf: out.push_back(parseIf()); return;
    case TokenKind::KwSelect: out.push_back(parseSelect()); return;
    case TokenKind::KwFor: out.push_back(parseFor()); return;
    case TokenKind::KwDo: out.push_back(parseDo()); return;
    case TokenKind::KwWhile: out.push_back(parseWhile()); return;
    case TokenKind::KwWith: out.push_back(parseWith()); return;
    case TokenKind::KwExit: out.push_back(parseExit()); return;
    case TokenKind::KwOn: out.push_back(parseOnError()); return;
    case TokenKind::KwOption: parseOption(); return;
    case TokenKind::KwStop:
      advance();
      out.push_back(std::make_unique<ast::Stmt>(ast::StmtKind::Stop, pos));
      return;
    default: failHere(kExpectedStatement);
  }
}

// ------------------------------------------------------------- control flow

ast::StmtPtr Parser::parseIf() {
  auto stmt = std::make_unique<ast::IfStmt>(cur().pos);
  BlockGuard guard(blockDepth_, cur());
  advance();
  ast::IfBranch first;
  first.pos = stmt->pos;
  first.condition = parseExpression();
  expect(TokenKind::KwThen, kExpectedThen);
  // A line break or comment after Then makes the block form; anything else,
  // ':' too (`If x Then :` is an If with an empty statement), one line.
  if (!atLineEnd() && !is(TokenKind::KwRem)) {
    stmt->singleLine = true;
    parseInline(first.body);
    stmt->branches.push_back(std::move(first));
    if (accept(TokenKind::KwElse)) {
      stmt->hasElse = true;
      parseInline(stmt->elseBody);
    }
    if (is(TokenKind::KwEnd) && peek(1).kind == TokenKind::KwIf) {
      advance();
      advance();
    }
    return stmt;
  }
  parseBlock(first.body, true);
  stmt->branches.push_back(std::move(first));
  while (is(TokenKind::KwElseIf)) {
    ast::IfBranch branch;
    branch.pos = cur().pos;
    advance();
    branch.condition = parseExpression();
    expect(TokenKind::KwThen, kExpectedThen);
    parseBlock(branch.body, true);
    stmt->branches.push_back(std::move(branch));
  }
  if (is(TokenKind::KwElse)) {
    advance();
    // `Else End If` on one line: Else must be followed by a statement or a line end.
    if (!atStatementEnd() && !is(TokenKind::KwRem) && atBlockCloser()) failHere(kExpectedStatement);
    stmt->hasElse = true;
    parseBlock(stmt->elseBody, true);
  }
  expectEnd(TokenKind::KwIf, kExpectedIf, kExpectedEnd);
  return stmt;
}

ast::StmtPtr Parser::parseSelect() {
  auto stmt = std::make_unique<ast::SelectStmt>(cur().pos);
  BlockGuard guard(blockDepth_, cur());
  advance();
  expect(TokenKind::KwCase, kExpectedCase);
  stmt->subject = parseExpression();
  expectStatementEnd();
  for (;;) {
    while (is(TokenKind::Newline) || is(TokenKind::Colon) || is(TokenKind::KwRem)) advance();
    if (is(TokenKind::KwCase)) {
      const ast::Position casePos = cur().pos;
      advance();
      if (is(TokenKind::KwElse)) {
        stmt->hasElse = true;
        stmt->elsePos = casePos;
        advance();
        parseBlock(stmt->elseBody, true);
        expectEnd(TokenKind::KwSelect, kExpectedSelect, kExpectedEnd);
        return stmt;
      }
      ast::CaseClause clause;
      clause.pos = casePos;
      parseCaseTests(clause);
      // `Case 1  x = 200`: the clause's first statement may follow its values.
      if (!atStatementStart()) expectStatementEnd();
      parseBlock(clause.body, true);
      stmt->cases.push_back(std::move(clause));
      continue;
    }
    if (is(TokenKind::KwEnd)) {
      expectEnd(TokenKind::KwSelect, kExpectedSelect, kExpectedEnd);
      return stmt;
    }
    // Statements before the first Case.
    if (stmt->cases.empty() && !atBlockCloser()) failHere(kExpectedCase);
    failUnclosed(kExpectedEnd);
  }
}

void Parser::parseCaseTests(ast::CaseClause& clause) {
  do {
    ast::CaseTest test;
    test.pos = cur().pos;
    if (accept(TokenKind::KwIs)) {
      test.kind = ast::CaseTestKind::Is;
      switch (cur().kind) {
        case TokenKind::Equal: test.op = ast::BinaryOp::Equal; break;
        case TokenKind::NotEqual: test.op = ast::BinaryOp::NotEqual; break;
        case TokenKind::Less: test.op = ast::BinaryOp::Less; break;
        case TokenKind::Greater: test.op = ast::BinaryOp::Greater; break;
        case TokenKind::LessEqual: test.op = ast::BinaryOp::LessEqual; break;
        case TokenKind::GreaterEqual: test.op = ast::BinaryOp::GreaterEqual; break;
        default: failHere(kExpectedExpression);
      }
      advance();
      test.value = parseExpression();
    } else {
      test.value = parseExpression();
      if (accept(TokenKind::KwTo)) {
        test.kind = ast::CaseTestKind::Range;
        test.upper = parseExpression();
      }
    }
    clause.tests.push_back(std::move(test));
  } while (accept(TokenKind::Comma));
}

ast::StmtPtr Parser::parseFor() {
  const ast::Position pos = cur().pos;
  BlockGuard guard(blockDepth_, cur());
  advance();
  const bool forEach = accept(TokenKind::KwEach);
  const ast::Position variablePos = cur().pos;
  std::string variable = expectName();
  // The control variable is a plain name: not x.y, not x(1).
  if (is(TokenKind::Dot) || is(TokenKind::LParen)) failHere(kInvalidForVariable);
  ast::StmtList* body;
  ast::StmtPtr result;
  if (forEach) {
    auto stmt = std::make_unique<ast::ForEachStmt>(pos);
    stmt->variable = std::move(variable);
    stmt->variablePos = variablePos;
    expect(TokenKind::KwIn, kExpectedIn);
    stmt->collection = parseExpression();
    body = &stmt->body;
    result = std::move(stmt);
  } else {
    auto stmt = std::make_unique<ast::ForStmt>(pos);
    stmt->variable = std::move(variable);
    stmt->variablePos = variablePos;
    expect(TokenKind::Equal, kExpectedEqual);
    stmt->from = parseExpression();
    expect(TokenKind::KwTo, kExpectedTo);
    stmt->to = parseExpression();
    if (accept(TokenKind::KwStep)) stmt->step = parseExpression();
    body = &stmt->body;
    result = std::move(stmt);
  }
  expectStatementEnd();
  ++forDepth_;
  parseBlock(*body);
  --forDepth_;
  if (!is(TokenKind::KwNext)) failUnclosed(kExpectedNext);
  const ast::Position nextPos = cur().pos;
  if (forEach)
    static_cast<ast::ForEachStmt&>(*result).nextPos = nextPos;
  else
    static_cast<ast::ForStmt&>(*result).nextPos = nextPos;
  advance();
  return result;
}

ast::StmtPtr Parser::parseDo() {
  auto stmt = std::make_unique<ast::DoStmt>(cur().pos);
  BlockGuard guard(blockDepth_, cur());
  advance();
  if (is(TokenKind::KwWhile) || is(TokenKind::KwUntil)) {
    stmt->test = is(TokenKind::KwWhile) ? ast::LoopTest::PreWhile : ast::LoopTest::PreUntil;
    advance();
    stmt->condition = parseExpression();
    expectStatementEnd();
  } else if (!atStatementEnd()) {
    failHere(kExpectedWhileUntilOrEnd);
  }
  ++doDepth_;
  parseBlock(stmt->body);
  --doDepth_;
  if (!is(TokenKind::KwLoop)) failUnclosed(kExpectedLoop);
  stmt->loopPos = cur().pos;
  advance();
  if (is(TokenKind::KwWhile) || is(TokenKind::KwUntil)) {
    // Do While c ... Loop While d: one test per loop.
    if (stmt->test != ast::LoopTest::None) failHere(kExpectedEndOfStatement);
    stmt->test = is(TokenKind::KwWhile) ? ast::LoopTest::PostWhile : ast::LoopTest::PostUntil;
    advance();
    stmt->condition = parseExpression();
  } else if (!atStatementEnd() && !is(TokenKind::KwEnd)) {
    failHere(kExpectedWhileUntilOrEnd);
  }
  return stmt;
}

ast::StmtPtr Parser::parseWhile() {
  auto stmt = std::make_unique<ast::DoStmt>(cur().pos);
  BlockGuard guard(blockDepth_, cur());
  stmt->whileWend = true;
  stmt->test = ast::LoopTest::PreWhile;
  advance();
  stmt->condition = parseExpression();
  expectStatementEnd();
  parseBlock(stmt->body);
  if (!is(TokenKind::KwWend)) failUnclosed(kExpectedWend);
  advance();
  return stmt;
}

ast::StmtPtr Parser::parseWith() {
  auto stmt = std::make_unique<ast::WithStmt>(cur().pos);
  BlockGuard guard(blockDepth_, cur());
  advance();
  stmt->object = parseExpression();
  expectStatementEnd();
  parseBlock(stmt->body, true);
  expectEnd(TokenKind::KwWith, kExpectedWith, kExpectedEnd);
  return stmt;
}

ast::StmtPtr Parser::parseExit() {
  const ast::Position pos = cur().pos;
  advance();
  ast::ExitKind what;
  bool valid;
  switch (cur().kind) {
    case TokenKind::KwDo: what = ast::ExitKind::Do; valid = doDepth_ > 0; break;
    case TokenKind::KwFor: what = ast::ExitKind::For; valid = forDepth_ > 0; break;
    case TokenKind::KwSub: what = ast::ExitKind::Sub; valid = proc_ == ProcContext::Sub; break;
    case TokenKind::KwFunction: what = ast::ExitKind::Function; valid = proc_ == ProcContext::Function; break;
    case TokenKind::KwProperty: what = ast::ExitKind::Property; valid = proc_ == ProcContext::Property; break;
    default: failHere(kInvalidExit);
  }
  if (!valid) failHere(kInvalidExit);
  advance();
  return std::make_unique<ast::ExitStmt>(pos, what);
}

ast::StmtPtr Parser::parseOnError() {
  const ast::Position pos = cur().pos;
  advance();
  expect(TokenKind::KwError, kSyntax);
  if (accept(TokenKind::KwResume)) {
    expect(TokenKind::KwNext, kSyntax);
    return std::make_unique<ast::OnErrorStmt>(pos, true);
  }
  expect(TokenKind::KwGoTo, kSyntax);
  // Only `GoTo 0`: VBScript has no labels.
  const bool zero = is(TokenKind::Number) && cur().value.type() == VarType::Integer && cur().value.rawInteger() == 0;
  if (!zero) failHere(kSyntax);
  advance();
  return std::make_unique<ast::OnErrorStmt>(pos, false);
}

void Parser::parseOption() {
  // Option Explicit must come before every other statement.
  if (sawStatement_ || script_ == nullptr) failHere(kExpectedStatement);
  advance();
  expect(TokenKind::KwExplicit, kSyntax);
  script_->optionExplicit = true;
}

}  // namespace corvela::vbs
