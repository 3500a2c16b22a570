// The compiler's expressions: values, names, calls, member access and the
// targets of assignments.
#include "platform/vbscript/compiler_internal.h"

#include <algorithm>

#include "platform/automation/variant_ops.h"
#include "platform/vbscript/native_stack.h"

namespace corvela::vbs {

namespace {

Op binaryOp(ast::BinaryOp op) {
  switch (op) {
    case ast::BinaryOp::Power: return Op::Power;
    case ast::BinaryOp::Multiply: return Op::Multiply;
    case ast::BinaryOp::Divide: return Op::Divide;
    case ast::BinaryOp::IntDivide: return Op::IntDivide;
    case ast::BinaryOp::Mod: return Op::Mod;
    case ast::BinaryOp::Add: return Op::Add;
    case ast::BinaryOp::Subtract: return Op::Subtract;
    case ast::BinaryOp::Concat: return Op::Concat;
    case ast::BinaryOp::Equal: return Op::Equal;
    case ast::BinaryOp::NotEqual: return Op::NotEqual;
    case ast::BinaryOp::Less: return Op::Less;
    case ast::BinaryOp::Greater: return Op::Greater;
    case ast::BinaryOp::LessEqual: return Op::LessEqual;
    case ast::BinaryOp::GreaterEqual: return Op::GreaterEqual;
    case ast::BinaryOp::Is: return Op::Is;
    case ast::BinaryOp::And: return Op::And;
    case ast::BinaryOp::Or: return Op::Or;
    case ast::BinaryOp::Xor: return Op::Xor;
    case ast::BinaryOp::Eqv: return Op::Eqv;
    case ast::BinaryOp::Imp: return Op::Imp;
  }
  return Op::Add;
}

int32_t packVar(VarKind kind, int32_t index) { return static_cast<int32_t>(kind) << 24 | index; }

bool isVariable(const Resolved& r) { return r.kind == Resolved::Var; }

// A variable whose place is known when the code is compiled, so an element
// of it can be reached in place (PushElemRef).
bool isFixedPlace(const Resolved& r) {
  return isVariable(r) && r.var != VarKind::Dynamic && r.var != VarKind::DynamicExplicit && !r.isResult;
}

}  // namespace

void Compiler::emitVar(Op op, const Resolved& r) {
  uint16_t slot = static_cast<uint16_t>(r.index);
  switch (r.var) {
    case VarKind::Local:
      if (op == Op::LoadVar) { emit(Op::LoadLocal, 0, slot); return; }
      if (op == Op::LetVar) { emit(Op::LetLocal, 0, slot); return; }
      if (op == Op::SetVar) { emit(Op::SetLocal, 0, slot); return; }
      break;
    case VarKind::Param:
      if (op == Op::LoadVar) { emit(Op::LoadParam, 0, slot); return; }
      if (op == Op::LetVar) { emit(Op::LetParam, 0, slot); return; }
      if (op == Op::SetVar) { emit(Op::SetParam, 0, slot); return; }
      break;
    case VarKind::Global:
      if (op == Op::LoadVar) { emit(Op::LoadGlobal, r.index); return; }
      if (op == Op::LetVar) { emit(Op::LetGlobal, r.index); return; }
      if (op == Op::SetVar) { emit(Op::SetGlobal, r.index); return; }
      break;
    default: break;
  }
  emit(op, r.index, 0, static_cast<uint8_t>(r.var), 0, r.fallback);
}

int32_t Compiler::memberSite(const std::string& name, const ast::Expr* object, uint16_t argc, RefMask refMask,
                             bool wantResult) {
  program_.memberNames.push_back(name);
  bool named = object && object->kind == ast::ExprKind::Name;
  program_.memberObjectNames.push_back(named ? static_cast<const ast::NameExpr&>(*object).name : std::string());
  CallSite site;
  site.target = static_cast<int32_t>(program_.memberNames.size() - 1);
  site.argc = argc;
  site.refMask = refMask;
  site.wantResult = wantResult;
  site.cacheSlot = program_.memberCacheSize++;
  return addCall(site);
}

void Compiler::expr(const ast::Expr& e) {
  if (nativeStackLow(kCompilerStackReserve)) throw CompileFailure{28, e.pos};  // Out of stack space
  switch (e.kind) {
    case ast::ExprKind::Literal:
      emit(Op::PushConst, constant(static_cast<const ast::LiteralExpr&>(e).value));
      return;
    case ast::ExprKind::Name: name(static_cast<const ast::NameExpr&>(e)); return;
    case ast::ExprKind::Member: member(static_cast<const ast::MemberExpr&>(e), nullptr, Op::MemberGet, true); return;
    case ast::ExprKind::Call: call(static_cast<const ast::CallExpr&>(e), true); return;
    case ast::ExprKind::Unary: {
      auto& u = static_cast<const ast::UnaryExpr&>(e);
      expr(*u.operand);
      emit(u.op == ast::UnaryOp::Negate ? Op::Negate : u.op == ast::UnaryOp::Not ? Op::Not : Op::Plus);
      return;
    }
    case ast::ExprKind::Binary: {
      auto& b = static_cast<const ast::BinaryExpr&>(e);
      size_t leftStart = here();
      expr(*b.left);
      // A literal right operand is read from the constants by the operator.
      int32_t rightConstant = 0;
      if (b.right->kind == ast::ExprKind::Literal)
        rightConstant = constant(static_cast<const ast::LiteralExpr&>(*b.right).value) + 1;
      else
        expr(*b.right);
      // Comparisons convert the other side to the kind of a literal operand.
      uint8_t flags = 0;
      if (b.op >= ast::BinaryOp::Equal && b.op <= ast::BinaryOp::GreaterEqual) {
        if (isLiteral(*b.left)) flags |= ops::kLeftIsLiteral;
        if (isLiteral(*b.right)) flags |= ops::kRightIsLiteral;
      }
      if (rightConstant && here() == leftStart + 1) {
        // A plain variable on the left: the operator reads it directly.
        const Instr load = scope_.proc->code.back();
        uint16_t left = load.op == Op::LoadLocal    ? kLeftLocal
                        : load.op == Op::LoadParam  ? kLeftParam
                        : load.op == Op::LoadGlobal ? kLeftGlobal
                                                    : kLeftOnStack;
        if (left != kLeftOnStack) {
          scope_.proc->code.pop_back();
          emit(binaryOp(b.op), load.op == Op::LoadGlobal ? load.b : load.a, left, flags, rightConstant);
          return;
        }
      }
      emit(binaryOp(b.op), 0, kLeftOnStack, flags, rightConstant);
      return;
    }
    case ast::ExprKind::New: newObject(static_cast<const ast::NewExpr&>(e)); return;
    case ast::ExprKind::Me: emit(Op::PushMe); return;
    case ast::ExprKind::Paren: expr(*static_cast<const ast::ParenExpr&>(e).inner); return;
  }
}

bool Compiler::isLiteral(const ast::Expr& e) {
  switch (e.kind) {
    case ast::ExprKind::Literal: return true;
    case ast::ExprKind::Paren: return isLiteral(*static_cast<const ast::ParenExpr&>(e).inner);
    case ast::ExprKind::Unary: {
      auto& u = static_cast<const ast::UnaryExpr&>(e);
      return u.op != ast::UnaryOp::Not && isLiteral(*u.operand);
    }
    case ast::ExprKind::Name: {
      // Named constants are literals written once.
      const auto& n = static_cast<const ast::NameExpr&>(e);
      std::string lower = lowerName(n.name);
      if (!scope_.global) {
        auto it = scope_.names.find(lower);
        if (it != scope_.names.end()) return it->second.constant >= 0;
      }
      auto g = globalNames_.find(lower);
      if (g != globalNames_.end()) return program_.globals[g->second].kind == GlobalName::Constant;
      return findBuiltinConstant(lower) != nullptr;
    }
    default: return false;
  }
}

bool Compiler::isPure(const ast::Expr& e) {
  switch (e.kind) {
    case ast::ExprKind::Literal: return true;
    case ast::ExprKind::Paren: return isPure(*static_cast<const ast::ParenExpr&>(e).inner);
    case ast::ExprKind::Unary: return isPure(*static_cast<const ast::UnaryExpr&>(e).operand);
    case ast::ExprKind::Binary: {
      auto& b = static_cast<const ast::BinaryExpr&>(e);
      return b.op != ast::BinaryOp::Is && isPure(*b.left) && isPure(*b.right);
    }
    case ast::ExprKind::Name: {
      Resolved r = resolve(static_cast<const ast::NameExpr&>(e).name, e.pos);
      if (r.kind == Resolved::Constant) return true;
      return r.kind == Resolved::Var && r.var != VarKind::Dynamic && r.var != VarKind::DynamicExplicit;
    }
    default: return false;
  }
}

void Compiler::name(const ast::NameExpr& e) {
  Resolved r = resolve(e.name, e.pos);
  std::vector<ast::ExprPtr> none;
  switch (r.kind) {
    case Resolved::Var: emitVar(Op::LoadVar, r); return;
    case Resolved::Constant: emit(Op::PushConst, r.index); return;
    case Resolved::ErrObject: emit(Op::PushErr); return;
    case Resolved::Class: emit(Op::Raise, 13); return;
    default: callNamed(e.name, e.pos, none, true); return;
  }
}

void Compiler::newObject(const ast::NewExpr& e) {
  std::string lower = lowerName(e.className);
  auto it = globalNames_.find(lower);
  // New RegExp is always VBScript's own RegExp; a script class of the name
  // may be declared but is never made by New (the run-time form decides).
  if (lower != "regexp" && it != globalNames_.end() && program_.globals[it->second].kind == GlobalName::Class) {
    emit(Op::NewObject, program_.globals[it->second].index);
    return;
  }
  emit(Op::NewObject, constant(Variant(e.className)), 0, 1);
}

void Compiler::checkArgumentCount(const std::vector<ast::ExprPtr>& args) {
  // Call sites count arguments in 16 bits, and a member assignment passes
  // the value as one more.
  if (args.size() < kMaxArguments) return;
  for (const ast::ExprPtr& arg : args)
    if (arg) throw CompileFailure{1001, arg->pos};  // Out of memory
  throw CompileFailure{1001, statementPos_};
}

void Compiler::valueArguments(const std::vector<ast::ExprPtr>& args) {
  checkArgumentCount(args);
  for (const ast::ExprPtr& arg : args) {
    if (arg)
      expr(*arg);
    else
      emit(Op::PushConst, constant(Variant::missing()));
  }
}

RefMask Compiler::arguments(const std::vector<ast::ExprPtr>& args, bool byRef) {
  checkArgumentCount(args);
  // Bit i of word i / 32: argument i is pushed as a reference.
  std::vector<uint32_t> words((args.size() + 31) / 32);
  for (size_t i = 0; i < args.size(); ++i) {
    const ast::Expr* arg = args[i].get();
    if (!arg) {
      emit(Op::PushConst, constant(Variant::missing()));
      continue;
    }
    if (byRef && arg->kind == ast::ExprKind::Name) {
      Resolved r = resolve(static_cast<const ast::NameExpr*>(arg)->name, arg->pos);
      if (isVariable(r)) {
        emit(Op::PushRef, r.index, 0, static_cast<uint8_t>(r.var), 0, r.fallback);
        words[i >> 5] |= 1u << (i & 31);
        continue;
      }
    }
    if (byRef && arg->kind == ast::ExprKind::Call) {
      auto* c = static_cast<const ast::CallExpr*>(arg);
      if (c->callee->kind == ast::ExprKind::Name && !c->args.empty()) {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(*c->callee).name, c->pos);
        if (isFixedPlace(r)) {
          valueArguments(c->args);
          CallSite site;
          site.target = packVar(r.var, r.index);
          site.argc = static_cast<uint16_t>(c->args.size());
          emit(Op::PushElemRef, addCall(site));
          words[i >> 5] |= 1u << (i & 31);
          continue;
        }
      }
    }
    expr(*arg);
  }
  RefMask mask;
  if (words.empty()) return mask;
  mask.low = words[0];
  bool wide = false;
  for (size_t w = 1; w < words.size(); ++w) wide = wide || words[w] != 0;
  if (wide) {
    // More than 32 arguments, some past the 32nd by reference: the program
    // keeps the other words (rare, so calls of fewer arguments stay small).
    auto high = std::make_unique<uint32_t[]>(words.size() - 1);
    std::copy(words.begin() + 1, words.end(), high.get());
    mask.high = high.get();
    program_.wideRefMasks.push_back(std::move(high));
  }
  return mask;
}

