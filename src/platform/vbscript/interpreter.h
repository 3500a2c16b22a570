// Interpreter: the running state of one ScriptEngine — global slots, the
// value stack, call frames, the Err object — and the execution loop.
//
// Stack discipline: every slot at or above sp_ is Empty. A call pushes its
// arguments, which become the callee's first slots; the callee's locals
// follow, then its operand stack. A ByRef argument that names a variable is
// pushed as Empty with the variable's address in refSlots_ at the same
// position, so the callee aliases the caller's variable.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <deque>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/automation/variant.h"
#include "platform/vbscript/program.h"
#include "platform/vbscript/script_engine.h"

namespace corvela::vbs {

class ErrObject;
class ScriptObject;
struct Link;

// One global name of the engine.
struct GlobalSlot {
  enum Kind : uint8_t { Variable, Constant, Procedure, Class, NamedObject, ObjectMember };
  std::string name;
  Kind kind = Variable;
  Variant value;
  const Link* link = nullptr;  // Procedure / Class: the program that defined it
  int32_t index = -1;          // procedure or class index in that program
  std::shared_ptr<Object> owner;  // ObjectMember: the named object
  DispId member = DISPID_UNKNOWN;
};

// A member id cached at a call site: valid for objects of `cls` (a script
// class) or for the object `object` (any other object).
struct MemberCache {
  const void* key = nullptr;
  const std::type_info* type = nullptr;
  DispId id = DISPID_UNKNOWN;
};

// A Program bound to this engine's global slots.
struct Link {
  std::shared_ptr<const Program> program;
  std::vector<GlobalSlot*> globals;  // per Program::globals; null while unbound
  std::vector<MemberCache> cache;
};

// The variables Execute code created in one invocation of a procedure.
struct CreatedVariables {
  std::vector<CreatedVariable> names;
  std::unordered_map<std::string, size_t> index;  // name -> position in names
  std::deque<Variant> values;  // a deque: ByRef arguments and cached pointers stay valid as it grows
};

struct Frame {
  const Procedure* proc;
  Link* link;
  const Instr* pc;
  Variant* base;
  Variant** refs;       // per parameter: where it lives
  Variant me;           // the instance whose method runs (keeps it alive)
  Frame* outer;         // Eval/Execute: the frame whose scope the code shares
  bool resumeNext;
  bool wantResult;
  bool returnsToHost;   // the bottom frame of one execute() call
  std::unique_ptr<CreatedVariables> created;  // null until Execute creates a variable here
};

// Thrown out of execute() for an error no frame handled; carries where it
// happened so the host sees the innermost position.
class ScriptRuntimeError : public ComError {
 public:
  ScriptRuntimeError(const ComError& error, int32_t line, int32_t column, std::string text, std::string name)
      : ComError(error), line_(line), column_(column), text_(std::move(text)), name_(std::move(name)) {}
  int32_t line() const { return line_; }
  int32_t column() const { return column_; }
  const std::string& text() const { return text_; }
  const std::string& name() const { return name_; }  // see NamedError

 private:
  int32_t line_, column_;
  std::string text_;
  std::string name_;
};

// Bounds 0..upper of a new array (9 for a bound below -1, 7 when too large).
std::vector<ArrayBound> arrayBounds(const std::vector<int32_t>& uppers);

class Interpreter {
 public:
  Interpreter();
  ~Interpreter();
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  ScriptError error;

  void addObject(std::string name, std::shared_ptr<Object> object, bool addMembers);
  // Binds and runs the global code of a program. Errors escape as ComError
  // (ScriptRuntimeError when raised by script code).
  void runProgram(const Program& program);
  // Runs a compiled expression program (Eval) and returns its value.
  Variant evaluate(const Program& program);
  // Calls a global procedure by name; ByRef parameters write into args.
  Variant callGlobal(std::string_view name, std::span<Variant> args);

  // ----- used by built-ins, class instances and GetRef objects
  ErrObject& err() { return *err_; }
  // Compiles and runs code for Execute (in the current scope) / ExecuteGlobal.
  void executeCode(std::string_view code, bool global);
  Variant evalCode(std::string_view code);
  // A callable object for GetRef; 5 when no global procedure has that name.
  std::shared_ptr<Object> procedureReference(std::string_view name);
  // Calls a procedure from C++ (a nested execution loop); ByRef parameters
  // write into args.
  Variant callProcedure(const Link& link, int32_t procIndex, const Variant* me, std::span<Variant> args);
  // A member of a script class instance invoked from C++ (Object::invoke).
  void invokeMember(ScriptObject& object, DispId id, InvokeKind kind, std::span<Variant> args, Variant& result);
  // Class_Terminate of an instance whose last reference went away: runs at
  // the next safe point of the execution loop (or now, outside it).
  void terminateLater(std::shared_ptr<ScriptObject> object);
  std::weak_ptr<void> aliveToken() const { return alive_; }
  void setStepLimit(uint64_t steps) { stepLimit_ = steps; }
  void resetSteps() { stepsLeft_ = stepLimit_ ? stepLimit_ : UINT64_MAX; }
  void seal() { sealed_ = true; }
  bool sealed() const { return sealed_; }
  // Every instance of a script class is on the engine's list while both
  // live, so the engine can take apart reference cycles when it ends.
  void addInstance(ScriptObject& object);
  void removeInstance(ScriptObject& object);

