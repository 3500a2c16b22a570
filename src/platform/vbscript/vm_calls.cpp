// Calls and member access of the execution loop: script procedures and
// methods (which push frames), built-ins, host objects (whose ByRef
// arguments are written back), default members and array indexing.
#include <new>
#include <typeinfo>

#include "platform/text/utf8.h"
#include "platform/vbscript/class_instance.h"
#include "platform/vbscript/err_object.h"
#include "platform/vbscript/interpreter.h"
#include "platform/vbscript/regexp.h"
#include "platform/vbscript/vm_values.h"

namespace corvela::vbs {

namespace {

constexpr InvokeKind kMethodOrGet = static_cast<InvokeKind>(InvokeMethod | InvokeGet);
constexpr int kMaxDims = 60;

// The lock an element passed ByRef holds on its array (see pushElemRef).
class ElementLock final : public Object {
 public:
  explicit ElementLock(ArrayRep* rep) : rep_(rep) { ++rep_->lockCount; }
  ~ElementLock() override { --rep_->lockCount; }
  std::string_view className() const override { return "Object"; }
  DispId memberId(std::string_view) const override { return DISPID_UNKNOWN; }
  void invoke(DispId, InvokeKind, std::span<Variant>, Variant&) override { raiseRuntimeError(438); }

 private:
  ArrayRep* rep_;
};

ScriptObject& meOf(const Frame& frame) {
  // Only class code (and Eval/Execute inside it) refers to Me's members.
  return static_cast<ScriptObject&>(*frame.me.rawObject());
}

// The place of an unknown name that no global has: a slot of the frame, or
// in Eval/Execute code run inside a procedure, of that procedure's frame
// (past its slots: the variables Execute created in the invocation).
Variant* fallbackSlot(Frame& frame, uint16_t fallback) {
  if (!frame.outer) return frame.base + fallback;
  Frame& outer = *frame.outer;
  if (fallback < outer.proc->slotCount) return outer.base + fallback;
  return &outer.created->values[fallback - outer.proc->slotCount];
}

// A variable that Execute code declared (Dim) in the invocation the frame
// belongs to, found by name; null when there is none. Under Option
// Explicit this is how the procedure's own code reaches such a variable:
// `Execute "Dim v"` then `v = 1` in the same Sub.
Variant* declaredByExecute(Frame& frame, std::string_view name) {
  Frame& owner = frame.outer ? *frame.outer : frame;
  if (!owner.created) return nullptr;
  const std::vector<CreatedVariable>& names = owner.created->names;
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i].declared && text::equalsIgnoreCase(names[i].name, name)) return &owner.created->values[i];
  return nullptr;
}

// The name a variable was declared with, for the text of an error about it
// ("" when it has none to give).
std::string variableName(const Frame& frame, VarKind kind, int32_t index) {
  auto declared = [index](const Procedure& proc, VarKind in) {
    for (const Procedure::Name& n : proc.names)
      if (n.kind == in && n.index == index) return n.name;
    return std::string();
  };
  switch (kind) {
    case VarKind::Global: return frame.link->program->globals[index].name;
    case VarKind::Field:
      for (const ClassMember& m : meOf(frame).cls().members)
        if (m.field == index) return m.name;
      return {};
    case VarKind::Local:
    case VarKind::Param: return declared(*frame.proc, kind);
    case VarKind::OuterLocal: return declared(*frame.outer->proc, VarKind::Local);
    case VarKind::OuterParam: return declared(*frame.outer->proc, VarKind::Param);
    case VarKind::OuterCreated: return frame.outer->created->names[index].name;
    default: return {};
  }
}

}  // namespace

