// The compiled form of a script: flat instruction arrays per procedure,
// constant and call-site tables, class layouts and the table of global
// names. A Program is immutable once built, so one compiled template can be
// run by many engines (each engine binds the global names to its own slots
// when it runs the program; see Link in interpreter.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/automation/object.h"
#include "platform/automation/variant.h"
#include "platform/vbscript/builtin.h"

namespace corvela::vbs {

enum class Op : uint8_t {
  // Values. a/b/c are described per opcode.
  PushConst,    // b: constant index
  PushMe,
  PushErr,
  Pop,
  LoadLocal,    // a: slot
  LoadParam,    // a: parameter (through the frame's reference table)
  LoadGlobal,   // b: global index (a variable declared by this program)
  LoadVar,      // n: VarKind, d: fallback slot, b: index
  StoreLocal,   // a: slot; pops the value as it is (Eval's result)
  PushRef,      // n, d, b: a variable passed ByRef (Empty + its address)
  PushElemRef,  // b: call site (target: VarKind << 24 | index, argc: indices, fallback)
  LetLocal,     // pops the value; an object is replaced by its default value
  LetParam,
  LetGlobal,
  LetVar,
  SetLocal,     // pops the value; it must be an object or Nothing (424)
  SetParam,
  SetGlobal,
  SetVar,
  UpdateVar,    // n, d, b: `v = v + x` (a = 0) or `v = v - x` (a = 1) with x on the stack
  AppendVar,    // n, d, b: `v = v & x & y ...`; a: count of pieces on the stack, appended in place

  // Operators: pop the operands, push the result. c > 0: the right operand
  // is the constant c - 1 instead of the top of the stack; then a may also
  // name a variable (LeftOperand) read as the left operand, b its slot or
  // global index, so `i Mod 7` takes one instruction.
  Add, Subtract, Multiply, Divide, IntDivide, Mod, Power, Concat,
  Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Is,
  And, Or, Xor, Eqv, Imp,
  Negate, Plus, Not,

  // Control.
  Jump,         // b: target
  JumpIfFalse,  // b: target; pops the condition (Null counts as False)
  JumpIfTrue,
  CaseTest,     // n: BinaryOp of the test, a: subject slot, b: target when it holds; pops the value
  CaseRange,    // a: subject slot, b: target when lower <= subject <= upper; pops lower, upper
  ForInit,      // n, d, b: the variable, a: first of two hidden slots (limit, step), c: exit target
  ForNext,      // as ForInit, c: body target
  ForEachInit,  // n, d, b: the variable, a: hidden slot (walker), c: exit target; pops the collection
  ForEachNext,  // as ForEachInit, c: body target
  ClearSlot,    // a: slot (ends a For Each or With)
  EnterWith,    // a: hidden slot; pops the object (must be an object or Nothing: 424)
  WithObject,   // a: hidden slot; pushes the With object (424 when it is not one)
  Return,
  OnErrorResumeNext,
  OnErrorGoto0,
  Raise,        // b: run-time error number