void Compiler::callNamed(const std::string& name, ast::Position pos, const std::vector<ast::ExprPtr>& args,
                         bool wantResult) {
  Resolved r = resolve(name, pos);
  CallSite site;
  site.argc = static_cast<uint16_t>(args.size());
  site.wantResult = wantResult;
  // A function's own name with arguments is a recursive call.
  if (r.kind == Resolved::Var && r.isResult && !args.empty()) {
    const Procedure& self = *scope_.proc;
    if (self.classIndex < 0) {
      r.kind = Resolved::Procedure;
      r.index = scope_.procIndex;
    } else {
      r.kind = Resolved::Method;
      r.index = classMemberIndex(program_.classes[self.classIndex], lowerName(name));
    }
  }
  switch (r.kind) {
    case Resolved::Var:
      if (r.var == VarKind::Dynamic || r.var == VarKind::DynamicExplicit) {
        site.refMask = arguments(args, true);
        site.target = r.index;
        site.fallback = r.fallback;
        emit(Op::CallName, addCall(site));
        return;
      }
      // An object in the variable (a GetRef reference, a host object) may
      // take its arguments by reference.
      site.refMask = arguments(args, true);
      site.target = packVar(r.var, r.index);
      site.fallback = r.fallback;
      emit(Op::CallVar, addCall(site));
      return;
    case Resolved::Procedure:
      site.refMask = arguments(args, true);
      site.target = r.index;
      emit(Op::CallProc, addCall(site));
      return;
    case Resolved::Method:
      site.refMask = arguments(args, true);
      site.target = r.index;
      emit(Op::CallMethod, addCall(site));
      return;
    case Resolved::Builtin: {
      valueArguments(args);
      site.target = r.index;
      emit(Op::CallBuiltin, addCall(site));
      // VBScript's quirks: a conversion whose result is thrown away raises
      // 458 once it has converted; the Randomize statement has no value (13).
      std::string lower = lowerName(name);
      static constexpr std::string_view kConversions[] = {"cint", "cbyte", "clng", "cdbl", "csng", "ccur", "cdate"};
      bool conversion = std::find(std::begin(kConversions), std::end(kConversions), lower) != std::end(kConversions);
      if (!wantResult && conversion) emit(Op::Raise, 458);
      if (wantResult && lower == "randomize") emit(Op::Raise, 13);
      return;
    }
    case Resolved::Constant:
      emit(Op::PushConst, r.index);
      break;
    case Resolved::ErrObject:
      emit(Op::PushErr);
      break;
    case Resolved::Class:
      emit(Op::Raise, 13);
      return;
  }
  valueArguments(args);
  emit(Op::CallValue, addCall(site));
}