Variant* Interpreter::varPtr(Frame& frame, VarKind kind, uint16_t fallback, int32_t index, bool forWrite) {
  switch (kind) {
    case VarKind::Local: return frame.base + index;
    case VarKind::Param: return frame.refs[index];
    case VarKind::Global: return &frame.link->globals[index]->value;
    case VarKind::Field: return &meOf(frame).fields[index];
    case VarKind::OuterLocal: return frame.outer->base + index;
    case VarKind::OuterParam: return frame.outer->refs[index];
    case VarKind::OuterCreated: return &frame.outer->created->values[index];
    case VarKind::Dynamic:
    case VarKind::DynamicExplicit: break;
  }
  if (GlobalSlot* slot = resolveDynamic(*frame.link, index)) {
    switch (slot->kind) {
      case GlobalSlot::Variable:
      case GlobalSlot::NamedObject: return &slot->value;
      case GlobalSlot::Constant:
        if (forWrite) raiseRuntimeError(501);
        return &slot->value;
      default: return nullptr;  // procedures, classes, members of objects
    }
  }
  if (fallback != kNoSlot) return fallbackSlot(frame, fallback);
  if (kind == VarKind::DynamicExplicit) {
    const std::string& name = frame.link->program->globals[index].name;
    if (Variant* created = declaredByExecute(frame, name)) return created;
    raiseNamedError(500, name);
  }
  // A new global, created by its first use at global level.
  GlobalSlot& created = defineGlobal(frame.link->program->globals[index].name);
  frame.link->globals[index] = &created;
  return &created.value;
}

void Interpreter::loadDynamic(Frame& frame, const Instr& instr) {
  GlobalSlot* slot = resolveDynamic(*frame.link, instr.b);
  switch (slot->kind) {
    case GlobalSlot::Procedure: enterProcedure(*slot->link, slot->index, nullptr, 0, RefMask{}, true); return;
    case GlobalSlot::ObjectMember: {
      Variant result;
      std::shared_ptr<Object> owner = slot->owner;
      owner->invoke(slot->member, kMethodOrGet, {}, result);
      new (sp_++) Variant(std::move(result));
      return;
    }
    default: raiseRuntimeError(13);
  }
}

void Interpreter::pushRef(Frame& frame, const Instr& instr) {
  size_t position = static_cast<size_t>(sp_ - stack_);
  Variant* target = varPtr(frame, static_cast<VarKind>(instr.n), instr.d, instr.b, false);
  refSlots_[position] = target;
  if (target) {
    ++sp_;  // the slot stays Empty: the callee reaches the variable through the reference
    return;
  }
  loadDynamic(frame, instr);
}

Variant Interpreter::indexValue(const Variant& value, Variant* args, uint16_t argc) {
  if (value.isArray()) {
    const ArrayRep* rep = value.rawArray();
    if (argc > kMaxDims) raiseRuntimeError(9);
    int32_t indices[kMaxDims];
    for (uint16_t i = 0; i < argc; ++i) indices[i] = args[i].dereferenced().toLong();
    ptrdiff_t offset = rep->offsetOf(indices, argc);
    if (offset < 0) raiseRuntimeError(9);
    return rep->isBytes ? Variant::fromByte(rep->bytes[offset]) : rep->items[offset];
  }
  if (value.isObject()) {
    std::shared_ptr<Object> object = value.rawObject();
    if (!object) raiseRuntimeError(91);
    Variant result;
    object->invoke(DISPID_VALUE, kMethodOrGet, std::span<Variant>(args, argc), result);
    return result;
  }
  raiseRuntimeError(13);
}

void Interpreter::assignElement(Variant& target, Variant* args, uint16_t argc, Variant value, bool isSet) {
  if (target.isArray()) {
    if (isSet && !value.isObject()) raiseRuntimeError(424);
    if (!isSet && value.isObject()) value = value.dereferenced();
    if (argc > kMaxDims) raiseRuntimeError(9);
    int32_t indices[kMaxDims];
    for (uint16_t i = 0; i < argc; ++i) indices[i] = args[i].dereferenced().toLong();
    ArrayRep* rep = writableArray(target);
    ptrdiff_t offset = rep->offsetOf(indices, argc);
    if (offset < 0) raiseRuntimeError(9);
    if (rep->isBytes)
      rep->bytes[offset] = value.toByte();
    else
      rep->items[offset] = std::move(value);
    return;
  }
  if (target.isObject()) {
    std::shared_ptr<Object> object = target.rawObject();
    // `x(0) = 5` with Nothing in x is no object to index: 13, as for a number.
    if (!object) raiseRuntimeError(13);
    assignDefault(*object, args, argc, std::move(value), isSet);
    return;
  }
  raiseRuntimeError(13);
}