  // Calls and member access; b indexes Program::calls unless said.
  CallProc,     // a global procedure of this program
  CallMethod,   // a method of Me's class (target: member index)
  CallBuiltin,  // target: builtin index
  CallName,     // a name bound at run time (target: global index)
  CallVar,      // index into / default member of a variable (target: VarKind << 24 | index, a: fallback)
  CallValue,    // index into / default member of the value below the arguments
  LetIndexVar,  // var(args) = value; target -1: into the element a PushElemRef left below the args
  SetIndexVar,
  MemberGet,    // object.name(args): pushes the result
  MemberLet,    // object.name(args) = value
  MemberSet,
  NewObject,    // b: class index; n = 1: b is the constant holding the name (bound at run time)
  ReDim,        // b: index into Program::redims
  Erase,        // n, d, b: the variable
  DimArray,     // b: index into Program::redims (fixed-size array of Dim)
};

// Where a binary operator with a constant right operand finds its left one.
enum LeftOperand : uint16_t { kLeftOnStack = 0, kLeftLocal, kLeftParam, kLeftGlobal };

// Where a variable lives.
enum class VarKind : uint8_t {
  Local,       // a slot of the frame
  Param,       // a parameter, through the frame's reference table
  Global,      // a global declared by this program (always bound)
  Field,       // a field of Me
  OuterLocal,  // a slot of the frame that ran Eval/Execute
  OuterParam,  // a parameter of that frame
  Dynamic,     // a global name bound when first used; inside a procedure
               // without Option Explicit an unknown name falls back to a local slot
  DynamicExplicit,  // as Dynamic, but an unknown name raises 500
  OuterCreated,     // a variable that Execute created in the invocation of the frame that ran Eval/Execute
};

// Variable operands: n is the VarKind, b the index, d the fallback slot of
// a Dynamic name inside a procedure (kNoSlot at global level). In Eval and
// Execute code run inside a procedure the fallback is a slot of that
// procedure's frame, counting on past its slots into the variables Execute
// created in the invocation.
struct Instr {
  Op op;
  uint8_t n = 0;
  uint16_t a = 0;
  uint16_t d = 0;
  int32_t b = 0;
  int32_t c = 0;
};

inline constexpr uint16_t kNoSlot = 0xFFFF;

// Which arguments of a call were pushed as references (a variable's
// address beside an Empty slot). Calls of up to 32 arguments need only `low`.
struct RefMask {
  uint32_t low = 0;                // arguments 0..31
  const uint32_t* high = nullptr;  // argument 32 + k: bit k % 32 of high[k / 32]; null when none is
  bool has(size_t i) const {
    if (i < 32) return (low >> i & 1u) != 0;
    return high && (high[(i - 32) >> 5] >> ((i - 32) & 31) & 1u) != 0;
  }
  bool none() const { return low == 0 && !high; }
};

// One call or member-access site.
struct CallSite {
  int32_t target = 0;     // see the opcode
  uint16_t argc = 0;
  bool wantResult = true;
  RefMask refMask;
  int32_t cacheSlot = -1; // member sites: the engine's cache entry of the member id
  uint16_t fallback = kNoSlot;  // CallVar / PushElemRef: fallback slot of a Dynamic variable
  InvokeKind kind = static_cast<InvokeKind>(InvokeMethod | InvokeGet);  // CallMethod: Get/Let/Set
};

// ReDim / Dim of an array: the variable and the count of bounds on the stack.
struct ArraySite {
  VarKind kind;
  uint16_t fallback = kNoSlot;
  int32_t index = 0;
  uint16_t dims = 0;
  bool preserve = false;
  std::vector<int32_t> fixedBounds;  // Dim a(2, 3): the upper bounds
};

// The code of a run of statements, for error reports and On Error Resume
// Next: an error at pc in [start, end) is reported at line/column, and
// execution resumes at `resume` when the frame has Resume Next on.
struct Region {
  uint32_t start, end, resume;
  int32_t line, column;
};

enum class ProcKind : uint8_t { Main, Sub, Function, PropertyGet, PropertyLet, PropertySet };

struct Procedure {
  std::string name;
  ProcKind kind = ProcKind::Main;
  int32_t classIndex = -1;  // owning class, -1 for global procedures
  uint16_t paramCount = 0;
  uint16_t slotCount = 0;   // parameters + locals + hidden slots
  uint32_t operandSlots = 0;  // the most operands its code can have on the stack at once
  int32_t resultSlot = -1;  // Function / Property Get: the slot of the result
  std::vector<uint8_t> byRef;  // per parameter
  std::vector<Instr> code;
  std::vector<Region> regions;  // sorted by start, not overlapping
  // Local names for Eval/Execute inside this procedure: (name, VarKind, index).
  // Implicit: a name the procedure used without declaring it, which is a
  // local only while no global has the name.
  struct Name { std::string name; VarKind kind; int32_t index; bool implicit = false; };
  std::vector<Name> names;
  int32_t line = 0;
};

struct ClassMember {
  std::string name;
  bool isPublic = true;
  int32_t field = -1;   // field index
  int32_t get = -1;     // procedure indices
  int32_t let = -1;
  int32_t set = -1;
  int32_t method = -1;  // Sub or Function
};

struct ClassDef {
  std::string name;
  std::vector<ClassMember> members;
  // ASCII-lower-case member name -> index into members, so that compiling
  // a class of many members stays linear.
  std::unordered_map<std::string, int32_t> memberIndex;
  int32_t fieldCount = 0;
  std::vector<std::pair<int32_t, int32_t>> fixedArrays;  // (field, ArraySite index)
  int32_t defaultMember = -1;
  int32_t initialize = -1;  // procedure indices
  int32_t terminate = -1;
};

// A global name the program uses.
struct GlobalName {
  enum Kind : uint8_t { Variable, Constant, Procedure, Class, Referenced };
  std::string name;
  Kind kind = Referenced;
  int32_t index = -1;  // Constant: constant index; Procedure: procedure; Class: class
  bool isPublic = true;
  bool implicit = false;  // Variable: first assigned without Dim (binds to any existing global)
};

// A variable that Execute code created inside a procedure: it lives as long
// as that invocation. Declared ones (Dim) hide a global of the name;
// implicit ones (first assigned or read) are used only while no global has it.
struct CreatedVariable {
  std::string name;  // lower-case
  bool declared = false;
};

class Program : public std::enable_shared_from_this<Program> {
 public:
  std::vector<Procedure> procedures;  // [0] is the global code
  std::vector<ClassDef> classes;
  std::vector<Variant> constants;
  std::vector<CallSite> calls;
  std::vector<std::unique_ptr<uint32_t[]>> wideRefMasks;  // what RefMask::high of calls points at
  std::vector<ArraySite> arrays;
  std::vector<GlobalName> globals;
  std::vector<std::string> memberNames;  // for member sites: target indexes this
  // For member sites whose object is a plain name (`conn.Open`): that name,
  // which an uncaught 424 or 438 reports; "" otherwise.
  std::vector<std::string> memberObjectNames;
  std::vector<const BuiltinFunction*> builtins;
  int32_t memberCacheSize = 0;
  bool optionExplicit = false;
  // Eval/Execute code run inside a procedure: the variables it adds to the
  // invocation, numbered after those the invocation has already.
  std::vector<CreatedVariable> createdVariables;

  // The source, for the text of the line an error happened on.
  std::string source;
  std::vector<uint32_t> lineStarts;
  std::string lineText(int32_t line) const;
};

}  // namespace corvela::vbs
