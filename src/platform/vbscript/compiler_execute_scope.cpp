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

size_t Compiler::createdCount() const {
  return (outer_->created ? outer_->created->size() : 0) + program_.createdVariables.size();
}

size_t Compiler::findCreated(const std::string& lower) const {
  // Numbered as the invocation will hold them: earlier ones, then this code's.
  size_t earlierCount = outer_->created ? outer_->created->size() : 0;
  if (outer_->createdIndex) {
    auto it = outer_->createdIndex->find(lower);
    if (it != outer_->createdIndex->end()) return it->second;
  }
  auto it = createdHere_.find(lower);
  return it == createdHere_.end() ? kNotCreated : earlierCount + it->second;
}

bool Compiler::resolveCreated(const std::string& lower, Resolved& r) {
  size_t index = findCreated(lower);
  if (index == kNotCreated) return false;
  size_t earlierCount = outer_->created ? outer_->created->size() : 0;
  const CreatedVariable* found =
      index < earlierCount ? &(*outer_->created)[index] : &program_.createdVariables[index - earlierCount];
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
  uint16_t fallback = createdFallback(*outer_->procedure, createdCount());
  if (fallback == kNoSlot) return;  // beyond what an operand holds: the name stays global
  createdHere_.emplace(lower, program_.createdVariables.size());
  program_.createdVariables.push_back({lower, false});
  r.fallback = fallback;
}

void Compiler::declareCreated(const std::string& name, ast::Position pos) {
  std::string lower = lowerName(name);
  // A name the procedure or earlier Execute code has already is that variable.
  for (const Procedure::Name& n : outer_->procedure->names)
    if (n.name == lower) return;
  if (outer_->createdIndex && outer_->createdIndex->count(lower)) return;
  if (createdHere_.count(lower)) throw CompileFailure{1041, pos};
  if (createdFallback(*outer_->procedure, createdCount()) == kNoSlot) throw CompileFailure{1001, pos};
  createdHere_.emplace(lower, program_.createdVariables.size());
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