void Compiler::call(const ast::CallExpr& e, bool wantResult) {
  if (e.callee->kind == ast::ExprKind::Name) {
    callNamed(static_cast<const ast::NameExpr&>(*e.callee).name, e.callee->pos, e.args, wantResult);
    return;
  }
  if (e.callee->kind == ast::ExprKind::Member) {
    member(static_cast<const ast::MemberExpr&>(*e.callee), &e.args, Op::MemberGet, wantResult);
    return;
  }
  expr(*e.callee);
  valueArguments(e.args);
  CallSite site;
  site.argc = static_cast<uint16_t>(e.args.size());
  site.wantResult = wantResult;
  emit(Op::CallValue, addCall(site));
}

void Compiler::memberObject(const ast::MemberExpr& e) {
  if (e.object) {
    expr(*e.object);
    return;
  }
  if (scope_.withSlots.empty()) {
    emit(Op::Raise, 424);
    return;
  }
  emit(Op::WithObject, 0, scope_.withSlots.back());
}

void Compiler::member(const ast::MemberExpr& e, const std::vector<ast::ExprPtr>* args, Op op, bool wantResult) {
  std::vector<ast::ExprPtr> none;
  const std::vector<ast::ExprPtr>& list = args ? *args : none;
  // Me.member inside the class goes straight to the member, private or not.
  const ClassDef* cls = scope_.classIndex >= 0 ? &program_.classes[scope_.classIndex] : (outer_ ? outer_->cls : nullptr);
  if (op == Op::MemberGet && e.object && e.object->kind == ast::ExprKind::Me && cls) {
    if (int32_t i = classMemberIndex(*cls, lowerName(e.name)); i >= 0) {
      CallSite site;
      site.argc = static_cast<uint16_t>(list.size());
      site.wantResult = wantResult;
      if (cls->members[i].field >= 0) {
        if (list.empty()) {
          Resolved r;
          r.var = VarKind::Field;
          r.index = cls->members[i].field;
          emitVar(Op::LoadVar, r);
          if (!wantResult) emit(Op::Pop);
          return;
        }
        valueArguments(list);
        site.target = packVar(VarKind::Field, cls->members[i].field);
        emit(Op::CallVar, addCall(site));
        return;
      }
      site.refMask = arguments(list, true);
      site.target = static_cast<int32_t>(i);
      emit(Op::CallMethod, addCall(site));
      return;
    }
  }
  memberObject(e);
  RefMask mask = arguments(list, op == Op::MemberGet);
  emit(op, memberSite(e.name, e.object.get(), static_cast<uint16_t>(list.size()), mask, wantResult));
}

