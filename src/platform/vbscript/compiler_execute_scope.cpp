// Names of Eval/Execute code that runs inside a procedure. Its Dim and its
// first assignments create variables of the procedure's invocation, not
// globals: they live until the procedure returns, later Eval/Execute code of
// the same invocation sees them and the next invocation starts without them.
#include "platform/vbscript/compiler_internal.h"

namespace corvela::vbs {

namespace {

// Where created variable `index` sits when reached through a fallback slot:
// after the procedure's own slots.
uint16_t createdFallback(const Procedure& outer, size_t index) {
  size_t slot = outer.slotCount + index;
  return slot < kNoSlot ? static_cast<uint16_t>(slot) : kNoSlot;
}

}  // namespace

bool Compiler::resolveCreated(const std::string& lower, Resolved& r) {
  const std::vector<CreatedVariable>* earlier = outer_->created;
  size_t earlierCount = earlier ? earlier->size() : 0;
  const CreatedVariable* found = nullptr;
  size_t index = 0;
  for (size_t i = 0; i < earlierCount && !found; ++i)
    if ((*earlier)[i].name == lower) found = &(*earlier)[i], index = i;
  for (size_t i = 0; i < program_.createdVariables.size() && !found; ++i)
    if (program_.createdVariables[i].name == lower) found = &program_.createdVariables[i], index = earlierCount + i;
  if (!found) return false;
  r.kind = Resolved::Var;
  if (found->declared) {
    r.var = VarKind::OuterCreated;
    r.index = static_cast<int32_t>(index);
    return true;
  }
  r.var = program_.optionExplicit ? VarKind::DynamicExplicit : VarKind::Dynamic;
  r.index = globalIndex(lower);
  r.fallback = createdFallback(*outer_->procedure, index);
  return true;
}

void Compiler::createImplicit(const std::string& lower, Resolved& r) {
  size_t index = (outer_->created ? outer_->created->size() : 0) + program_.createdVariables.size();
  uint16_t fallback = createdFallback(*outer_->procedure, index);
  if (fallback == kNoSlot) return;  // beyond what an operand holds: the name stays global
  program_.createdVariables.push_back({lower, false});
  r.fallback = fallback;
}

void Compiler::declareCreated(const std::string& name, ast::Position pos) {
  std::string lower = lowerName(name);
  // A name the procedure or earlier Execute code has already is that variable.
  for (const Procedure::Name& n : outer_->procedure->names)
    if (n.name == lower) return;
  if (outer_->created)
    for (const CreatedVariable& c : *outer_->created)
      if (c.name == lower) return;
  for (const CreatedVariable& c : program_.createdVariables)
    if (c.name == lower) throw CompileFailure{1041, pos};
  if (createdFallback(*outer_->procedure, (outer_->created ? outer_->created->size() : 0) +
                                              program_.createdVariables.size()) == kNoSlot)
    throw CompileFailure{1001, pos};
  program_.createdVariables.push_back({lower, true});
}

void Compiler::declareCreatedConstant(const ast::ConstDecl& c) {
  declareCreated(c.name, c.pos);
  createdConstants_.push_back(&c);
}

void Compiler::initializeCreatedConstants() {
  for (const ast::ConstDecl* c : createdConstants_) {
    emit(Op::PushConst, constantValue(*c->value));
    emitVar(Op::LetVar, resolve(c->name, c->pos));
  }
}

}  // namespace corvela::vbs
