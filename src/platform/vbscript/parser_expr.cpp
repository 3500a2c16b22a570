// Expressions, assignments and call statements.
//
// Precedence, loosest first: Imp, Eqv, Xor, Or, And, Not, comparisons
// (= <> < > <= >= Is, one level, left to right), &, + -, Mod, \, * /, ^,
// unary - +. Unary minus binds tighter than ^ (-3^2 = 9) and every binary
// operator is left-associative (2^3^2 = 64).
#include <algorithm>

#include "platform/vbscript/native_stack.h"
#include "platform/vbscript/parser_impl.h"

namespace corvela::vbs {

using namespace compile_error;

namespace {

enum Level : int {
  kLevelImp = 1,
  kLevelEqv,
  kLevelXor,
  kLevelOr,
  kLevelAnd,
  kLevelNot,
  kLevelCompare,
  kLevelConcat,
  kLevelAdd,
  kLevelMod,
  kLevelIntDivide,
  kLevelMultiply,
  kLevelPower,
};

// The binary operator a token stands for and its level; false when the
// token is no binary operator.
bool binaryOperator(TokenKind kind, ast::BinaryOp& op, int& level) {
  using ast::BinaryOp;
  switch (kind) {
    case TokenKind::KwImp: op = BinaryOp::Imp; level = kLevelImp; return true;
    case TokenKind::KwEqv: op = BinaryOp::Eqv; level = kLevelEqv; return true;
    case TokenKind::KwXor: op = BinaryOp::Xor; level = kLevelXor; return true;
    case TokenKind::KwOr: op = BinaryOp::Or; level = kLevelOr; return true;
    case TokenKind::KwAnd: op = BinaryOp::And; level = kLevelAnd; return true;
    case TokenKind::Equal: op = BinaryOp::Equal; level = kLevelCompare; return true;
    case TokenKind::NotEqual: op = BinaryOp::NotEqual; level = kLevelCompare; return true;
    case TokenKind::Less: op = BinaryOp::Less; level = kLevelCompare; return true;
    case TokenKind::Greater: op = BinaryOp::Greater; level = kLevelCompare; return true;
    case TokenKind::LessEqual: op = BinaryOp::LessEqual; level = kLevelCompare; return true;
    case TokenKind::GreaterEqual: op = BinaryOp::GreaterEqual; level = kLevelCompare; return true;
    case TokenKind::KwIs: op = BinaryOp::Is; level = kLevelCompare; return true;
    case TokenKind::Ampersand: op = BinaryOp::Concat; level = kLevelConcat; return true;
    case TokenKind::Plus: op = BinaryOp::Add; level = kLevelAdd; return true;
    case TokenKind::Minus: op = BinaryOp::Subtract; level = kLevelAdd; return true;
    case TokenKind::KwMod: op = BinaryOp::Mod; level = kLevelMod; return true;
    case TokenKind::Backslash: op = BinaryOp::IntDivide; level = kLevelIntDivide; return true;
    case TokenKind::Star: op = BinaryOp::Multiply; level = kLevelMultiply; return true;
    case TokenKind::Slash: op = BinaryOp::Divide; level = kLevelMultiply; return true;
    case TokenKind::Caret: op = BinaryOp::Power; level = kLevelPower; return true;
    default: return false;
  }
}

// Counts parser recursion so that `((((...` or `- - - -...` fail cleanly.
class RecursionGuard {
 public:
  RecursionGuard(int& depth, const Token& at) : depth_(depth) {
    if (++depth_ > kMaxExpressionDepth) throw ParseFailure{kOutOfMemory, at.pos};
    if (nativeStackLow(kCompilerStackReserve)) throw ParseFailure{kOutOfStack, at.pos};
  }
  ~RecursionGuard() { --depth_; }
  RecursionGuard(const RecursionGuard&) = delete;
  RecursionGuard& operator=(const RecursionGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace

void Parser::checkDepth(int depth) const {
  if (depth > kMaxExpressionDepth) failHere(kOutOfMemory);
}

ast::ExprPtr Parser::parseExpression() { return parseExpr(kLevelImp).expr; }

Parser::Parsed Parser::parseExpr(int minLevel) {
  RecursionGuard guard(recursion_, cur());
  return parseBinaryRest(minLevel, parseUnary());
}

// Binary operators of at least `minLevel` following `left`.
Parser::Parsed Parser::parseBinaryRest(int minLevel, Parsed left) {
  for (;;) {
    ast::BinaryOp op;
    int level;
    if (!binaryOperator(cur().kind, op, level) || level < minLevel) return left;
    const ast::Position pos = cur().pos;
    advance();
    Parsed right = parseExpr(level + 1);
    const int depth = std::max(left.depth, right.depth) + 1;
    checkDepth(depth);
    left = Parsed{std::make_unique<ast::BinaryExpr>(pos, op, std::move(left.expr), std::move(right.expr)), depth};
  }
}

Parser::Parsed Parser::parseUnary() {
  RecursionGuard guard(recursion_, cur());
  const ast::Position pos = cur().pos;
  if (accept(TokenKind::KwNot)) {
    // Not takes everything down to the comparisons: Not a = b is Not (a = b).
    Parsed operand = parseExpr(kLevelCompare);
    return Parsed{std::make_unique<ast::UnaryExpr>(pos, ast::UnaryOp::Not, std::move(operand.expr)),
                  operand.depth + 1};
  }
  if (is(TokenKind::Minus) || is(TokenKind::Plus)) {
    const ast::UnaryOp op = is(TokenKind::Minus) ? ast::UnaryOp::Negate : ast::UnaryOp::Plus;
    advance();
    Parsed operand = parseUnary();
    return Parsed{std::make_unique<ast::UnaryExpr>(pos, op, std::move(operand.expr)), operand.depth + 1};
  }
  return parsePrimary();
}

Parser::Parsed Parser::parsePrimary() {
  const Token& token = cur();
  const ast::Position pos = token.pos;
  auto literal = [&](Variant value) {
    advance();
    return Parsed{std::make_unique<ast::LiteralExpr>(pos, std::move(value))};
  };
  switch (token.kind) {
    case TokenKind::Number:
    case TokenKind::String:
    case TokenKind::Date: return literal(token.value);
    case TokenKind::KwTrue: return literal(Variant(true));
    case TokenKind::KwFalse: return literal(Variant(false));
    case TokenKind::KwEmpty: return literal(Variant());
    case TokenKind::KwNull: return literal(Variant::null());
    case TokenKind::KwNothing: return literal(Variant::nothing());
    case TokenKind::LParen: {
      advance();
      Parsed inner = parseExpr(kLevelImp);
      expect(TokenKind::RParen, kExpectedRParen);
      if (is(TokenKind::Dot) || is(TokenKind::LParen)) {
        // `(New C).Prop`, `(f)(x)`: the group starts a member chain. The
        // parentheses only group here, so `(f)(x)` calls f with x as f(x)
        // would (x still ByRef), and `((a))(0)` indexes a.
        while (inner.expr->kind == ast::ExprKind::Paren)
          inner.expr = std::move(static_cast<ast::ParenExpr&>(*inner.expr).inner);
        return parsePostfix(std::move(inner), false);
      }
      return Parsed{std::make_unique<ast::ParenExpr>(pos, std::move(inner.expr)), inner.depth + 1};
    }
    case TokenKind::KwNew: {
      advance();
      std::string name = expectName();
      return Parsed{std::make_unique<ast::NewExpr>(pos, std::move(name))};
    }
    case TokenKind::Identifier:
    case TokenKind::KwProperty:
    case TokenKind::KwDefault:
    case TokenKind::KwError:
    case TokenKind::KwExplicit:
    case TokenKind::KwStep:
    case TokenKind::KwMe:
    case TokenKind::Dot: return parsePostfix(parseTargetChain(), false);
    default: failHere(kExpectedExpression);
  }
}

// The start of something that can be assigned or called: a name, Me, or
// `.name` inside With. Members and argument lists follow in parsePostfix.
Parser::Parsed Parser::parseTargetChain() {
  const ast::Position pos = cur().pos;
  Parsed base;
  if (is(TokenKind::KwMe)) {
    if (!inClass_ && !options_.insideClass) failHere(kInvalidMe);
    base.expr = std::make_unique<ast::Expr>(ast::ExprKind::Me, pos);
    advance();
  } else if (is(TokenKind::Dot)) {
    advance();
    if (!is(TokenKind::Identifier)) failHere(kExpectedIdentifier);
    base.expr = std::make_unique<ast::MemberExpr>(cur().pos, nullptr, cur().text);
    advance();
  } else {
    base.expr = std::make_unique<ast::NameExpr>(pos, expectName());
  }
  return base;
}

// Member accesses and argument lists after `base`. For a statement's
// target a "." after a blank starts the first argument instead
// (`Response.Write .Name` inside With).
Parser::Parsed Parser::parsePostfix(Parsed base, bool statementTarget) {
  for (;;) {
    if (is(TokenKind::Dot)) {
      if (statementTarget && cur().spaceBefore) return base;
      advance();
      if (!is(TokenKind::Identifier)) failHere(kExpectedIdentifier);
      base = Parsed{std::make_unique<ast::MemberExpr>(cur().pos, std::move(base.expr), cur().text), base.depth + 1};
      advance();
    } else if (is(TokenKind::LParen)) {
      auto call = std::make_unique<ast::CallExpr>(cur().pos, std::move(base.expr));
      const int argsDepth = parseArguments(call->args);
      base = Parsed{std::move(call), std::max(base.depth, argsDepth) + 1};
    } else {
      return base;
    }
    checkDepth(base.depth);
  }
}

// `( a, , c )` with the current token at "("; returns the deepest argument's depth.
int Parser::parseArguments(std::vector<ast::ExprPtr>& args) {
  advance();
  if (accept(TokenKind::RParen)) return 0;
  int depth = 0;
  for (;;) {
    if (is(TokenKind::Comma) || is(TokenKind::RParen)) {
      args.push_back(nullptr);
    } else {
      Parsed arg = parseExpr(kLevelImp);
      depth = std::max(depth, arg.depth);
      args.push_back(std::move(arg.expr));
    }
    if (accept(TokenKind::Comma)) continue;
    expect(TokenKind::RParen, kExpectedRParen);
    return depth;
  }
}

// The arguments of a call statement written without parentheses, from the
// current token: `f a, , c` (an empty place is an omitted argument).
void Parser::parseCallArguments(std::vector<ast::ExprPtr>& args) {
  for (;;) {
    if (is(TokenKind::Comma) || atStatementEnd()) {
      args.push_back(nullptr);
    } else {
      args.push_back(parseExpression());
    }
    if (!accept(TokenKind::Comma)) return;
  }
}

ast::StmtPtr Parser::parseAssignOrCall() {
  const ast::Position pos = cur().pos;
  Parsed chain = parsePostfix(parseTargetChain(), true);
  if (!accept(TokenKind::Equal)) return finishCall(pos, std::move(chain), false);
  auto stmt = std::make_unique<ast::AssignStmt>(pos);
  stmt->target = std::move(chain.expr);
  stmt->value = parseExpression();
  return stmt;
}

ast::StmtPtr Parser::parseSet() {
  auto stmt = std::make_unique<ast::AssignStmt>(cur().pos);
  stmt->isSet = true;
  advance();
  if (!atNameToken() && !is(TokenKind::KwMe) && !is(TokenKind::Dot)) failHere(kExpectedIdentifier);
  stmt->target = parsePostfix(parseTargetChain(), true).expr;
  expect(TokenKind::Equal, kExpectedEqual);
  stmt->value = parseExpression();
  return stmt;
}

ast::StmtPtr Parser::parseCallKeyword() {
  const ast::Position pos = cur().pos;
  advance();
  if (is(TokenKind::LParen)) {
    // `Call (New C).Method()`, `Call (((f))) ((x))`: what is called may be
    // grouped; the grouping itself calls nothing.
    Parsed chain = parsePrimary();
    while (chain.expr->kind == ast::ExprKind::Paren)
      chain.expr = std::move(static_cast<ast::ParenExpr&>(*chain.expr).inner);
    return finishCall(pos, std::move(chain), true);
  }
  if (!atNameToken() && !is(TokenKind::KwMe) && !is(TokenKind::Dot)) failHere(kExpectedIdentifier);
  return finishCall(pos, parsePostfix(parseTargetChain(), true), true);
}

// Turns a parsed target chain into a call statement. Without Call, a
// trailing parenthesised list may hold one argument only (`f(x)` passes x
// ByVal) and may be the start of a longer first argument: `f (x) + 1, y`.
ast::StmtPtr Parser::finishCall(ast::Position pos, Parsed chain, bool callKeyword) {
  auto stmt = std::make_unique<ast::CallStmt>(pos);
  stmt->callKeyword = callKeyword;
  auto* call = chain.expr->kind == ast::ExprKind::Call ? static_cast<ast::CallExpr*>(chain.expr.get()) : nullptr;
  const bool ends = atStatementEnd() || is(TokenKind::KwElse) || is(TokenKind::KwEnd) || is(TokenKind::KwRem);
  if (ends) {
    if (call == nullptr) {
      stmt->target = std::move(chain.expr);
      return stmt;
    }
    if (!callKeyword) {
      if (call->args.size() > 1) failHere(kParenthesesCallingSub);
      if (call->args.size() == 1 && call->args[0]) {
        const ast::Position argPos = call->pos;
        call->args[0] = std::make_unique<ast::ParenExpr>(argPos, std::move(call->args[0]));
      }
    }
    stmt->target = std::move(call->callee);
    stmt->args = std::move(call->args);
    return stmt;
  }
  if (callKeyword) failHere(kExpectedEndOfStatement);
  if (call == nullptr) {
    stmt->target = std::move(chain.expr);
    parseCallArguments(stmt->args);
    return stmt;
  }
  ast::BinaryOp op;
  int level;
  const bool continues = is(TokenKind::Comma) || binaryOperator(cur().kind, op, level);
  if (call->args.size() != 1 || !call->args[0] || !continues) {
    failHere(is(TokenKind::Comma) ? kParenthesesCallingSub : kExpectedEndOfStatement);
  }
  Parsed first{std::make_unique<ast::ParenExpr>(call->pos, std::move(call->args[0])), chain.depth};
  stmt->args.push_back(parseBinaryRest(kLevelImp, std::move(first)).expr);
  stmt->target = std::move(call->callee);
  if (accept(TokenKind::Comma)) parseCallArguments(stmt->args);
  return stmt;
}

ast::ExprPtr Parser::parseConstValue() {
  const ast::Position pos = cur().pos;
  if (is(TokenKind::Minus) || is(TokenKind::Plus)) {
    RecursionGuard guard(recursion_, cur());
    const ast::UnaryOp op = is(TokenKind::Minus) ? ast::UnaryOp::Negate : ast::UnaryOp::Plus;
    advance();
    return std::make_unique<ast::UnaryExpr>(pos, op, parseConstValue());
  }
  switch (cur().kind) {
    case TokenKind::Number:
    case TokenKind::String:
    case TokenKind::Date:
    case TokenKind::KwTrue:
    case TokenKind::KwFalse:
    case TokenKind::KwEmpty:
    case TokenKind::KwNull:
    case TokenKind::KwNothing: return parsePrimary().expr;
    default: failHere(kExpectedLiteral);
  }
}

}  // namespace corvela::vbs