bool Compiler::concatPieces(const ast::NameExpr& target, const ast::Expr& value,
                            std::vector<const ast::Expr*>& pieces) {
  // `v = v & a & b` is ((v & a) & b): walk down the left side to v.
  const ast::Expr* e = &value;
  while (e->kind == ast::ExprKind::Binary && static_cast<const ast::BinaryExpr*>(e)->op == ast::BinaryOp::Concat) {
    auto* b = static_cast<const ast::BinaryExpr*>(e);
    pieces.push_back(b->right.get());
    e = b->left.get();
  }
  if (pieces.empty() || e->kind != ast::ExprKind::Name ||
      lowerName(static_cast<const ast::NameExpr*>(e)->name) != lowerName(target.name))
    return false;
  std::reverse(pieces.begin(), pieces.end());
  return pieces.size() < 256;
}

void Compiler::assignName(const ast::NameExpr& target, const ast::Expr& value, bool isSet) {
  Resolved r = resolveForWrite(target.name, target.pos);
  if (r.kind == Resolved::Var) {
    // v = v + x / v = v - x where x calls nothing: updated in place (reading
    // v after x cannot change the result).
    if (!isSet && value.kind == ast::ExprKind::Binary) {
      auto& b = static_cast<const ast::BinaryExpr&>(value);
      bool addOrSubtract = b.op == ast::BinaryOp::Add || b.op == ast::BinaryOp::Subtract;
      if (addOrSubtract && b.left->kind == ast::ExprKind::Name &&
          lowerName(static_cast<const ast::NameExpr&>(*b.left).name) == lowerName(target.name) && isPure(*b.right)) {
        expr(*b.right);
        emit(Op::UpdateVar, r.index, b.op == ast::BinaryOp::Add ? 0 : 1, static_cast<uint8_t>(r.var), 0, r.fallback);
        return;
      }
    }
    std::vector<const ast::Expr*> pieces;
    if (!isSet && concatPieces(target, value, pieces)) {
      // Every piece is evaluated before the variable changes.
      for (const ast::Expr* piece : pieces) expr(*piece);
      emit(Op::AppendVar, r.index, static_cast<uint16_t>(pieces.size()), static_cast<uint8_t>(r.var), 0, r.fallback);
      return;
    }
    expr(value);
    emitVar(isSet ? Op::SetVar : Op::LetVar, r);
    return;
  }
  if (r.kind == Resolved::Method) {
    expr(value);
    CallSite site;
    site.target = r.index;
    site.argc = 1;
    site.wantResult = false;
    site.kind = isSet ? InvokeSet : InvokeLet;
    emit(Op::CallMethod, addCall(site));
    return;
  }
  expr(value);
  emit(Op::Raise, 501);  // Illegal assignment: a constant, procedure or class name
}

