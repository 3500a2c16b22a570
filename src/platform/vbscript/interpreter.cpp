// Interpreter set-up: the stack, global slots and their binding to
// programs, calls from C++ (hosts, GetRef objects, class instances), the
// error hand-off to On Error Resume Next, and Class_Terminate scheduling.
#include "platform/vbscript/interpreter.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "platform/automation/dispatch_table.h"
#include "platform/vbscript/class_instance.h"
#include "platform/vbscript/compiler.h"
#include "platform/vbscript/err_object.h"
#include "platform/vbscript/native_stack.h"
#include "platform/vbscript/parser.h"
#include "platform/vbscript/frame_entry.h"
#include "platform/vbscript/vm_values.h"

namespace corvela::vbs {

namespace {

std::string lower(std::string_view name) {
  std::string out(name);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
  return out;
}

template <class T>
T* zeroed(size_t count) {
  void* memory = std::calloc(count, sizeof(T));
  if (!memory) throw std::bad_alloc();
  return static_cast<T*>(memory);
}

// The big per-engine buffers. Hosts make an engine per page they render,
// so a thread keeps the buffers of its last engine for the next one (the
// value stack is all Empty again when an engine ends).
struct EngineBuffers {
  Variant* stack = zeroed<Variant>(kStackSlots);
  Variant** refSlots = zeroed<Variant*>(kStackSlots);
  Variant** refTable = zeroed<Variant*>(kStackSlots);
  std::vector<Frame> frames;
  EngineBuffers() { frames.reserve(kMaxFrames); }
  // Takes over the buffers of an engine that ends (filled in by the caller).
  struct Adopt {};
  explicit EngineBuffers(Adopt) : stack(nullptr), refSlots(nullptr), refTable(nullptr) {}
  ~EngineBuffers() {
    std::free(stack);
    std::free(refSlots);
    std::free(refTable);
  }
};

thread_local std::unique_ptr<EngineBuffers> spareBuffers;

std::unique_ptr<EngineBuffers> takeBuffers() {
  if (spareBuffers) return std::move(spareBuffers);
  return std::make_unique<EngineBuffers>();
}

}  // namespace

Interpreter::Interpreter()
    : err_(std::make_shared<ErrObject>()), alive_(std::make_shared<int>(0)) {
  std::unique_ptr<EngineBuffers> buffers = takeBuffers();
  stack_ = buffers->stack;
  refSlots_ = buffers->refSlots;
  refTable_ = buffers->refTable;
  frames_ = std::move(buffers->frames);
  buffers->stack = nullptr;
  buffers->refSlots = nullptr;
  buffers->refTable = nullptr;
  stackEnd_ = stack_ + kStackSlots;
  sp_ = stack_;
}

Interpreter::~Interpreter() {
  // Script variables go first, while the engine (and the named objects that
  // Class_Terminate may still use) can run it.
  for (GlobalSlot& slot : globals_)
    if (slot.kind != GlobalSlot::NamedObject) slot.value = Variant();
  runPendingTerminates();
  for (GlobalSlot& slot : globals_) slot.value = Variant();
  runPendingTerminates();
  breakInstanceCycles();
  globals_.clear();
  pendingTerminate_.clear();
  while (sp_ > stack_) clearSlot(*--sp_);
  frames_.clear();
  auto buffers = std::make_unique<EngineBuffers>(EngineBuffers::Adopt{});
  buffers->stack = stack_;
  buffers->refSlots = refSlots_;
  buffers->refTable = refTable_;
  buffers->frames = std::move(frames_);
  if (!spareBuffers) spareBuffers = std::move(buffers);
}

// ------------------------------------------------------------------ globals

GlobalSlot& Interpreter::defineGlobal(std::string_view name) {
  std::string key = lower(name);
  auto it = globalIndex_.find(key);
  if (it != globalIndex_.end()) return *it->second;
  globals_.emplace_back();
  GlobalSlot& slot = globals_.back();
  slot.name = std::string(name);
  globalIndex_.emplace(std::move(key), &slot);
  return slot;
}

GlobalSlot* Interpreter::findGlobal(std::string_view name) {
  auto it = globalIndex_.find(lower(name));
  if (it != globalIndex_.end()) return it->second;
  // Members of objects added with addMembers act as globals.
  for (const std::shared_ptr<Object>& object : memberObjects_) {
    DispId id = object->memberId(name);
    if (id == DISPID_UNKNOWN) continue;
    GlobalSlot& slot = defineGlobal(name);
    slot.kind = GlobalSlot::ObjectMember;
    slot.owner = object;
    slot.member = id;
    return &slot;
  }
  return nullptr;
}

GlobalSlot* Interpreter::resolveDynamic(Link& link, int32_t index) {
  GlobalSlot* slot = link.globals[index];
  if (!slot) {
    slot = findGlobal(link.program->globals[index].name);
    link.globals[index] = slot;
  }
  return slot;
}

void Interpreter::addObject(std::string name, std::shared_ptr<Object> object, bool addMembers) {
  GlobalSlot& slot = defineGlobal(name);
  slot.kind = GlobalSlot::NamedObject;
  slot.value = Variant(object);
  if (addMembers) memberObjects_.push_back(std::move(object));
}

Link& Interpreter::bind(const Program& program) {
  auto link = std::make_unique<Link>();
  link->program = program.shared_from_this();
  link->globals.resize(program.globals.size());
  link->cache.resize(static_cast<size_t>(program.memberCacheSize));
  for (size_t i = 0; i < program.globals.size(); ++i) {
    const GlobalName& g = program.globals[i];
    if (g.kind == GlobalName::Referenced) {
      link->globals[i] = findGlobal(g.name);
      continue;
    }
    if (g.implicit) {
      // Assigned without Dim: whatever global has the name already is it.
      GlobalSlot* existing = findGlobal(g.name);
      if (existing && (existing->kind == GlobalSlot::Variable || existing->kind == GlobalSlot::NamedObject)) {
        link->globals[i] = existing;
        continue;
      }
      if (existing) {
        // The name is a procedure, class, constant or host member already:
        // this script's variable of that name is its own.
        globals_.emplace_back();
        globals_.back().name = g.name;
        link->globals[i] = &globals_.back();
        continue;
      }
    }
    GlobalSlot& slot = defineGlobal(g.name);
    switch (g.kind) {
      case GlobalName::Variable:
        if (slot.kind != GlobalSlot::Variable) slot.value = Variant();
        slot.kind = GlobalSlot::Variable;
        break;
      case GlobalName::Constant:
        slot.kind = GlobalSlot::Constant;
        slot.value = program.constants[g.index];
        break;
      case GlobalName::Procedure:
      case GlobalName::Class:
        slot.kind = g.kind == GlobalName::Procedure ? GlobalSlot::Procedure : GlobalSlot::Class;
        slot.value = Variant();
        slot.link = link.get();
        slot.index = g.index;
        break;
      case GlobalName::Referenced: break;
    }
    link->globals[i] = &slot;
  }
  links_.push_back(std::move(link));
  return *links_.back();
}

// ------------------------------------------------------------------- frames

void Interpreter::stepLimitReached() {
  stepsLeft_ = 1;  // stays spent: code after a swallowed error stops at its next step
  throw ComError(kStepLimitError, kRuntimeErrorSource, kStepLimitText);
}

void Interpreter::enterProcedure(const Link& link, int32_t procIndex, const Variant* me, uint16_t argc,
                                 RefMask refMask, bool wantResult) {
  step();
  const Procedure& proc = link.program->procedures[procIndex];
  if (argc != proc.paramCount) raiseNamedError(450, proc.name);
  if (!frameFits(frames_, sp_, stackEnd_, proc, refTop_, argc)) raiseRuntimeError(28);
  Variant* args = sp_ - argc;
  Variant** refs = refTable_ + refTop_;
  for (uint16_t i = 0; i < argc; ++i) {
    Variant* ref = refMask.has(i) ? refSlots_[args + i - stack_] : nullptr;
    if (ref && proc.byRef[i]) {
      refs[i] = ref;
      continue;
    }
    if (ref) args[i] = *ref;  // ByVal: the callee works on a copy
    refs[i] = &args[i];
  }
  refTop_ += argc;
  sp_ = args + proc.slotCount;
  pushFrame(frames_, proc, const_cast<Link*>(&link), args, refs, me, wantResult);
}

void Interpreter::enterMain(Link& link, Frame* outer, bool wantResult) {
  const Procedure& proc = link.program->procedures[0];
  if (!frameFits(frames_, sp_, stackEnd_, proc, refTop_, 0)) raiseRuntimeError(28);
  Frame& frame = pushFrame(frames_, proc, &link, sp_, nullptr, outer ? &outer->me : nullptr, wantResult);
  frame.outer = outer;
  frame.returnsToHost = true;
  sp_ += proc.slotCount;
}

void Interpreter::popFrame() { sp_ = leaveFrame(frames_, refTop_, sp_); }

Variant Interpreter::finishCall(bool wantResult) {
  frames_.back().returnsToHost = true;
  execute();
  if (!wantResult) return Variant();
  Variant result = std::move(*--sp_);
  return result;
}

Variant Interpreter::callProcedure(const Link& link, int32_t procIndex, const Variant* me, std::span<Variant> args) {
  checkNativeStack();
  if (sp_ + args.size() + kOperandSlots > stackEnd_) raiseRuntimeError(28);
  Variant* base = sp_;
  for (size_t i = 0; i < args.size(); ++i) {
    refSlots_[sp_ - stack_] = &args[i];
    ++sp_;
  }
  // Every argument is passed by reference.
  RefMask mask;
  mask.low = args.size() >= 32 ? ~0u : (1u << args.size()) - 1;
  std::vector<uint32_t> high(args.size() > 32 ? (args.size() - 32 + 31) / 32 : 0, ~0u);
  if (!high.empty()) mask.high = high.data();
  try {
    enterProcedure(link, procIndex, me, static_cast<uint16_t>(args.size()), mask, true);
  } catch (...) {
    while (sp_ > base) *--sp_ = Variant();
    throw;
  }
  return finishCall(true);
}

Variant Interpreter::callGlobal(std::string_view name, std::span<Variant> args) {
  GlobalSlot* slot = findGlobal(name);
  if (!slot || slot->kind != GlobalSlot::Procedure) raiseRuntimeError(13);
  return callProcedure(*slot->link, slot->index, nullptr, args);
}

void Interpreter::dropLink(const Link& link) {
  // Code without procedures or classes leaves nothing that refers to it.
  const Program& program = *link.program;
  if (program.procedures.size() > 1 || !program.classes.empty()) return;
  auto it = std::find_if(links_.begin(), links_.end(), [&](const auto& l) { return l.get() == &link; });
  if (it != links_.end()) links_.erase(it);
}

void Interpreter::runProgram(const Program& program) {
  checkNativeStack();
  Link& link = bind(program);
  enterMain(link, nullptr, false);
  execute();
}

Variant Interpreter::evaluate(const Program& program) {
  checkNativeStack();
  Link& link = bind(program);
  enterMain(link, nullptr, true);
  execute();
  Variant result = std::move(*--sp_);
  dropLink(link);
  return result;
}

// ------------------------------------------------------------------- errors

void Interpreter::handleError(const ComError& error, const Instr* pc, size_t entryDepth) {
  // Where it happened: the innermost statement (a nested loop has said so already).
  int32_t line = 0, column = 0;
  std::string text;
  auto positioned = dynamic_cast<const ScriptRuntimeError*>(&error);
  auto regionAt = [](const Procedure& proc, uint32_t at) -> const Region* {
    auto it = std::upper_bound(proc.regions.begin(), proc.regions.end(), at,
                               [](uint32_t x, const Region& r) { return x < r.start; });
    if (it == proc.regions.begin()) return nullptr;
    --it;
    return at < it->end ? &*it : nullptr;
  };
  uint32_t at = static_cast<uint32_t>(pc - frames_.back().proc->code.data()) - 1;
  if (positioned) {
    line = positioned->line();
    column = positioned->column();
    text = positioned->text();
  } else if (const Region* r = regionAt(*frames_.back().proc, at)) {
    line = r->line;
    column = r->column;
    text = frames_.back().link->program->lineText(r->line);
  } else if (error.number() == kStepLimitError) {
    // A loop's closing jump lies outside every statement: name the last
    // statement that starts before it, so the host can show where it ran on.
    const auto& regions = frames_.back().proc->regions;
    auto it = std::upper_bound(regions.begin(), regions.end(), at,
                               [](uint32_t x, const Region& r) { return x < r.start; });
    if (it != regions.begin()) {
      --it;
      line = it->line;
      column = it->column;
      text = frames_.back().link->program->lineText(it->line);
    }
  }
  for (;;) {
    Frame& frame = frames_.back();
    if (frame.resumeNext && error.number() != kStepLimitError) {
      err_->record(error);
      const Region* r = regionAt(*frame.proc, at);
      frame.pc = frame.proc->code.data() + (r ? r->resume : at + 1);
      // Statements start with an empty operand stack.
      Variant* top = frame.base + frame.proc->slotCount;
      while (sp_ > top) *--sp_ = Variant();
      return;
    }
    bool last = frame.returnsToHost || frames_.size() <= entryDepth;
    popFrame();
    // Locals of the frame left are released now, before any handler goes on.
    if (!pendingTerminate_.empty()) runPendingTerminates();
    if (last) {
      std::string name;
      if (auto named = dynamic_cast<const NamedError*>(&error)) name = named->name();
      if (positioned) name = positioned->name();
      throw ScriptRuntimeError(error, line, column, std::move(text), std::move(name));
    }
    at = static_cast<uint32_t>(frames_.back().pc - frames_.back().proc->code.data()) - 1;
  }
}

// ------------------------------------------------------- class instances

void Interpreter::initializeInstance(ScriptObject& object) {
  const ClassDef& cls = object.cls();
  const Program& program = *object.link().program;
  for (const auto& [field, site] : cls.fixedArrays) {
    std::vector<ArrayBound> bounds = arrayBounds(program.arrays[site].fixedBounds);
    Variant array = Variant::array(std::move(bounds));
    if (!program.arrays[site].fixedBounds.empty()) array.rawArray()->fixedSize = true;
    object.fields[field] = std::move(array);
  }
}

void Interpreter::invokeMember(ScriptObject& object, DispId id, InvokeKind kind, std::span<Variant> args,
                               Variant& result) {
  int32_t index = object.memberOf(id);
  if (index < 0) raiseRuntimeError(438);
  const ClassMember& member = object.cls().members[index];
  Variant me(object.shared_from_this());
  int32_t proc = -1;
  if (kind & InvokeSet)
    proc = member.set >= 0 ? member.set : member.let;
  else if (kind & InvokeLet)
    proc = member.let;
  else
    proc = member.method >= 0 ? member.method : member.get;
  if (proc >= 0) {
    result = callProcedure(object.link(), proc, &me, args);
    return;
  }
  if (member.field < 0) raiseRuntimeError(438);
  Variant& field = object.fields[member.field];
  const size_t indexCount = (kind & (InvokeLet | InvokeSet)) ? args.size() - (args.empty() ? 0 : 1) : args.size();
  if (indexCount > 0 && !indexableField(field)) raiseRuntimeError(438);
  if (kind & (InvokeLet | InvokeSet)) {
    if (args.empty()) raiseRuntimeError(450);
    Variant value = args.back();
    if (args.size() == 1) {
      if ((kind & InvokeSet) && !value.isObject()) raiseRuntimeError(424);
      field = (kind & InvokeSet) ? value : value.dereferenced();
      return;
    }
    assignElement(field, args.data(), static_cast<uint16_t>(args.size() - 1), std::move(value), kind & InvokeSet);
    return;
  }
  result = args.empty() ? field : indexValue(field, args.data(), static_cast<uint16_t>(args.size()));
}

void Interpreter::addInstance(ScriptObject& object) {
  object.nextInstance_ = instances_;
  if (instances_) instances_->previousInstance_ = &object;
  instances_ = &object;
}

void Interpreter::removeInstance(ScriptObject& object) {
  if (object.previousInstance_)
    object.previousInstance_->nextInstance_ = object.nextInstance_;
  else
    instances_ = object.nextInstance_;
  if (object.nextInstance_) object.nextInstance_->previousInstance_ = object.previousInstance_;
}

void Interpreter::breakInstanceCycles() {
  // Instances still alive now either hold each other in a cycle (`Set
  // o.Self = o`) or are kept by the host. VBScript would leak a cycle; a
  // server that runs scripts for years cannot, so their fields are emptied.
  // The engine counts as gone first: no Class_Terminate runs, and an
  // instance freed here does not touch the list.
  std::vector<std::shared_ptr<Object>> survivors;
  for (ScriptObject* object = instances_; object; object = object->nextInstance_)
    if (std::shared_ptr<Object> strong = object->weak_from_this().lock()) survivors.push_back(std::move(strong));
  instances_ = nullptr;
  alive_.reset();
  for (const std::shared_ptr<Object>& object : survivors) {
    std::vector<Variant> fields = std::move(static_cast<ScriptObject&>(*object).fields);
    fields.clear();
  }
}

void Interpreter::terminateLater(std::shared_ptr<ScriptObject> object) {
  pendingTerminate_.push_back(std::move(object));
  if (executeDepth_ == 0) runPendingTerminates();
}

void Interpreter::runPendingTerminates() {
  while (!pendingTerminate_.empty()) {
    std::shared_ptr<ScriptObject> object = std::move(pendingTerminate_.back());
    pendingTerminate_.pop_back();
    Variant me(std::static_pointer_cast<Object>(object));
    object.reset();
    try {
      const ScriptObject& instance = static_cast<const ScriptObject&>(*me.rawObject());
      callProcedure(instance.link(), instance.cls().terminate, &me, {});
    } catch (const ComError&) {
      // Class_Terminate runs where no caller can receive its error (the
      // last reference went away); VBScript drops it too.
    }
  }
}

// ------------------------------------------------------- Eval and Execute

namespace {

[[noreturn]] void raiseCompileError(const ScriptError& error) {
  throw ComError(error.number, error.source, error.description);
}

}  // namespace

// Eval/Execute inside a procedure see its names (and Me's members), and
// the variables earlier Execute code created in the same invocation.
static Frame* scopeFrame(std::vector<Frame>& frames, OuterScope& outer) {
  if (frames.empty()) return nullptr;
  Frame* frame = &frames.back();
  if (frame->proc->kind == ProcKind::Main) frame = frame->outer;
  if (!frame) return nullptr;
  outer.procedure = frame->proc;
  if (frame->proc->classIndex >= 0) outer.cls = &frame->link->program->classes[frame->proc->classIndex];
  if (frame->created) {
    outer.created = &frame->created->names;
    outer.createdIndex = &frame->created->index;
  }
  return frame;
}

// Gives the invocation the variables that code about to run adds to it.
static void addCreatedVariables(Frame& frame, const Program& program) {
  if (program.createdVariables.empty()) return;
  if (!frame.created) frame.created = std::make_unique<CreatedVariables>();
  for (const CreatedVariable& variable : program.createdVariables) {
    frame.created->index.emplace(variable.name, frame.created->names.size());
    frame.created->names.push_back(variable);
    frame.created->values.emplace_back();
  }
}

void Interpreter::executeCode(std::string_view code, bool global) {
  checkNativeStack();
  ScriptError failure;
  std::unique_ptr<ast::Script> script = parseScript(code, failure);
  if (!script) raiseCompileError(failure);
  OuterScope outer;
  Frame* scope = global ? nullptr : scopeFrame(frames_, outer);
  std::shared_ptr<Program> program = compileScript(*script, scope ? &outer : nullptr, failure);
  if (!program) raiseCompileError(failure);
  if (scope) addCreatedVariables(*scope, *program);
  Link& link = bind(*program);
  enterMain(link, scope, false);
  execute();
  dropLink(link);
}

Variant Interpreter::evalCode(std::string_view code) {
  checkNativeStack();
  ScriptError failure;
  ast::ExprPtr expression;
  std::unique_ptr<ast::Script> script = parseExpression(code, expression, failure);
  if (!script) raiseCompileError(failure);
  OuterScope outer;
  Frame* scope = scopeFrame(frames_, outer);
  std::shared_ptr<Program> program = compileExpression(*script, *expression, scope ? &outer : nullptr, failure);
  if (!program) raiseCompileError(failure);
  if (scope) addCreatedVariables(*scope, *program);
  Link& link = bind(*program);
  enterMain(link, scope, true);
  execute();
  Variant result = std::move(*--sp_);
  dropLink(link);
  return result;
}

// ------------------------------------------------------------ GetRef objects

namespace {

// The object GetRef returns: calling its default member calls the procedure.
class ProcedureReference : public Object {
 public:
  ProcedureReference(Interpreter& interpreter, const Link& link, int32_t index)
      : interpreter_(&interpreter), alive_(interpreter.aliveToken()), link_(&link), index_(index) {}
  std::string_view className() const override { return "Object"; }
  DispId memberId(std::string_view) const override { return DISPID_UNKNOWN; }
  void invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant& result) override {
    if (id != DISPID_VALUE) raiseRuntimeError(438);
    if (alive_.expired()) raiseRuntimeError(91);
    result = interpreter_->callProcedure(*link_, index_, nullptr, args);
  }

 private:
  Interpreter* interpreter_;
  std::weak_ptr<void> alive_;
  const Link* link_;
  int32_t index_;
};

}  // namespace

std::shared_ptr<Object> Interpreter::procedureReference(std::string_view name) {
  GlobalSlot* slot = findGlobal(name);
  if (!slot || slot->kind != GlobalSlot::Procedure) raiseRuntimeError(5);
  return std::make_shared<ProcedureReference>(*this, *slot->link, slot->index);
}

}  // namespace corvela::vbs