void Interpreter::assignDefault(Object& object, Variant* args, uint16_t argc, Variant value, bool isSet) {
  InvokeKind kind = isSet ? InvokeSet : InvokeLet;
  std::vector<Variant> all(args, args + argc);
  all.push_back(value);
  Variant ignored;
  try {
    object.invoke(DISPID_VALUE, kind, all, ignored);
    return;
  } catch (const ComError& e) {
    // `Document("TITLE") = v` on an object whose default member can only be
    // read: assign to the default member of what it gives, as VBScript's
    // default-member chains do.
    if (argc == 0 || e.number() != 438) throw;
  }
  Variant item;
  object.invoke(DISPID_VALUE, InvokeGet, std::span<Variant>(args, argc), item);
  if (!item.isObject() || !item.rawObject()) raiseRuntimeError(438);
  std::shared_ptr<Object> inner = item.rawObject();
  inner->invoke(DISPID_VALUE, kind, std::span<Variant>(&value, 1), ignored);
}

void Interpreter::pushElemRef(Frame& frame, const CallSite& site) {
  auto kind = static_cast<VarKind>(site.target >> 24);
  Variant* var = varPtr(frame, kind, site.fallback, site.target & 0xFFFFFF, false);
  // An undeclared local whose name a global procedure took since compiling
  // (ExecuteGlobal): no variable to reach into.
  if (!var) raiseRuntimeError(13);
  uint16_t argc = site.argc;
  Variant* args = sp_ - argc;
  if (var->isArray() && !var->rawArray()->isBytes) {
    if (argc > kMaxDims) raiseRuntimeError(9);
    int32_t indices[kMaxDims];
    for (uint16_t i = 0; i < argc; ++i) indices[i] = args[i].dereferenced().toLong();
    ArrayRep* rep = writableArray(*var);
    ptrdiff_t offset = rep->offsetOf(indices, argc);
    if (offset < 0) raiseRuntimeError(9);
    while (sp_ > args) *--sp_ = Variant();
    // The slot holds a lock on the array while the callee works on the
    // element: ReDim, Erase and assignments to the array raise 10 meanwhile,
    // so the element stays where it is.
    refSlots_[sp_ - stack_] = &rep->items[offset];
    new (sp_++) Variant(std::static_pointer_cast<Object>(std::make_shared<ElementLock>(rep)));
    return;
  }
  Variant value = indexValue(*var, args, argc);
  while (sp_ > args) *--sp_ = Variant();
  refSlots_[sp_ - stack_] = nullptr;
  new (sp_++) Variant(std::move(value));
}

void Interpreter::invokeObject(Object& object, DispId id, InvokeKind kind, uint16_t argc, RefMask refMask,
                               bool wantResult, int extraBelow) {
  Variant* args = sp_ - argc;
  // Where each argument passed by reference is written back to; only calls
  // of more than 32 arguments take memory for it.
  Variant* fewRefs[32];
  std::vector<Variant*> manyRefs;
  Variant** refs = fewRefs;
  if (argc > 32) {
    manyRefs.resize(argc);
    refs = manyRefs.data();
  }
  uint16_t refCount = refMask.none() ? 0 : argc;
  // Element locks stay held until the values are written back.
  std::vector<Variant> locks;
  for (uint16_t i = 0; i < refCount; ++i) {
    refs[i] = refMask.has(i) ? refSlots_[args + i - stack_] : nullptr;
    if (!refs[i]) continue;
    if (args[i].isObject()) locks.push_back(std::move(args[i]));
    args[i] = *refs[i];
  }
  Variant result;
  object.invoke(id, kind, std::span<Variant>(args, argc), result);
  // A callee that takes an argument by reference has written it back.
  for (uint16_t i = 0; i < refCount; ++i)
    if (refs[i]) *refs[i] = std::move(args[i]);
  Variant* bottom = args - extraBelow;
  while (sp_ > bottom) *--sp_ = Variant();
  if (wantResult) new (sp_++) Variant(std::move(result));
}

namespace {

// Values of arguments pushed as references, for callees that take values.
void materialize(Variant* args, Variant** refSlots, uint16_t argc, RefMask refMask) {
  if (refMask.none()) return;
  for (uint16_t i = 0; i < argc; ++i)
    if (refMask.has(i) && refSlots[i]) args[i] = *refSlots[i];
}

}  // namespace

