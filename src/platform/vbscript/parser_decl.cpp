// Declarations: Dim/Public/Private variables, ReDim, Const, Erase,
// Sub/Function/Property procedures and classes, with the checks VBScript
// makes when compiling them (names defined twice in one scope, the rules of
// Default members, property argument counts, Class_Initialize arguments).
#include "platform/text/utf8.h"
#include "platform/vbscript/parser_impl.h"

namespace corvela::vbs {

using namespace compile_error;

namespace {

bool isIntegerLiteral(const Token& token) {
  return token.kind == TokenKind::Number &&
         (token.value.type() == VarType::Integer || token.value.type() == VarType::Long);
}

int32_t integerValue(const Variant& value) {
  return value.type() == VarType::Integer ? value.rawInteger() : value.rawLong();
}

// A token that may follow the name of a field in `Public name, ...`: after
// Public or Private, Default or Property followed by one of these is the
// field's name (`Private property`, `Public default(3)`), not a keyword.
bool endsFieldName(TokenKind kind) {
  switch (kind) {
    case TokenKind::Comma:
    case TokenKind::LParen:
    case TokenKind::Newline:
    case TokenKind::Colon:
    case TokenKind::EndOfInput:
    case TokenKind::KwRem:
    case TokenKind::KwEnd:
      return true;
    default:
      return false;
  }
}

}  // namespace

Parser::NameScope& Parser::currentScope() {
  if (locals_ != nullptr) return *locals_;
  if (members_ != nullptr) return *members_;
  return globals_;
}

void Parser::declare(NameScope& scope, const std::string& name, ast::Position pos, NameUse use, int args) const {
  NameEntry& entry = scope[text::toLower(name)];
  constexpr uint8_t kPropertyUses = kPropertyGet | kPropertyLet | kPropertySet;
  if ((use & kPropertyUses) == 0) {
    // A script-level Sub or Function defined again replaces the earlier one.
    const bool redefinedProcedure = use == kProcedure && entry.uses == kProcedure && &scope == &globals_;
    if (entry.uses != 0 && !redefinedProcedure) fail(kNameRedefined, pos);
    entry.uses = use;
    return;
  }
  // Get, Let and Set of one property share its name, each once.
  if ((entry.uses & ~kPropertyUses) != 0 || (entry.uses & use) != 0) fail(kNameRedefined, pos);
  entry.uses |= use;
  // Let and Set take the Get's arguments plus the value: all three must
  // agree on the number of index arguments.
  const int indexArgs = use == kPropertyGet ? args : args - 1;
  const int known[] = {entry.getArgs, entry.letArgs >= 0 ? entry.letArgs - 1 : -1,
                       entry.setArgs >= 0 ? entry.setArgs - 1 : -1};
  for (int other : known) {
    if (other >= 0 && other != indexArgs) fail(kInconsistentPropertyArgs, pos);
  }
  if (use == kPropertyGet) entry.getArgs = args;
  if (use == kPropertyLet) entry.letArgs = args;
  if (use == kPropertySet) entry.setArgs = args;
}

void Parser::declareVariable(const std::string& name, ast::Position pos) {
  declare(currentScope(), name, pos, kVariable);
}

// Sub and Function are defined at script level, also inside its blocks:
// `If c Then Sub s ... End Sub End If` defines s whatever c is, since
// procedures are declared before any code runs.
void Parser::checkProcedureAllowed() const {
  if (proc_ != ProcContext::None || inClass_) failHere(kExpectedStatement);
}

// Classes only at the top level of a script.
void Parser::checkClassAllowed() const {
  if (proc_ != ProcContext::None || blockDepth_ > 0 || inClass_) failHere(kExpectedStatement);
}

// Public/Private at the top level of a script (class members are parsed by
// parseClassMember).
void Parser::parseModifiedDeclaration(ast::StmtList& out) {
  const ast::Position pos = cur().pos;
  // Inside a procedure only Dim declares.
  if (proc_ != ProcContext::None) failHere(kExpectedStatement);
  const ast::Visibility visibility =
      is(TokenKind::KwPublic) ? ast::Visibility::Public : ast::Visibility::Private;
  advance();
  switch (cur().kind) {
    case TokenKind::KwDefault: {
      const TokenKind next = peek(1).kind;
      if (next == TokenKind::KwSub || next == TokenKind::KwFunction || next == TokenKind::KwProperty) {
        failHere(kMustBeInsideClass);
      }
      break;  // `Public default`: a variable named Default
    }
    case TokenKind::KwSub:
    case TokenKind::KwFunction:
      checkProcedureAllowed();
      out.push_back(parseProcedure(visibility, false, pos));
      return;
    case TokenKind::KwConst:
      advance();
      out.push_back(parseConst(visibility, pos));
      return;
    case TokenKind::KwProperty: {
      const TokenKind next = peek(1).kind;
      if (next == TokenKind::KwGet || next == TokenKind::KwLet || next == TokenKind::KwSet) {
        failHere(kMustBeInsideClass);
      }
      break;
    }
    default: break;
  }
  out.push_back(parseDim(visibility, pos));
}

// The variable list after Dim/Public/Private: `a, b(3), c(2, 5), d()`.
ast::StmtPtr Parser::parseDim(ast::Visibility visibility, ast::Position pos) {
  auto stmt = std::make_unique<ast::DimStmt>(pos);
  stmt->visibility = visibility;
  do {
    ast::VarDecl var;
    var.pos = cur().pos;
    var.name = expectName();
    if (accept(TokenKind::LParen)) {
      var.isArray = true;
      if (!accept(TokenKind::RParen)) {
        do {
          if (!isIntegerLiteral(cur())) failHere(kExpectedIntegerConstant);
          var.bounds.push_back(integerValue(cur().value));
          advance();
        } while (accept(TokenKind::Comma));
        expect(TokenKind::RParen, kExpectedRParen);
      }
    }
    declareVariable(var.name, var.pos);
    stmt->vars.push_back(std::move(var));
  } while (accept(TokenKind::Comma));
  return stmt;
}

ast::StmtPtr Parser::parseReDim() {
  auto stmt = std::make_unique<ast::ReDimStmt>(cur().pos);
  advance();
  stmt->preserve = accept(TokenKind::KwPreserve);
  do {
    ast::ReDimTarget target;
    target.pos = cur().pos;
    target.name = expectName();
    expect(TokenKind::LParen, kExpectedLParen);
    do {
      target.bounds.push_back(parseExpression());
    } while (accept(TokenKind::Comma));
    expect(TokenKind::RParen, kExpectedRParen);
    stmt->targets.push_back(std::move(target));
  } while (accept(TokenKind::Comma));
  return stmt;
}

ast::StmtPtr Parser::parseConst(ast::Visibility visibility, ast::Position pos) {
  auto stmt = std::make_unique<ast::ConstStmt>(pos);
  stmt->visibility = visibility;
  do {
    ast::ConstDecl constant;
    constant.pos = cur().pos;
    constant.name = expectName();
    expect(TokenKind::Equal, kExpectedEqual);
    constant.value = parseConstValue();
    declareVariable(constant.name, constant.pos);
    stmt->constants.push_back(std::move(constant));
  } while (accept(TokenKind::Comma));
  return stmt;
}

ast::StmtPtr Parser::parseErase() {
  auto stmt = std::make_unique<ast::EraseStmt>(cur().pos);
  advance();
  stmt->namePos = cur().pos;
  stmt->name = expectName();
  return stmt;
}

// Sub / Function / Property Get|Let|Set, at `pos` (its first modifier or
// keyword); the current token is Sub, Function or Property.
ast::StmtPtr Parser::parseProcedure(ast::Visibility visibility, bool isDefault, ast::Position pos) {
  auto proc = std::make_unique<ast::ProcedureStmt>(pos);
  proc->visibility = visibility;
  proc->isDefault = isDefault;
  ProcContext context = ProcContext::Sub;
  TokenKind closer = cur().kind;
  int32_t closerError = kExpectedSub;
  NameUse use = kProcedure;
  if (is(TokenKind::KwFunction)) {
    proc->procKind = ast::ProcedureKind::Function;
    context = ProcContext::Function;
    closerError = kExpectedFunction;
  } else if (is(TokenKind::KwProperty)) {
    advance();
    context = ProcContext::Property;
    closerError = kExpectedProperty;
    switch (cur().kind) {
      case TokenKind::KwGet: proc->procKind = ast::ProcedureKind::PropertyGet; use = kPropertyGet; break;
      case TokenKind::KwLet: proc->procKind = ast::ProcedureKind::PropertyLet; use = kPropertyLet; break;
      case TokenKind::KwSet: proc->procKind = ast::ProcedureKind::PropertySet; use = kPropertySet; break;
      default: failHere(kExpectedPropertyKind);
    }
  }
  advance();
  proc->namePos = cur().pos;
  proc->name = expectName();
  if (is(TokenKind::LParen)) parseParameters(*proc);

  const bool valueProperty =
      proc->procKind == ast::ProcedureKind::PropertyLet || proc->procKind == ast::ProcedureKind::PropertySet;
  if (valueProperty && proc->params.empty()) fail(kPropertyNeedsArgument, proc->namePos);
  if (inClass_ && !proc->params.empty() &&
      (text::equalsIgnoreCase(proc->name, "Class_Initialize") ||
       text::equalsIgnoreCase(proc->name, "Class_Terminate"))) {
    fail(kInitTerminateArgs, proc->namePos);
  }
  declare(currentScope(), proc->name, proc->namePos, use, static_cast<int>(proc->params.size()));
  // `Sub s() x = 1 End Sub`: the body may start on the header's line.
  if (!atStatementStart()) expectStatementEnd();

  NameScope locals;
  for (const ast::Parameter& param : proc->params) declare(locals, param.name, param.pos, kVariable);
  const ProcContext savedProc = proc_;
  NameScope* const savedLocals = locals_;
  // A procedure inside a script-level loop does not see that loop.
  const int savedDo = doDepth_, savedFor = forDepth_;
  proc_ = context;
  locals_ = &locals;
  doDepth_ = forDepth_ = 0;
  parseBlock(proc->body, true);
  if (!is(TokenKind::KwEnd)) failUnclosed(kExpectedEnd);
  proc->endPos = cur().pos;
  advance();
  expect(closer, closerError);
  proc_ = savedProc;
  locals_ = savedLocals;
  doDepth_ = savedDo;
  forDepth_ = savedFor;
  return proc;
}

void Parser::parseParameters(ast::ProcedureStmt& proc) {
  advance();  // (
  if (accept(TokenKind::RParen)) return;
  do {
    ast::Parameter param;
    if (accept(TokenKind::KwByVal)) {
      param.byVal = true;
    } else {
      accept(TokenKind::KwByRef);
    }
    param.pos = cur().pos;
    param.name = expectName();
    if (accept(TokenKind::LParen)) {
      expect(TokenKind::RParen, kExpectedRParen);
      param.isArray = true;
    }
    proc.params.push_back(std::move(param));
  } while (accept(TokenKind::Comma));
  expect(TokenKind::RParen, kExpectedRParen);
}

ast::StmtPtr Parser::parseClass() {
  auto cls = std::make_unique<ast::ClassStmt>(cur().pos);
  advance();
  cls->namePos = cur().pos;
  cls->name = expectName();
  declare(globals_, cls->name, cls->namePos, kClass);
  // `Class C End Class`: the members start on the next line.
  if (!atStatementEnd()) failHere(kExpectedStatement);
  NameScope members;
  inClass_ = true;
  members_ = &members;
  classHasDefault_ = false;
  for (;;) {
    while (is(TokenKind::Newline) || is(TokenKind::Colon) || is(TokenKind::KwRem)) advance();
    if (is(TokenKind::KwEnd)) {
      advance();
      expect(TokenKind::KwClass, kExpectedClass);
      break;
    }
    if (is(TokenKind::EndOfInput)) failHere(kExpectedEnd);
    parseClassMember(*cls);
    if (!is(TokenKind::KwEnd)) expectStatementEnd();
  }
  inClass_ = false;
  members_ = nullptr;
  return cls;
}

void Parser::parseClassMember(ast::ClassStmt& cls) {
  const ast::Position pos = cur().pos;
  ast::Visibility visibility = ast::Visibility::Unspecified;
  if (accept(TokenKind::KwPublic)) {
    visibility = ast::Visibility::Public;
  } else if (accept(TokenKind::KwPrivate)) {
    visibility = ast::Visibility::Private;
  }
  bool isDefault = false;
  const bool keywordName = is(TokenKind::KwDefault) || is(TokenKind::KwProperty);
  const bool fieldNamedByKeyword =
      visibility != ast::Visibility::Unspecified && keywordName && endsFieldName(peek(1).kind);
  if (is(TokenKind::KwDefault) && !fieldNamedByKeyword) {
    const ast::Position defaultPos = cur().pos;
    if (visibility != ast::Visibility::Public) failHere(kDefaultNeedsPublic);
    advance();
    if (is(TokenKind::KwProperty)) {
      const Token& kind = peek(1);
      if (kind.kind == TokenKind::KwLet || kind.kind == TokenKind::KwSet) fail(kDefaultOnlyOnGet, kind.pos);
    } else if (!is(TokenKind::KwSub) && !is(TokenKind::KwFunction)) {
      failHere(kDefaultPlacement);
    }
    if (classHasDefault_) fail(kMultipleDefaults, defaultPos);
    classHasDefault_ = true;
    isDefault = true;
  }
  switch (cur().kind) {
    case TokenKind::KwProperty:
      if (fieldNamedByKeyword) break;
      cls.members.push_back(parseProcedure(visibility, isDefault, pos));
      return;
    case TokenKind::KwSub:
    case TokenKind::KwFunction:
      cls.members.push_back(parseProcedure(visibility, isDefault, pos));
      return;
    case TokenKind::KwDim:
      if (visibility != ast::Visibility::Unspecified) failHere(kExpectedIdentifier);
      advance();
      cls.members.push_back(parseDim(visibility, pos));
      return;
    default: break;
  }
  if (visibility == ast::Visibility::Unspecified || !atNameToken()) failHere(kExpectedStatement);
  cls.members.push_back(parseDim(visibility, pos));
}

}  // namespace corvela::vbs