// `x(0)(1) = v`: the element x(0) is reached in place, as a ByRef argument
// reaches it, so an array held in an array is written where it is. x is a
// variable with a known place or a procedure's undeclared local; false
// otherwise (the caller then assigns through the value).
bool Compiler::assignInElement(const ast::CallExpr& target, const ast::Expr& value, bool isSet) {
  auto& inner = static_cast<const ast::CallExpr&>(*target.callee);
  if (inner.callee->kind != ast::ExprKind::Name || inner.args.empty()) return false;
  Resolved r = resolve(static_cast<const ast::NameExpr&>(*inner.callee).name, inner.callee->pos);
  const bool implicitLocal = isVariable(r) && r.var == VarKind::Dynamic && r.fallback != kNoSlot;
  if (!isFixedPlace(r) && !implicitLocal) return false;
  valueArguments(inner.args);
  CallSite element;
  element.target = packVar(r.var, r.index);
  element.argc = static_cast<uint16_t>(inner.args.size());
  element.fallback = r.fallback;
  emit(Op::PushElemRef, addCall(element));
  valueArguments(target.args);
  expr(value);
  CallSite site;
  site.target = -1;
  site.argc = static_cast<uint16_t>(target.args.size());
  site.wantResult = false;
  emit(isSet ? Op::SetIndexVar : Op::LetIndexVar, addCall(site));
  return true;
}