void Interpreter::callName(Frame& frame, const CallSite& site) {
  GlobalSlot* slot = resolveDynamic(*frame.link, site.target);
  if (slot) {
    switch (slot->kind) {
      case GlobalSlot::Procedure:
        enterProcedure(*slot->link, slot->index, nullptr, site.argc, site.refMask, site.wantResult);
        return;
      case GlobalSlot::ObjectMember: {
        std::shared_ptr<Object> owner = slot->owner;
        invokeObject(*owner, slot->member, kMethodOrGet, site.argc, site.refMask, site.wantResult, 0);
        return;
      }
      case GlobalSlot::Class: raiseRuntimeError(13);
      default: break;
    }
  }
  Variant* var = slot ? &slot->value : nullptr;
  if (!var && site.fallback != kNoSlot) var = fallbackSlot(frame, site.fallback);
  if (!var && frame.link->program->optionExplicit)
    var = declaredByExecute(frame, frame.link->program->globals[site.target].name);
  if (!var) raiseNamedError(frame.link->program->optionExplicit ? 500 : 13, frame.link->program->globals[site.target].name);
  Variant* args = sp_ - site.argc;
  if (var->isObject()) {
    std::shared_ptr<Object> object = var->rawObject();
    if (!object) raiseRuntimeError(424);
    invokeObject(*object, DISPID_VALUE, kMethodOrGet, site.argc, site.refMask, site.wantResult, 0);
    return;
  }
  // A plain variable named as a statement (`n`) or called (`n()`) is an
  // unknown procedure.
  if (site.argc == 0 && !var->isArray()) raiseNamedError(13, frame.link->program->globals[site.target].name);
  materialize(args, refSlots_ + (args - stack_), site.argc, site.refMask);
  Variant value = site.argc == 0 ? *var : indexValue(*var, args, site.argc);
  while (sp_ > args) *--sp_ = Variant();
  if (site.wantResult) new (sp_++) Variant(std::move(value));
}

void Interpreter::callVar(Frame& frame, const CallSite& site) {
  auto kind = static_cast<VarKind>(site.target >> 24);
  Variant* var = varPtr(frame, kind, site.fallback, site.target & 0xFFFFFF, false);
  Variant* args = sp_ - site.argc;
  if (var->isObject()) {
    std::shared_ptr<Object> object = var->rawObject();
    if (!object) raiseRuntimeError(424);
    invokeObject(*object, DISPID_VALUE, kMethodOrGet, site.argc, site.refMask, site.wantResult, 0);
    return;
  }
  if (site.argc == 0 && !var->isArray()) {
    std::string name = variableName(frame, kind, site.target & 0xFFFFFF);
    if (name.empty()) raiseRuntimeError(13);
    raiseNamedError(13, std::move(name));
  }
  materialize(args, refSlots_ + (args - stack_), site.argc, site.refMask);
  Variant value = site.argc == 0 ? *var : indexValue(*var, args, site.argc);
  while (sp_ > args) *--sp_ = Variant();
  if (site.wantResult) new (sp_++) Variant(std::move(value));
}

void Interpreter::callValue(const CallSite& site) {
  Variant* args = sp_ - site.argc;
  Variant& callee = args[-1];
  if (callee.isObject()) {
    std::shared_ptr<Object> object = callee.rawObject();
    if (!object) raiseRuntimeError(424);
    invokeObject(*object, DISPID_VALUE, kMethodOrGet, site.argc, RefMask{}, site.wantResult, 1);
    return;
  }
  if (site.argc == 0) {
    // As for a variable: a plain value is nothing to call (`Call (1)`).
    if (!callee.isArray()) raiseRuntimeError(13);
    if (!site.wantResult) *--sp_ = Variant();
    return;
  }
  Variant value = indexValue(callee, args, site.argc);
  while (sp_ > args - 1) *--sp_ = Variant();
  if (site.wantResult) new (sp_++) Variant(std::move(value));
}

