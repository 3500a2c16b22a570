// The execution loop. One switch over the opcodes; integer and Double
// arithmetic and comparisons are done inline, everything else goes through
// the Variant operators. Calls between script procedures push frames here
// instead of recursing in C++.
#include <algorithm>
#include <new>
#include <stdexcept>

#include "platform/automation/variant_ops.h"
#include "platform/vbscript/class_instance.h"
#include "platform/vbscript/err_object.h"
#include "platform/vbscript/frame_entry.h"
#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/vm_values.h"

namespace corvela::vbs {

namespace {

inline bool isInteger(VarType t) { return t == VarType::Integer || t == VarType::Long; }

// An Integer's value is also held sign-extended in the Long field.
inline int32_t intValue(const Variant& v) { return v.rawLong(); }

// Integer + Integer stays Integer until it overflows, then Long; Long
// overflows to Double. out may be an operand's slot; it holds a scalar.
inline void storeInteger(Variant* out, int64_t value, bool bothInteger) {
  if (bothInteger && value >= INT16_MIN && value <= INT16_MAX)
    new (out) Variant(Variant::fromInteger(static_cast<int16_t>(value)));
  else if (value >= INT32_MIN && value <= INT32_MAX)
    new (out) Variant(static_cast<int32_t>(value));
  else
    new (out) Variant(static_cast<double>(value));
}

// a op b for + - * \ Mod on plain numbers: true when handled here, with the
// result in out (an Empty slot, or a's own slot); false leaves everything
// as it was for the general operator.
template <Op kOp>
inline bool fastArithmetic(const Variant& a, const Variant& b, Variant* out) {
  VarType ta = a.type(), tb = b.type();
  if (isInteger(ta) && isInteger(tb)) {
    int64_t x = intValue(a), y = intValue(b);
    int64_t r;
    if constexpr (kOp == Op::Add) r = x + y;
    else if constexpr (kOp == Op::Subtract) r = x - y;
    else if constexpr (kOp == Op::Multiply) r = x * y;
    else {
      if (y == 0) return false;  // 11, raised by the general operator
      r = kOp == Op::IntDivide ? x / y : x % y;
    }
    storeInteger(out, r, ta == VarType::Integer && tb == VarType::Integer);
    return true;
  }
  if constexpr (kOp == Op::Add || kOp == Op::Subtract || kOp == Op::Multiply) {
    if (ta == VarType::Double && tb == VarType::Double) {
      double x = a.rawDouble(), y = b.rawDouble();
      new (out) Variant(kOp == Op::Add ? x + y : kOp == Op::Subtract ? x - y : x * y);
      return true;
    }
  }
  return false;
}

Variant slowArithmetic(Op op, const Variant& a, const Variant& b) {
  switch (op) {
    case Op::Add: return ops::add(a, b);
    case Op::Subtract: return ops::subtract(a, b);
    case Op::Multiply: return ops::multiply(a, b);
    case Op::IntDivide: return ops::intDivide(a, b);
    default: return ops::modulo(a, b);
  }
}

// -1/0/1 for plain numbers, or 2 when the fast path does not apply.
inline int fastCompare(const Variant& a, const Variant& b) {
  VarType ta = a.type(), tb = b.type();
  if (isInteger(ta) && isInteger(tb)) {
    int32_t x = intValue(a), y = intValue(b);
    return x < y ? -1 : x > y ? 1 : 0;
  }
  if (ta == VarType::Double && tb == VarType::Double) {
    double x = a.rawDouble(), y = b.rawDouble();
    return x < y ? -1 : x > y ? 1 : 0;
  }
  return 2;
}

inline bool compareHolds(Op op, int c) {
  switch (op) {
    case Op::Equal: return c == 0;
    case Op::NotEqual: return c != 0;
    case Op::Less: return c < 0;
    case Op::Greater: return c > 0;
    case Op::LessEqual: return c <= 0;
    default: return c >= 0;
  }
}

inline ops::CompareOp compareOpOf(Op op) {
  return static_cast<ops::CompareOp>(static_cast<int>(op) - static_cast<int>(Op::Equal));
}

// The truth of a condition: Null counts as False.
inline bool truth(const Variant& v) {
  if (v.type() == VarType::Boolean) return v.rawBool();
  if (v.isNull()) return false;
  return v.dereferenced().toBool();
}

}  // namespace

#define SAVE() (f->pc = pc, sp_ = sp)
#define LOAD_FRAME()                                                                         \
  (f = &frames_.back(), pc = f->pc, code = f->proc->code.data(), program = f->link->program.get(), \
   globals = f->link->globals.data())
#define LOAD() (LOAD_FRAME(), sp = sp_)
// Before anything that may run script code (an object's default member, a
// Property Get) and so push on the stack above sp_.
#define SYNC() (sp_ = sp)
#define PUSH(value) copyInto(sp++, value)
#define DROP() clearSlot(*--sp)
// The variable a binary operator reads as its left operand (in.a != 0).
#define LEFT_VAR() (in.a == kLeftLocal ? f->base[in.b] : in.a == kLeftParam ? *f->refs[in.b] : globals[in.b]->value)
// Otherwise the left operand is pushed first for the general path.
#define LEFT_OPERAND() \
  if (in.a) PUSH(LEFT_VAR())
// `If i < n Then`: a comparison followed by a conditional jump takes the
// jump itself rather than push a Boolean for it. True when it did.
#define TAKE_JUMP(holds)                                                         \
  ((pc->op == Op::JumpIfFalse || pc->op == Op::JumpIfTrue) &&                    \
   (step(), pc = (holds) == (pc->op == Op::JumpIfTrue) ? code + pc->b : pc + 1, true))
// + - * \ Mod: plain numbers inline, the rest through the Variant operators.
#define ARITHMETIC(OP)                                                          \
  case OP: {                                                                    \
    const Variant& b = in.c ? program->constants[in.c - 1] : sp[-1];           \
    if (in.a) {                                                                 \
      const Variant& left = LEFT_VAR();                                         \
      if (fastArithmetic<OP>(left, b, sp)) {                                    \
        ++sp;                                                                   \
        break;                                                                  \
      }                                                                         \
      PUSH(left);                                                               \
    }                                                                           \
    Variant& a = in.c ? sp[-1] : sp[-2];                                        \
    if (!fastArithmetic<OP>(a, b, &a)) a = (SYNC(), slowArithmetic(OP, a, b)); \
    if (!in.c) DROP();                                                          \
    break;                                                                      \
  }
// A loop step done by a helper (which uses sp_): jumps to c when it says so.
#define LOOP_STEP(helper)               \
  do {                                  \
    SAVE();                             \
    bool jump = helper(*f, in);         \
    sp = sp_;                           \
    if (jump) pc = code + in.c;         \
  } while (false)
#define TERMINATES()        \
  if (!pendingTerminate_.empty()) { \
    SAVE();                         \
    runPendingTerminates();         \
    sp = sp_;                       \
  }

void Interpreter::execute() {
  ++executeDepth_;
  struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
  } guard{executeDepth_};
  const size_t entryDepth = frames_.size();
  Frame* f = &frames_.back();
  const Instr* pc = f->pc;
  const Instr* code = f->proc->code.data();
  const Program* program = f->link->program.get();
  GlobalSlot* const* globals = f->link->globals.data();
  // The operand stack's top lives in a register here. sp_ is brought up to
  // date before any call that uses it (SAVE) and read back after (LOAD or
  // `sp = sp_`). Slots above the top are always Empty, so after a throw the
  // higher of the two is a safe top to unwind from.
  Variant* sp = sp_;
  for (;;) {
    try {
      for (;;) {
        const Instr& in = *pc++;
        switch (in.op) {
          case Op::PushConst: PUSH(program->constants[in.b]); break;
          case Op::PushMe: PUSH(f->me); break;
          case Op::PushErr: PUSH(Variant(std::static_pointer_cast<Object>(err_))); break;
          case Op::Pop:
            DROP();
            TERMINATES();
            break;
          case Op::LoadLocal: PUSH(f->base[in.a]); break;
          case Op::LoadParam: PUSH(*f->refs[in.a]); break;
          case Op::LoadGlobal: PUSH(globals[in.b]->value); break;
          case Op::LoadVar: {
            Variant* v = varPtr(*f, static_cast<VarKind>(in.n), in.d, in.b, false);
            if (v) {
              PUSH(*v);
              break;
            }
            SAVE();
            loadDynamic(*f, in);
            LOAD();
            break;
          }
          case Op::StoreLocal: assignFrom(f->base[in.a], --sp); break;
          case Op::LetLocal:
          case Op::LetGlobal: {
            // The common case: a plain value into a local or global.
            Variant* value = sp - 1;
            if (!value->isObject()) {
              Variant& target = in.op == Op::LetLocal ? f->base[in.a] : globals[in.b]->value;
              if (!holdsReference(target)) {
                moveInto(&target, value);
                --sp;
                break;
              }
            }
            [[fallthrough]];
          }
          case Op::LetParam:
          case Op::LetVar:
          case Op::SetLocal:
          case Op::SetParam:
          case Op::SetGlobal:
          case Op::SetVar: {
            SYNC();
            Variant* value = sp - 1;
            bool isSet = in.op >= Op::SetLocal;
            if (isSet) {
              if (!value->isObject()) raiseRuntimeError(424);
            } else if (value->isObject()) {
              *value = value->dereferenced();
            }
            Variant* target = nullptr;
            switch (in.op) {
              case Op::LetLocal:
              case Op::SetLocal: target = f->base + in.a; break;
              case Op::LetParam:
              case Op::SetParam: target = f->refs[in.a]; break;
              case Op::LetGlobal:
              case Op::SetGlobal: target = &globals[in.b]->value; break;
              default:
                target = varPtr(*f, static_cast<VarKind>(in.n), in.d, in.b, true);
                if (!target) raiseRuntimeError(501);
            }
            checkUnlocked(*target);
            assignFrom(*target, value);
            --sp;
            TERMINATES();
            break;
          }
          case Op::UpdateVar: {
            Variant* target = in.n == static_cast<uint8_t>(VarKind::Local)    ? f->base + in.b
                              : in.n == static_cast<uint8_t>(VarKind::Global) ? &globals[in.b]->value
                                                                              : varPtr(*f, static_cast<VarKind>(in.n), in.d, in.b, true);
            if (!target) raiseRuntimeError(501);
            checkUnlocked(*target);
            Variant* operand = sp - 1;
            if (!holdsReference(*target) && (in.a ? fastArithmetic<Op::Subtract>(*target, *operand, target)
                                                  : fastArithmetic<Op::Add>(*target, *operand, target))) {
              DROP();
              break;
            }
            SYNC();
            *target = in.a ? ops::subtract(*target, *operand) : ops::add(*target, *operand);
            DROP();
            TERMINATES();
            break;
          }
          case Op::AppendVar: {
            Variant* target = varPtr(*f, static_cast<VarKind>(in.n), in.d, in.b, true);
            if (!target) raiseRuntimeError(501);
            checkUnlocked(*target);
            Variant* pieces = sp - in.a;
            SYNC();
            for (uint16_t i = 0; i < in.a; ++i) {
              if (target->isString() && pieces[i].isString())
                target->appendString(pieces[i].rawString());
              else
                ops::appendConcat(*target, pieces[i]);
            }
            while (sp > pieces) DROP();
            break;
          }

          // Binary operators: the right operand is the constant c - 1 when
          // c > 0 (a literal in the script), else the top of the stack.
          ARITHMETIC(Op::Add)
          ARITHMETIC(Op::Subtract)
          ARITHMETIC(Op::Multiply)
          ARITHMETIC(Op::IntDivide)
          ARITHMETIC(Op::Mod)
          case Op::Concat: {
            LEFT_OPERAND();
            Variant& a = in.c ? sp[-1] : sp[-2];
            const Variant& b = in.c ? program->constants[in.c - 1] : sp[-1];
            if (a.isString() && b.isString())
              a.appendString(b.rawString());
            else
              a = (SYNC(), ops::concat(a, b));
            if (!in.c) DROP();
            break;
          }
          case Op::Equal:
          case Op::NotEqual:
          case Op::Less:
          case Op::Greater:
          case Op::LessEqual:
          case Op::GreaterEqual: {
            const Variant& b = in.c ? program->constants[in.c - 1] : sp[-1];
            if (in.a) {
              const Variant& left = LEFT_VAR();
              int c = fastCompare(left, b);
              if (c != 2) {
                bool holds = compareHolds(in.op, c);
                if (!TAKE_JUMP(holds)) new (sp++) Variant(holds);
                break;
              }
              PUSH(left);
            }
            Variant& a = in.c ? sp[-1] : sp[-2];
            int c = fastCompare(a, b);
            if (c != 2 && !holdsReference(a)) {
              bool holds = compareHolds(in.op, c);
              if (TAKE_JUMP(holds)) {
                // Plain numbers: emptying the slots releases nothing.
                if (!in.c) new (sp - 1) Variant();
                new (&a) Variant();
                sp = &a;
                break;
              }
              new (&a) Variant(holds);
            } else
              a = (SYNC(), ops::compareOp(compareOpOf(in.op), a, b, in.n));
            if (!in.c) DROP();
            break;
          }
          case Op::Divide:
          case Op::Power:
          case Op::Is:
          case Op::And:
          case Op::Or:
          case Op::Xor:
          case Op::Eqv:
          case Op::Imp: {
            LEFT_OPERAND();
            Variant& a = in.c ? sp[-1] : sp[-2];
            const Variant& b = in.c ? program->constants[in.c - 1] : sp[-1];
            SYNC();
            switch (in.op) {
              case Op::Divide: a = ops::divide(a, b); break;
              case Op::Power: a = ops::power(a, b); break;
              case Op::Is: a = Variant(ops::isSameObject(a, b)); break;
              case Op::And: a = ops::logicalAnd(a, b); break;
              case Op::Or: a = ops::logicalOr(a, b); break;
              case Op::Xor: a = ops::logicalXor(a, b); break;
              case Op::Eqv: a = ops::logicalEqv(a, b); break;
              default: a = ops::logicalImp(a, b); break;
            }
            if (!in.c) DROP();
            break;
          }
          case Op::Negate:
            SYNC();
            sp[-1] = ops::negate(sp[-1]);
            break;
          case Op::Plus:
            SYNC();
            if (sp[-1].isObject()) sp[-1] = sp[-1].dereferenced();
            break;
          case Op::Not:
            if (sp[-1].type() == VarType::Boolean)
              sp[-1] = Variant(!sp[-1].rawBool());
            else
              sp[-1] = (SYNC(), ops::logicalNot(sp[-1]));
            break;

          // Loops go round through jumps: each counts against the host's step limit.
          case Op::Jump:
            step();
            pc = code + in.b;
            break;
          case Op::JumpIfFalse:
          case Op::JumpIfTrue: {
            step();
            SYNC();
            bool t = truth(sp[-1]);
            DROP();
            if (t == (in.op == Op::JumpIfTrue)) pc = code + in.b;
            break;
          }
          case Op::CaseTest: {
            SYNC();
            const Variant& subject = f->base[in.a];
            Variant r = ops::compareOp(static_cast<ops::CompareOp>(in.n), subject, sp[-1], in.d);
            DROP();
            if (r.type() == VarType::Boolean && r.rawBool()) pc = code + in.b;
            break;
          }
          case Op::CaseRange: {
            SYNC();
            const Variant& subject = f->base[in.a];
            Variant low = ops::compareOp(ops::CompareOp::GreaterEqual, subject, sp[-2], in.d);
            Variant high = ops::compareOp(ops::CompareOp::LessEqual, subject, sp[-1], in.d);
            DROP();
            DROP();
            if (low.type() == VarType::Boolean && low.rawBool() && high.type() == VarType::Boolean && high.rawBool())
              pc = code + in.b;
            break;
          }
          case Op::ForInit:
            LOOP_STEP(forInit);
            break;
          case Op::ForNext: {
            step();
            // Whole-number counters of locals and globals step here.
            const Variant& limit = f->base[in.a];
            const Variant& step = f->base[in.a + 1];
            Variant* counter = in.n == static_cast<uint8_t>(VarKind::Local)    ? f->base + in.b
                               : in.n == static_cast<uint8_t>(VarKind::Global) ? &globals[in.b]->value
                                                                               : nullptr;
            if (counter && isInteger(counter->type()) && isInteger(step.type()) && isInteger(limit.type())) {
              int64_t next = static_cast<int64_t>(intValue(*counter)) + intValue(step);
              bool small = counter->type() == VarType::Integer && step.type() == VarType::Integer;
              if (small ? (next >= INT16_MIN && next <= INT16_MAX) : (next >= INT32_MIN && next <= INT32_MAX)) {
                if (small)
                  new (counter) Variant(Variant::fromInteger(static_cast<int16_t>(next)));
                else
                  new (counter) Variant(static_cast<int32_t>(next));
                if (intValue(step) >= 0 ? next <= intValue(limit) : next >= intValue(limit)) pc = code + in.c;
                break;
              }
            }
            LOOP_STEP(forNext);
            break;
          }
          case Op::ForEachInit:
            LOOP_STEP(forEachInit);
            break;
          case Op::ForEachNext:
            step();
            LOOP_STEP(forEachNext);
            break;
          case Op::ClearSlot:
            clearSlot(f->base[in.a]);
            TERMINATES();
            break;
          case Op::EnterWith: {
            Variant object = std::move(*--sp);
            if (!object.isObject()) raiseRuntimeError(424);
            f->base[in.a] = std::move(object);
            break;
          }
          case Op::WithObject: {
            const Variant& object = f->base[in.a];
            if (!object.isObject() || !object.rawObject()) raiseRuntimeError(424);
            PUSH(object);
            break;
          }
          case Op::Return: {
            bool toHost = f->returnsToHost;
            bool want = f->wantResult;
            const Link* link = f->link;
            Variant result;
            if (want && f->proc->resultSlot >= 0) moveInto(&result, f->base + f->proc->resultSlot);
            sp = leaveFrame(frames_, refTop_, sp);
            if (want) moveInto(sp++, &result);
            if (toHost) {
              sp_ = sp;
              if (!pendingTerminate_.empty()) runPendingTerminates();
              return;
            }
            --f;  // frames never move: the caller's is just below
            pc = f->pc;
            code = f->proc->code.data();
            if (f->link != link) {
              program = f->link->program.get();
              globals = f->link->globals.data();
            }
            TERMINATES();
            break;
          }
          case Op::OnErrorResumeNext:
            f->resumeNext = true;
            err_->clear();
            break;
          case Op::OnErrorGoto0:
            f->resumeNext = false;
            err_->clear();
            break;
          case Op::Raise: raiseRuntimeError(in.b);

          case Op::PushRef:
            SAVE();
            pushRef(*f, in);
            LOAD();
            break;
          case Op::PushElemRef:
            SAVE();
            pushElemRef(*f, program->calls[in.b]);
            sp = sp_;
            break;
          case Op::CallProc: {
            const CallSite& site = program->calls[in.b];
            const Procedure& proc = program->procedures[site.target];
            // Arguments that are all values: enterProcedure() inline.
            if (site.refMask.none() && site.argc == proc.paramCount &&
                frameFits(frames_, sp, stackEnd_, proc, refTop_, site.argc)) {
              step();
              Variant* args = sp - site.argc;
              Variant** refs = refTable_ + refTop_;
              for (uint16_t i = 0; i < site.argc; ++i) refs[i] = args + i;
              refTop_ += site.argc;
              f->pc = pc;
              sp = args + proc.slotCount;
              // Same program and globals: only the frame and code change.
              f = &pushFrame(frames_, proc, f->link, args, refs, nullptr, site.wantResult);
              pc = code = proc.code.data();
              break;
            }
            SAVE();
            enterProcedure(*f->link, site.target, nullptr, site.argc, site.refMask, site.wantResult);
            LOAD();
            break;
          }
          case Op::CallMethod:
            SAVE();
            callMethod(*f, program->calls[in.b]);
            LOAD();
            break;
          case Op::CallBuiltin:
            SAVE();
            callBuiltin(*f->link, program->calls[in.b]);
            sp = sp_;
            TERMINATES();
            break;
          case Op::CallName:
            SAVE();
            callName(*f, program->calls[in.b]);
            LOAD();
            break;
          case Op::CallVar:
            SAVE();
            callVar(*f, program->calls[in.b]);
            sp = sp_;
            break;
          case Op::CallValue:
            SAVE();
            callValue(program->calls[in.b]);
            sp = sp_;
            break;
          case Op::LetIndexVar:
          case Op::SetIndexVar:
            SAVE();
            indexAssign(*f, program->calls[in.b], in.op == Op::SetIndexVar);
            sp = sp_;
            TERMINATES();
            break;
          case Op::MemberGet:
          case Op::MemberLet:
          case Op::MemberSet: {
            InvokeKind kind = in.op == Op::MemberGet   ? static_cast<InvokeKind>(InvokeMethod | InvokeGet)
                              : in.op == Op::MemberLet ? InvokeLet
                                                       : InvokeSet;
            SAVE();
            memberAccess(*f, program->calls[in.b], kind);
            LOAD();
            TERMINATES();
            break;
          }
          case Op::NewObject:
            SAVE();
            newObject(*f, in);
            LOAD();
            break;
          case Op::ReDim:
            SAVE();
            redim(*f, program->arrays[in.b]);
            sp = sp_;
            TERMINATES();
            break;
          case Op::DimArray:
            SAVE();
            dimArray(*f, program->arrays[in.b]);
            sp = sp_;
            TERMINATES();
            break;
          case Op::Erase:
            SAVE();
            erase(*f, in);
            sp = sp_;
            TERMINATES();
            break;
          // The compiler emits only the opcodes above; saying so drops the
          // range check from every dispatch.
          default: __builtin_unreachable();
        }
      }
    } catch (const ComError& error) {
      sp_ = std::max(sp, sp_);
      handleError(error, pc, entryDepth);
    } catch (const std::bad_alloc&) {
      sp_ = std::max(sp, sp_);
      handleError(ComError(7, kRuntimeErrorSource, standardErrorText(7)), pc, entryDepth);
    } catch (const std::length_error&) {
      sp_ = std::max(sp, sp_);
      handleError(ComError(7, kRuntimeErrorSource, standardErrorText(7)), pc, entryDepth);
    }
    LOAD();
  }
}

}  // namespace corvela::vbs