void Compiler::assign(const ast::AssignStmt& s) {
  const ast::Expr& target = *s.target;
  switch (target.kind) {
    case ast::ExprKind::Name:
      assignName(static_cast<const ast::NameExpr&>(target), *s.value, s.isSet);
      return;
    case ast::ExprKind::Member: {
      auto& m = static_cast<const ast::MemberExpr&>(target);
      const ClassDef* cls = scope_.classIndex >= 0 ? &program_.classes[scope_.classIndex] : (outer_ ? outer_->cls : nullptr);
      if (m.object && m.object->kind == ast::ExprKind::Me && cls) {
        for (const ClassMember& cm : cls->members) {
          if (lowerName(cm.name) != lowerName(m.name)) continue;
          ast::NameExpr asName(m.pos, m.name);
          assignName(asName, *s.value, s.isSet);
          return;
        }
      }
      memberObject(m);
      expr(*s.value);
      emit(s.isSet ? Op::MemberSet : Op::MemberLet, memberSite(m.name, m.object.get(), 0, RefMask{}, false));
      return;
    }
    case ast::ExprKind::Call: {
      auto& c = static_cast<const ast::CallExpr&>(target);
      if (c.callee->kind == ast::ExprKind::Call && assignInElement(c, *s.value, s.isSet)) return;
      if (c.callee->kind == ast::ExprKind::Member) {
        auto& m = static_cast<const ast::MemberExpr&>(*c.callee);
        memberObject(m);
        valueArguments(c.args);
        expr(*s.value);
        emit(s.isSet ? Op::MemberSet : Op::MemberLet,
             memberSite(m.name, m.object.get(), static_cast<uint16_t>(c.args.size()), RefMask{}, false));
        return;
      }
      if (c.callee->kind == ast::ExprKind::Name) {
        Resolved r = resolve(static_cast<const ast::NameExpr&>(*c.callee).name, c.callee->pos);
        CallSite site;
        site.argc = static_cast<uint16_t>(c.args.size());
        site.wantResult = false;
        if (r.kind == Resolved::Var) {
          valueArguments(c.args);
          expr(*s.value);
          site.target = packVar(r.var, r.index);
          site.fallback = r.fallback;
          emit(s.isSet ? Op::SetIndexVar : Op::LetIndexVar, addCall(site));
          return;
        }
        if (r.kind == Resolved::Method) {
          valueArguments(c.args);
          expr(*s.value);
          site.target = r.index;
          site.argc = static_cast<uint16_t>(c.args.size() + 1);
          site.kind = s.isSet ? InvokeSet : InvokeLet;
          emit(Op::CallMethod, addCall(site));
          return;
        }
      }
      // The default member of whatever the callee gives: `f(1)(2) = v`.
      expr(*c.callee);
      valueArguments(c.args);
      expr(*s.value);
      emit(s.isSet ? Op::MemberSet : Op::MemberLet,
           memberSite("", nullptr, static_cast<uint16_t>(c.args.size()), RefMask{}, false));
      return;
    }
    default:
      expr(*s.value);
      emit(Op::Raise, 501);
      return;
  }
}

}  // namespace corvela::vbs