void Interpreter::callBuiltin(const Link& link, const CallSite& site) {
  const BuiltinFunction& fn = *link.program->builtins[site.target];
  if (site.argc < fn.minArgs || (fn.maxArgs != kAnyArgCount && site.argc > fn.maxArgs)) raiseRuntimeError(450);
  Variant* args = sp_ - site.argc;
  BuiltinCall call{std::span<Variant>(args, site.argc), this};
  Variant result;
  try {
    result = fn.fn(call);
  } catch (const NamedError&) {
    throw;
  } catch (const ComError& error) {
    // An uncaught error of a built-in names it: "Type mismatch: 'CInt'".
    if (error.source() != kRuntimeErrorSource || error.description() != standardErrorText(error.number())) throw;
    raiseNamedError(error.number(), std::string(fn.name));
  }
  while (sp_ > args) *--sp_ = Variant();
  if (site.wantResult) new (sp_++) Variant(std::move(result));
}

void Interpreter::scriptMember(ScriptObject& object, int32_t memberIndex, const CallSite& site, InvokeKind kind) {
  const ClassMember& member = object.cls().members[memberIndex];
  bool assigning = kind & (InvokeLet | InvokeSet);
  uint16_t argc = static_cast<uint16_t>(site.argc + (assigning ? 1 : 0));
  int32_t proc;
  if (kind & InvokeSet)
    proc = member.set;
  else if (kind & InvokeLet)
    proc = member.let;
  else
    proc = member.method >= 0 ? member.method : member.get;
  // The object sits below the arguments; the method's frame holds it as Me.
  Variant* args = sp_ - argc;
  Variant me = std::move(args[-1]);
  for (uint16_t i = 0; i < argc; ++i) {
    args[i - 1] = std::move(args[i]);
    refSlots_[args + i - 1 - stack_] = refSlots_[args + i - stack_];
  }
  --sp_;
  --args;
  if (proc >= 0) {
    enterProcedure(object.link(), proc, &me, argc, assigning ? RefMask{} : site.refMask, site.wantResult && !assigning);
    return;
  }
  if (member.field < 0) raiseRuntimeError(438);
  Variant& field = object.fields[member.field];
  if (site.argc > 0 && !indexableField(field)) raiseRuntimeError(438);
  if (assigning) {
    Variant value = std::move(args[site.argc]);
    if (site.argc == 0) {
      if ((kind & InvokeSet) && !value.isObject()) raiseRuntimeError(424);
      field = (kind & InvokeSet) ? std::move(value) : value.dereferenced();
    } else {
      assignElement(field, args, site.argc, std::move(value), kind & InvokeSet);
    }
    while (sp_ > args) *--sp_ = Variant();
    return;
  }
  materialize(args, refSlots_ + (args - stack_), site.argc, site.refMask);
  Variant value = site.argc == 0 ? field : indexValue(field, args, site.argc);
  while (sp_ > args) *--sp_ = Variant();
  if (site.wantResult) new (sp_++) Variant(std::move(value));
}

void Interpreter::callMethod(Frame& frame, const CallSite& site) {
  // Me goes below the arguments, as a member call on an object would have it.
  bool assigning = site.kind & (InvokeLet | InvokeSet);
  uint16_t argc = static_cast<uint16_t>(site.argc);
  Variant* args = sp_ - argc;
  for (uint16_t i = argc; i-- > 0;) {
    new (args + i + 1) Variant(std::move(args[i]));
    refSlots_[args + i + 1 - stack_] = refSlots_[args + i - stack_];
  }
  new (args) Variant(frame.me);
  ++sp_;
  CallSite adjusted = site;
  if (assigning) adjusted.argc = static_cast<uint16_t>(site.argc - 1);
  scriptMember(meOf(frame), site.target, adjusted, site.kind);
}

