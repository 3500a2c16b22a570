// The compiler's statements: control flow, declarations that run
// (Dim of arrays, ReDim, Erase), With and On Error. Each statement records
// a region so that an error is reported at the statement and On Error
// Resume Next continues with the next statement in source order.
#include "platform/vbscript/compiler_internal.h"

#include "platform/automation/variant_ops.h"
#include "platform/vbscript/native_stack.h"

namespace corvela::vbs {

void Compiler::statements(const ast::StmtList& list) {
  for (const ast::StmtPtr& s : list) statement(*s);
}

void Compiler::statement(const ast::Stmt& s) {
  if (nativeStackLow(kCompilerStackReserve)) throw CompileFailure{28, s.pos};  // Out of stack space
  statementPos_ = s.pos;
  size_t start = here();
  switch (s.kind) {
    case ast::StmtKind::Assign: assign(static_cast<const ast::AssignStmt&>(s)); break;
    case ast::StmtKind::Call: callStatement(static_cast<const ast::CallStmt&>(s)); break;
    case ast::StmtKind::Dim: dim(static_cast<const ast::DimStmt&>(s)); break;
    case ast::StmtKind::ReDim: redim(static_cast<const ast::ReDimStmt&>(s)); break;
    case ast::StmtKind::Erase: eraseStatement(static_cast<const ast::EraseStmt&>(s)); break;
    case ast::StmtKind::OnError:
      emit(static_cast<const ast::OnErrorStmt&>(s).resumeNext ? Op::OnErrorResumeNext : Op::OnErrorGoto0);
      break;
    case ast::StmtKind::If: ifStatement(static_cast<const ast::IfStmt&>(s)); return;
    case ast::StmtKind::Select: selectStatement(static_cast<const ast::SelectStmt&>(s)); return;
    case ast::StmtKind::For: forStatement(static_cast<const ast::ForStmt&>(s)); return;
    case ast::StmtKind::ForEach: forEachStatement(static_cast<const ast::ForEachStmt&>(s)); return;
    case ast::StmtKind::Do: doStatement(static_cast<const ast::DoStmt&>(s)); return;
    case ast::StmtKind::Exit: exitStatement(static_cast<const ast::ExitStmt&>(s)); return;
    case ast::StmtKind::With: withStatement(static_cast<const ast::WithStmt&>(s)); return;
    // Declared before any code ran; nothing to do where they stand.
    case ast::StmtKind::Const:
    case ast::StmtKind::Procedure:
    case ast::StmtKind::Class:
    case ast::StmtKind::Stop:
      return;
  }
  region(start, here(), s.pos);
}

void Compiler::callStatement(const ast::CallStmt& s) {
  const ast::Expr& target = *s.target;
  switch (target.kind) {
    case ast::ExprKind::Name:
      callNamed(static_cast<const ast::NameExpr&>(target).name, target.pos, s.args, false);
      return;
    case ast::ExprKind::Member:
      member(static_cast<const ast::MemberExpr&>(target), &s.args, Op::MemberGet, false);
      return;
    default: {
      expr(target);
      valueArguments(s.args);
      CallSite site;
      site.argc = static_cast<uint16_t>(s.args.size());
      site.wantResult = false;
      emit(Op::CallValue, addCall(site));
      return;
    }
  }
}

void Compiler::dim(const ast::DimStmt& s) {
  for (const ast::VarDecl& v : s.vars) {
    if (!v.isArray) continue;
    Resolved r = resolve(v.name, v.pos);
    ArraySite site;
    site.kind = r.var;
    site.index = r.index;
    site.fallback = r.fallback;
    site.fixedBounds = v.bounds;
    site.dims = static_cast<uint16_t>(v.bounds.size());
    program_.arrays.push_back(std::move(site));
    emit(Op::DimArray, static_cast<int32_t>(program_.arrays.size() - 1));
  }
}

void Compiler::redim(const ast::ReDimStmt& s) {
  for (const ast::ReDimTarget& t : s.targets) {
    Resolved r = resolve(t.name, t.pos);
    if (r.kind != Resolved::Var) throw CompileFailure{1041, t.pos};
    valueArguments(t.bounds);
    ArraySite site;
    site.kind = r.var;
    site.index = r.index;
    site.fallback = r.fallback;
    site.dims = static_cast<uint16_t>(t.bounds.size());
    site.preserve = s.preserve;
    program_.arrays.push_back(std::move(site));
    emit(Op::ReDim, static_cast<int32_t>(program_.arrays.size() - 1));
  }
}

void Compiler::eraseStatement(const ast::EraseStmt& s) {
  Resolved r = resolve(s.name, s.namePos);
  if (r.kind != Resolved::Var) {
    emit(Op::Raise, 13);
    return;
  }
  emit(Op::Erase, r.index, 0, static_cast<uint8_t>(r.var), 0, r.fallback);
}

void Compiler::ifStatement(const ast::IfStmt& s) {
  std::vector<size_t> ends;
  for (size_t i = 0; i < s.branches.size(); ++i) {
    const ast::IfBranch& branch = s.branches[i];
    size_t start = here();
    expr(*branch.condition);
    size_t test = emit(Op::JumpIfFalse);
    // An error in the condition goes on with the branch's first statement.
    region(start, here(), branch.pos);
    statements(branch.body);
    if (i + 1 < s.branches.size() || s.hasElse) ends.push_back(emit(Op::Jump));
    patch(test, here());
  }
  if (s.hasElse) statements(s.elseBody);
  for (size_t at : ends) patch(at, here());
}

void Compiler::selectStatement(const ast::SelectStmt& s) {
  uint16_t subject = newSlot();
  size_t start = here();
  expr(*s.subject);
  emit(Op::StoreLocal, 0, subject);
  size_t headerRegion = scope_.proc->regions.size();
  region(start, here(), s.pos);
  std::vector<size_t> ends;
  bool firstBody = true;
  for (const ast::CaseClause& clause : s.cases) {
    size_t testStart = here();
    std::vector<size_t> hits;
    for (const ast::CaseTest& test : clause.tests) {
      expr(*test.value);
      auto flags = static_cast<uint16_t>(isLiteral(*test.value) ? unsigned{ops::kRightIsLiteral} : 0u);
      if (test.kind == ast::CaseTestKind::Range) {
        expr(*test.upper);
        hits.push_back(emit(Op::CaseRange, 0, subject, 0, 0, flags));
      } else {
        ast::BinaryOp op = test.kind == ast::CaseTestKind::Is ? test.op : ast::BinaryOp::Equal;
        auto compare = static_cast<uint8_t>(static_cast<int>(op) - static_cast<int>(ast::BinaryOp::Equal));
        hits.push_back(emit(Op::CaseTest, 0, subject, compare, 0, flags));
      }
    }
    size_t miss = emit(Op::Jump);
    region(testStart, here(), clause.pos);
    if (firstBody && headerRegion < scope_.proc->regions.size()) {
      // An error in the subject goes on with the first Case's statements.
      scope_.proc->regions[headerRegion].resume = static_cast<uint32_t>(here());
      firstBody = false;
    }
    for (size_t at : hits) patch(at, here());
    statements(clause.body);
    ends.push_back(emit(Op::Jump));
    patch(miss, here());
  }
  if (s.hasElse) statements(s.elseBody);
  for (size_t at : ends) patch(at, here());
  emit(Op::ClearSlot, 0, subject);
}

void Compiler::forStatement(const ast::ForStmt& s) {
  Resolved r = resolve(s.variable, s.variablePos);
  if (r.kind != Resolved::Var) throw CompileFailure{1040, s.variablePos};
  uint16_t hidden = newSlot();
  newSlot();  // hidden + 1: the step
  // Empty limit = the loop was never set up (Next then raises 92).
  emit(Op::ClearSlot, 0, hidden);
  size_t start = here();
  expr(*s.from);
  expr(*s.to);
  if (s.step)
    expr(*s.step);
  else
    emit(Op::PushConst, constant(Variant::fromInteger(1)));
  size_t init = emit(Op::ForInit, r.index, hidden, static_cast<uint8_t>(r.var), 0, r.fallback);
  region(start, here(), s.pos);
  scope_.loops.push_back({Loop::For, {}, scope_.withSlots.size(), -1});
  size_t body = here();
  statements(s.body);
  size_t next = emit(Op::ForNext, r.index, hidden, static_cast<uint8_t>(r.var), static_cast<int32_t>(body), r.fallback);
  // Stepping the counter (a Type mismatch once the body made it text, 92
  // after a failed header) is the Next statement's doing.
  region(next, here(), s.nextPos);
  patchC(init, here());
  for (size_t at : scope_.loops.back().exits) patch(at, here());
  scope_.loops.pop_back();
}

void Compiler::forEachStatement(const ast::ForEachStmt& s) {
  Resolved r = resolve(s.variable, s.variablePos);
  if (r.kind != Resolved::Var) throw CompileFailure{1040, s.variablePos};
  uint16_t walker = newSlot();
  emit(Op::ClearSlot, 0, walker);
  size_t start = here();
  expr(*s.collection);
  size_t init = emit(Op::ForEachInit, r.index, walker, static_cast<uint8_t>(r.var), 0, r.fallback);
  region(start, here(), s.pos);
  scope_.loops.push_back({Loop::For, {}, scope_.withSlots.size(), walker});
  size_t body = here();
  statements(s.body);
  size_t next = emit(Op::ForEachNext, r.index, walker, static_cast<uint8_t>(r.var), static_cast<int32_t>(body), r.fallback);
  region(next, here(), s.nextPos);
  patchC(init, here());
  for (size_t at : scope_.loops.back().exits) patch(at, here());
  scope_.loops.pop_back();
  emit(Op::ClearSlot, 0, walker);
}

void Compiler::doStatement(const ast::DoStmt& s) {
  scope_.loops.push_back({s.whileWend ? Loop::While : Loop::Do, {}, scope_.withSlots.size(), -1});
  size_t top = here();
  switch (s.test) {
    case ast::LoopTest::PreWhile:
    case ast::LoopTest::PreUntil: {
      expr(*s.condition);
      size_t test = emit(s.test == ast::LoopTest::PreWhile ? Op::JumpIfFalse : Op::JumpIfTrue);
      // The statement that tests is `Do While c` (or `While c`): errors
      // point at its first word.
      region(top, here(), s.pos);
      statements(s.body);
      emit(Op::Jump, static_cast<int32_t>(top));
      patch(test, here());
      break;
    }
    case ast::LoopTest::PostWhile:
    case ast::LoopTest::PostUntil: {
      statements(s.body);
      size_t start = here();
      expr(*s.condition);
      emit(s.test == ast::LoopTest::PostWhile ? Op::JumpIfTrue : Op::JumpIfFalse, static_cast<int32_t>(top));
      // An error in the trailing condition belongs to `Loop While c` and
      // leaves the loop.
      region(start, here(), s.loopPos);
      break;
    }
    case ast::LoopTest::None:
      statements(s.body);
      emit(Op::Jump, static_cast<int32_t>(top));
      break;
  }
  for (size_t at : scope_.loops.back().exits) patch(at, here());
  scope_.loops.pop_back();
}

void Compiler::exitStatement(const ast::ExitStmt& s) {
  if (s.what == ast::ExitKind::Sub || s.what == ast::ExitKind::Function || s.what == ast::ExitKind::Property) {
    emit(Op::Return);
    return;
  }
  Loop::Kind wanted = s.what == ast::ExitKind::Do ? Loop::Do : Loop::For;
  for (size_t i = scope_.loops.size(); i-- > 0;) {
    Loop& loop = scope_.loops[i];
    if (loop.kind != wanted) continue;
    // Leaving nested With blocks and For Each loops releases what they hold.
    for (size_t w = scope_.withSlots.size(); w-- > loop.withDepth;) emit(Op::ClearSlot, 0, scope_.withSlots[w]);
    for (size_t j = scope_.loops.size(); j-- > i;)
      if (scope_.loops[j].cleanupSlot >= 0) emit(Op::ClearSlot, 0, static_cast<uint16_t>(scope_.loops[j].cleanupSlot));
    loop.exits.push_back(emit(Op::Jump));
    return;
  }
  throw CompileFailure{1039, s.pos};  // Invalid 'exit' statement
}

void Compiler::withStatement(const ast::WithStmt& s) {
  uint16_t slot = newSlot();
  size_t start = here();
  expr(*s.object);
  emit(Op::EnterWith, 0, slot);
  region(start, here(), s.pos);
  scope_.withSlots.push_back(slot);
  statements(s.body);
  scope_.withSlots.pop_back();
  emit(Op::ClearSlot, 0, slot);
}

}  // namespace corvela::vbs