 private:
  Link& bind(const Program& program);
  void breakInstanceCycles();
  void dropLink(const Link& link);
  GlobalSlot* findGlobal(std::string_view name);
  GlobalSlot& defineGlobal(std::string_view name);
  GlobalSlot* resolveDynamic(Link& link, int32_t index);
  void runPendingTerminates();
  void initializeInstance(ScriptObject& object);

  // The execution loop: runs until the frame marked returnsToHost returns.
  void execute();
  void handleError(const ComError& error, const Instr* pc, size_t entryDepth);
  void popFrame();

  // Frame entry: the arguments are the argc values below sp_.
  void enterProcedure(const Link& link, int32_t procIndex, const Variant* me, uint16_t argc, RefMask refMask,
                      bool wantResult);
  void enterMain(Link& link, Frame* outer, bool wantResult);
  // Runs a frame just entered to its end from C++ and returns its result.
  Variant finishCall(bool wantResult);

  // ----- helpers of the loop (vm_calls.cpp, vm_data.cpp)
  Variant* varPtr(Frame& frame, VarKind kind, uint16_t fallback, int32_t index, bool forWrite);
  void loadDynamic(Frame& frame, const Instr& instr);
  void pushRef(Frame& frame, const Instr& instr);
  void pushElemRef(Frame& frame, const CallSite& site);
  void callName(Frame& frame, const CallSite& site);
  void callVar(Frame& frame, const CallSite& site);
  void callBuiltin(const Link& link, const CallSite& site);
  void callMethod(Frame& frame, const CallSite& site);
  void callValue(const CallSite& site);
  void memberAccess(Frame& frame, const CallSite& site, InvokeKind kind);
  void scriptMember(ScriptObject& object, int32_t member, const CallSite& site, InvokeKind kind);
  void indexAssign(Frame& frame, const CallSite& site, bool isSet);
  // Calls `id` of an object with the argc values below sp_ (which write
  // back to variables passed by reference) and replaces them, plus
  // `extraBelow` slots under them, by the result when wanted.
  void invokeObject(Object& object, DispId id, InvokeKind kind, uint16_t argc, RefMask refMask, bool wantResult,
                    int extraBelow);
  // value(args): an array element or the default member of an object.
  Variant indexValue(const Variant& value, Variant* args, uint16_t argc);
  void assignElement(Variant& target, Variant* args, uint16_t argc, Variant value, bool isSet);
  // object(args) = value through the default member.
  void assignDefault(Object& object, Variant* args, uint16_t argc, Variant value, bool isSet);
  void newObject(Frame& frame, const Instr& instr);
  void dimArray(Frame& frame, const ArraySite& site);
  void redim(Frame& frame, const ArraySite& site);
  void erase(Frame& frame, const Instr& instr);
  bool forInit(Frame& frame, const Instr& instr);
  bool forNext(Frame& frame, const Instr& instr);
  bool forEachInit(Frame& frame, const Instr& instr);
  bool forEachNext(Frame& frame, const Instr& instr);

  Variant* stack_;
  Variant** refSlots_;  // beside each stack slot: the variable a ByRef argument names
  Variant* stackEnd_;
  Variant* sp_;
  std::vector<Frame> frames_;  // reserved once: frames never move
  Variant** refTable_;         // parameter references of all frames
  size_t refTop_ = 0;
  std::deque<GlobalSlot> globals_;
  std::unordered_map<std::string, GlobalSlot*> globalIndex_;  // lower-case name
  std::vector<std::shared_ptr<Object>> memberObjects_;        // added with addMembers
  std::vector<std::unique_ptr<Link>> links_;
  std::shared_ptr<ErrObject> err_;
  std::vector<std::shared_ptr<ScriptObject>> pendingTerminate_;
  std::shared_ptr<int> alive_;
  ScriptObject* instances_ = nullptr;  // head of the list of live instances
  int executeDepth_ = 0;
  uint64_t stepLimit_ = 0;
  uint64_t stepsLeft_ = UINT64_MAX;
  bool sealed_ = false;

  // One jump or call: stops the run once the host's step limit is spent.
  // Without a limit nothing is written, so loop turns are not chained
  // through a store to the counter.
  void step() {
    if (stepLimit_ != 0 && --stepsLeft_ == 0) stepLimitReached();
  }
  [[noreturn]] void stepLimitReached();
};

}  // namespace corvela::vbs