void Interpreter::memberAccess(Frame& frame, const CallSite& site, InvokeKind kind) {
  bool assigning = kind & (InvokeLet | InvokeSet);
  uint16_t argc = static_cast<uint16_t>(site.argc + (assigning ? 1 : 0));
  Variant& target = sp_[-static_cast<ptrdiff_t>(argc) - 1];
  const std::string& name = frame.link->program->memberNames[site.target];
  const std::string& objectName = frame.link->program->memberObjectNames[site.target];
  if (!target.isObject() || !target.rawObject()) {
    // `x(0)(0) = 5` where x(0) is a number or Nothing: nothing to index.
    if (name.empty()) raiseRuntimeError(13);
    if (objectName.empty()) raiseRuntimeError(424);
    raiseNamedError(424, objectName);
  }
  std::shared_ptr<Object> object = target.rawObject();
  // An unknown member is reported as VBScript names it: 'conn.Opn'.
  auto raiseUnknownMember = [&] {
    if (objectName.empty()) raiseRuntimeError(438);
    raiseNamedError(438, objectName + "." + name);
  };
  MemberCache& cache = frame.link->cache[site.cacheSlot];
  if (typeid(*object) == typeid(ScriptObject)) {
    auto& script = static_cast<ScriptObject&>(*object);
    if (script.interpreter() == this) {
      const void* key = &script.cls();
      if (cache.key != key) {
        cache.key = key;
        cache.type = nullptr;
        cache.id = name.empty() ? DISPID_VALUE : script.memberId(name);
      }
      int32_t member = cache.id == DISPID_UNKNOWN ? -1 : script.memberOf(cache.id);
      if (member < 0) raiseUnknownMember();
      scriptMember(script, member, site, kind);
      return;
    }
  }
  // Other objects: the id is cached for this very object.
  if (cache.key != object.get() || cache.type != &typeid(*object)) {
    cache.key = object.get();
    cache.type = &typeid(*object);
    cache.id = name.empty() ? DISPID_VALUE : object->memberId(name);
  }
  if (cache.id == DISPID_UNKNOWN) raiseUnknownMember();
  invokeObject(*object, cache.id, kind, argc, assigning ? RefMask{} : site.refMask, site.wantResult && !assigning, 1);
}

void Interpreter::indexAssign(Frame& frame, const CallSite& site, bool isSet) {
  Variant* args = sp_ - site.argc - 1;
  if (site.target < 0) {
    // Below the indices: what PushElemRef left, a reference into its array
    // (with the lock that keeps the element in place), or a plain value.
    Variant* holder = args - 1;
    Variant* element = refSlots_[holder - stack_];
    assignElement(element ? *element : *holder, args, site.argc, std::move(args[site.argc]), isSet);
    while (sp_ > holder) *--sp_ = Variant();
    return;
  }
  auto kind = static_cast<VarKind>(site.target >> 24);
  int32_t index = site.target & 0xFFFFFF;
  Variant* var = varPtr(frame, kind, site.fallback, index, true);
  if (!var) {
    GlobalSlot* slot = resolveDynamic(*frame.link, index);
    if (slot->kind != GlobalSlot::ObjectMember) raiseRuntimeError(501);
    std::shared_ptr<Object> owner = slot->owner;
    invokeObject(*owner, slot->member, isSet ? InvokeSet : InvokeLet, static_cast<uint16_t>(site.argc + 1), RefMask{}, false, 0);
    return;
  }
  Variant keep = var->isObject() ? *var : Variant();
  assignElement(*var, args, site.argc, std::move(args[site.argc]), isSet);
  while (sp_ > args) *--sp_ = Variant();
}

void Interpreter::newObject(Frame& frame, const Instr& instr) {
  const Link* link = frame.link;
  int32_t classIndex = instr.b;
  if (instr.n == 1) {
    std::string_view name = frame.link->program->constants[instr.b].rawString();
    // RegExp is VBScript's own class: New RegExp makes it even where the
    // script declares a class of that name.
    if (name.size() == 6 && (name[0] | 32) == 'r' && (name[1] | 32) == 'e' && (name[2] | 32) == 'g' &&
        (name[3] | 32) == 'e' && (name[4] | 32) == 'x' && (name[5] | 32) == 'p') {
      new (sp_++) Variant(createRegExp());
      return;
    }
    GlobalSlot* slot = findGlobal(name);
    if (!slot || slot->kind != GlobalSlot::Class) raiseNamedError(506, std::string(name));
    link = slot->link;
    classIndex = slot->index;
  }
  std::shared_ptr<ScriptObject> object = makeInstance(*this, *link, classIndex);
  initializeInstance(*object);
  int32_t init = object->cls().initialize;
  new (sp_++) Variant(std::static_pointer_cast<Object>(object));
  if (init >= 0) {
    Variant me = sp_[-1];
    enterProcedure(*link, init, &me, 0, RefMask{}, false);
  }
}

}  // namespace corvela::vbs
