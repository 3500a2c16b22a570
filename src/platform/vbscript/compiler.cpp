// The compiler's driver: declarations (hoisted globals, classes, locals),
// name resolution and the per-procedure set-up.
#include "platform/vbscript/compiler_internal.h"

#include <algorithm>

#include "platform/automation/com_error.h"
#include "platform/automation/variant_ops.h"
#include "platform/vbscript/builtins_runtime.h"

namespace corvela::vbs {

std::string lowerName(std::string_view name) {
  std::string out(name);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
  return out;
}

namespace {

struct BuiltinTables {
  std::unordered_map<std::string, const BuiltinFunction*> functions;
  std::unordered_map<std::string, const BuiltinConstant*> constants;

  BuiltinTables() {
    for (auto table : {stringBuiltins(), conversionBuiltins(), mathBuiltins(), inspectionBuiltins(),
                       arrayBuiltins(), dateBuiltins(), formatBuiltins(), pictureBuiltins(),
                       runtimeBuiltins()})
      for (const BuiltinFunction& f : table) functions.emplace(lowerName(f.name), &f);
    for (const BuiltinConstant& c : builtinConstants()) constants.emplace(lowerName(c.name), &c);
  }
};

const BuiltinTables& builtinTables() {
  static const BuiltinTables tables;
  return tables;
}

ProcKind procKindOf(ast::ProcedureKind kind) {
  switch (kind) {
    case ast::ProcedureKind::Sub: return ProcKind::Sub;
    case ast::ProcedureKind::Function: return ProcKind::Function;
    case ast::ProcedureKind::PropertyGet: return ProcKind::PropertyGet;
    case ast::ProcedureKind::PropertyLet: return ProcKind::PropertyLet;
    case ast::ProcedureKind::PropertySet: return ProcKind::PropertySet;
  }
  return ProcKind::Sub;
}

// Calls `visit` for every statement of a list and of the blocks nested in
// it, without entering procedures or classes.
template <class Visit>
void walk(const ast::StmtList& list, Visit&& visit) {
  for (const ast::StmtPtr& s : list) {
    visit(*s);
    switch (s->kind) {
      case ast::StmtKind::If: {
        auto& i = static_cast<const ast::IfStmt&>(*s);
        for (const auto& b : i.branches) walk(b.body, visit);
        walk(i.elseBody, visit);
        break;
      }
      case ast::StmtKind::Select: {
        auto& sel = static_cast<const ast::SelectStmt&>(*s);
        for (const auto& c : sel.cases) walk(c.body, visit);
        walk(sel.elseBody, visit);
        break;
      }
      case ast::StmtKind::For: walk(static_cast<const ast::ForStmt&>(*s).body, visit); break;
      case ast::StmtKind::ForEach: walk(static_cast<const ast::ForEachStmt&>(*s).body, visit); break;
      case ast::StmtKind::Do: walk(static_cast<const ast::DoStmt&>(*s).body, visit); break;
      case ast::StmtKind::With: walk(static_cast<const ast::WithStmt&>(*s).body, visit); break;
      default: break;
    }
  }
}

}  // namespace

const BuiltinFunction* findBuiltin(std::string_view name) {
  const auto& map = builtinTables().functions;
  auto it = map.find(lowerName(name));
  return it == map.end() ? nullptr : it->second;
}

const BuiltinConstant* findBuiltinConstant(std::string_view name) {
  const auto& map = builtinTables().constants;
  auto it = map.find(lowerName(name));
  return it == map.end() ? nullptr : it->second;
}

std::string Program::lineText(int32_t line) const {
  if (line < 1 || static_cast<size_t>(line) > lineStarts.size()) return {};
  size_t begin = lineStarts[line - 1];
  size_t end = static_cast<size_t>(line) < lineStarts.size() ? lineStarts[line] : source.size();
  while (end > begin && (source[end - 1] == '\n' || source[end - 1] == '\r')) --end;
  return source.substr(begin, end - begin);
}

// ------------------------------------------------------------------ emitting

size_t Compiler::emit(Op op, int32_t b, uint16_t a, uint8_t n, int32_t c, uint16_t d) {
  Instr instr;
  instr.op = op;
  instr.n = n;
  instr.a = a;
  instr.d = d;
  instr.b = b;
  instr.c = c;
  scope_.proc->code.push_back(instr);
  return scope_.proc->code.size() - 1;
}

void Compiler::region(size_t start, size_t resume, ast::Position pos) {
  if (here() == start) return;
  scope_.proc->regions.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(here()),
                                  static_cast<uint32_t>(resume), pos.line, pos.column});
}

int32_t Compiler::constant(Variant value) {
  program_.constants.push_back(std::move(value));
  return static_cast<int32_t>(program_.constants.size() - 1);
}

int32_t Compiler::addCall(CallSite site) {
  program_.calls.push_back(site);
  return static_cast<int32_t>(program_.calls.size() - 1);
}

uint16_t Compiler::newSlot() {
  // Slots are 16-bit operands; a procedure with more locals than that cannot
  // be represented.
  if (scope_.proc->slotCount == kNoSlot) throw CompileFailure{1001, {scope_.proc->line, 1}};
  return scope_.proc->slotCount++;
}

// -------------------------------------------------------------- declarations

int32_t Compiler::globalIndex(const std::string& lower) {
  auto it = globalNames_.find(lower);
  if (it != globalNames_.end()) return it->second;
  GlobalName g;
  g.name = lower;
  program_.globals.push_back(std::move(g));
  int32_t index = static_cast<int32_t>(program_.globals.size() - 1);
  globalNames_.emplace(lower, index);
  return index;
}

int32_t Compiler::addGlobal(const std::string& name, GlobalName::Kind kind, int32_t index, ast::Position pos) {
  std::string lower = lowerName(name);
  auto it = globalNames_.find(lower);
  if (it != globalNames_.end()) {
    GlobalName::Kind existing = program_.globals[it->second].kind;
    // A Sub or Function defined again: the last definition is the one called.
    bool redefinedProcedure = existing == GlobalName::Procedure && kind == GlobalName::Procedure;
    if (existing != GlobalName::Referenced && !redefinedProcedure) throw CompileFailure{1041, pos};
  }
  int32_t g = globalIndex(lower);
  program_.globals[g].name = name;
  program_.globals[g].kind = kind;
  program_.globals[g].index = index;
  return g;
}

int32_t Compiler::constantValue(const ast::Expr& e) {
  switch (e.kind) {
    case ast::ExprKind::Literal: return constant(static_cast<const ast::LiteralExpr&>(e).value);
    case ast::ExprKind::Paren: return constantValue(*static_cast<const ast::ParenExpr&>(e).inner);
    case ast::ExprKind::Unary: {
      auto& u = static_cast<const ast::UnaryExpr&>(e);
      int32_t inner = constantValue(*u.operand);
      if (u.op == ast::UnaryOp::Negate) program_.constants[inner] = ops::negate(program_.constants[inner]);
      return inner;
    }
    default: throw CompileFailure{1045, e.pos};  // Expected literal constant
  }
}

void Compiler::declareProcedure(ast::ProcedureStmt& stmt, int32_t classIndex) {
  if (stmt.params.size() >= kMaxArguments) throw CompileFailure{1001, stmt.pos};  // Out of memory
  Procedure proc;
  proc.name = stmt.name;
  proc.kind = procKindOf(stmt.procKind);
  proc.classIndex = classIndex;
  proc.paramCount = static_cast<uint16_t>(stmt.params.size());
  proc.line = stmt.pos.line;
  for (const ast::Parameter& p : stmt.params) proc.byRef.push_back(p.byVal ? 0 : 1);
  program_.procedures.push_back(std::move(proc));
  pendingBodies_.emplace_back(static_cast<int32_t>(program_.procedures.size() - 1), &stmt);
}

void Compiler::declareClass(ast::ClassStmt& stmt) {
  int32_t classIndex = static_cast<int32_t>(program_.classes.size());
  program_.classes.emplace_back();
  program_.classes.back().name = stmt.name;
  addGlobal(stmt.name, GlobalName::Class, classIndex, stmt.namePos);

  auto findMember = [&](std::string_view name) -> int32_t {
    return classMemberIndex(program_.classes[classIndex], lowerName(name));
  };
  auto addMember = [&](ClassMember member) -> int32_t {
    ClassDef& cls = program_.classes[classIndex];
    auto index = static_cast<int32_t>(cls.members.size());
    cls.memberIndex.emplace(lowerName(member.name), index);
    cls.members.push_back(std::move(member));
    return index;
  };
  for (ast::StmtPtr& m : stmt.members) {
    if (m->kind == ast::StmtKind::Dim) {
      auto& dimStmt = static_cast<ast::DimStmt&>(*m);
      for (const ast::VarDecl& v : dimStmt.vars) {
        if (findMember(v.name) >= 0) throw CompileFailure{1041, v.pos};
        ClassDef& cls = program_.classes[classIndex];
        ClassMember member;
        member.name = v.name;
        member.isPublic = dimStmt.visibility != ast::Visibility::Private;
        member.field = cls.fieldCount++;
        if (v.isArray) {
          ArraySite site;
          site.kind = VarKind::Field;
          site.index = member.field;
          site.fixedBounds = v.bounds;
          site.dims = static_cast<uint16_t>(v.bounds.size());
          program_.arrays.push_back(std::move(site));
          cls.fixedArrays.emplace_back(member.field, static_cast<int32_t>(program_.arrays.size() - 1));
        }
        addMember(std::move(member));
      }
      continue;
    }
    if (m->kind != ast::StmtKind::Procedure) throw CompileFailure{1024, m->pos};
    auto& procStmt = static_cast<ast::ProcedureStmt&>(*m);
    declareProcedure(procStmt, classIndex);
    int32_t procIndex = static_cast<int32_t>(program_.procedures.size() - 1);
    ClassDef& cls = program_.classes[classIndex];
    int32_t memberIndex = findMember(procStmt.name);
    if (memberIndex < 0) {
      ClassMember member;
      member.name = procStmt.name;
      member.isPublic = procStmt.visibility != ast::Visibility::Private;
      memberIndex = addMember(std::move(member));
    }
    ClassMember& member = cls.members[memberIndex];
    int32_t* slot = nullptr;
    switch (procStmt.procKind) {
      case ast::ProcedureKind::Sub:
      case ast::ProcedureKind::Function: slot = &member.method; break;
      case ast::ProcedureKind::PropertyGet: slot = &member.get; break;
      case ast::ProcedureKind::PropertyLet: slot = &member.let; break;
      case ast::ProcedureKind::PropertySet: slot = &member.set; break;
    }
    bool clash = *slot >= 0 || member.field >= 0 ||
                 (member.method >= 0 && slot != &member.method) ||
                 (slot == &member.method && (member.get >= 0 || member.let >= 0 || member.set >= 0));
    if (clash) throw CompileFailure{1041, procStmt.namePos};
    *slot = procIndex;
    if (procStmt.visibility == ast::Visibility::Public || procStmt.visibility == ast::Visibility::Unspecified)
      member.isPublic = true;
    if (procStmt.isDefault) cls.defaultMember = memberIndex;
    std::string lower = lowerName(procStmt.name);
    if (procStmt.procKind == ast::ProcedureKind::Sub && lower == "class_initialize") cls.initialize = procIndex;
    if (procStmt.procKind == ast::ProcedureKind::Sub && lower == "class_terminate") cls.terminate = procIndex;
  }
}

void Compiler::declareGlobals(const ast::StmtList& body) {
  walk(body, [&](const ast::Stmt& s) {
    switch (s.kind) {
      case ast::StmtKind::Dim:
        for (const ast::VarDecl& v : static_cast<const ast::DimStmt&>(s).vars) {
          if (inProcedureScope())
            declareCreated(v.name, v.pos);
          else
            addGlobal(v.name, GlobalName::Variable, -1, v.pos);
        }
        break;
      case ast::StmtKind::Const:
        for (const ast::ConstDecl& c : static_cast<const ast::ConstStmt&>(s).constants) {
          if (inProcedureScope())
            declareCreatedConstant(c);
          else
            addGlobal(c.name, GlobalName::Constant, constantValue(*c.value), c.pos);
        }
        break;
      case ast::StmtKind::ReDim:
        // Execute inside a procedure: the target is whatever the name means
        // when it runs (a global, else a variable of the invocation).
        if (inProcedureScope()) break;
        for (const ast::ReDimTarget& t : static_cast<const ast::ReDimStmt&>(s).targets) {
          auto it = globalNames_.find(lowerName(t.name));
          if (it == globalNames_.end() || program_.globals[it->second].kind == GlobalName::Referenced)
            addGlobal(t.name, GlobalName::Variable, -1, t.pos);
        }
        break;
      case ast::StmtKind::Procedure: {
        auto& p = const_cast<ast::ProcedureStmt&>(static_cast<const ast::ProcedureStmt&>(s));
        declareProcedure(p, -1);
        addGlobal(p.name, GlobalName::Procedure, static_cast<int32_t>(program_.procedures.size() - 1), p.namePos);
        program_.globals[globalNames_[lowerName(p.name)]].isPublic = p.visibility != ast::Visibility::Private;
        break;
      }
      case ast::StmtKind::Class:
        declareClass(const_cast<ast::ClassStmt&>(static_cast<const ast::ClassStmt&>(s)));
        break;
      default: break;
    }
  });
}

void Compiler::declareImplicitGlobals(const ast::StmtList& body) {
  auto declare = [&](const std::string& name) {
    std::string lower = lowerName(name);
    auto it = globalNames_.find(lower);
    if (it != globalNames_.end() && program_.globals[it->second].kind != GlobalName::Referenced) return;
    if (lower == "err" || findBuiltinConstant(lower) || findBuiltin(lower)) return;
    int32_t g = globalIndex(lower);
    program_.globals[g].name = name;
    program_.globals[g].kind = GlobalName::Variable;
    program_.globals[g].implicit = true;
  };
  walk(body, [&](const ast::Stmt& s) {
    switch (s.kind) {
      case ast::StmtKind::Assign: {
        auto& a = static_cast<const ast::AssignStmt&>(s);
        if (a.target->kind == ast::ExprKind::Name) declare(static_cast<const ast::NameExpr&>(*a.target).name);
        break;
      }
      case ast::StmtKind::For: declare(static_cast<const ast::ForStmt&>(s).variable); break;
      case ast::StmtKind::ForEach: declare(static_cast<const ast::ForEachStmt&>(s).variable); break;
      default: break;
    }
  });
}

bool Compiler::isKnownOutside(const std::string& lower) {
  if (scope_.classIndex >= 0 && classMemberIndex(program_.classes[scope_.classIndex], lower) >= 0) return true;
  auto it = globalNames_.find(lower);
  return it != globalNames_.end() && program_.globals[it->second].kind == GlobalName::Variable;
}

void Compiler::declareLocals(const ast::StmtList& body) {
  auto add = [&](const std::string& name, ast::Position pos, bool allowExisting) -> LocalName* {
    std::string lower = lowerName(name);
    auto it = scope_.names.find(lower);
    if (it != scope_.names.end()) {
      if (allowExisting) return nullptr;
      throw CompileFailure{1041, pos};
    }
    LocalName local{VarKind::Local, 0};
    return &scope_.names.emplace(lower, local).first->second;
  };
  walk(body, [&](const ast::Stmt& s) {
    switch (s.kind) {
      case ast::StmtKind::Dim:
        for (const ast::VarDecl& v : static_cast<const ast::DimStmt&>(s).vars)
          add(v.name, v.pos, false)->index = newSlot();
        break;
      case ast::StmtKind::ReDim:
        // ReDim declares a local only when no global or member has the name.
        for (const ast::ReDimTarget& t : static_cast<const ast::ReDimStmt&>(s).targets) {
          if (isKnownOutside(lowerName(t.name))) continue;
          if (LocalName* local = add(t.name, t.pos, true)) local->index = newSlot();
        }
        break;
      case ast::StmtKind::Const:
        for (const ast::ConstDecl& c : static_cast<const ast::ConstStmt&>(s).constants)
          add(c.name, c.pos, false)->constant = constantValue(*c.value);
        break;
      default: break;
    }
  });
}

void Compiler::compileProcedureBody(int32_t procIndex, ast::ProcedureStmt& stmt) {
  Scope saved = std::move(scope_);
  scope_ = Scope{};
  scope_.proc = &program_.procedures[procIndex];
  scope_.procIndex = procIndex;
  scope_.classIndex = scope_.proc->classIndex;
  scope_.global = false;
  Procedure& proc = *scope_.proc;
  for (size_t i = 0; i < stmt.params.size(); ++i) {
    std::string lower = lowerName(stmt.params[i].name);
    if (scope_.names.count(lower)) throw CompileFailure{1041, stmt.params[i].pos};
    scope_.names.emplace(lower, LocalName{VarKind::Param, static_cast<int32_t>(i)});
  }
  proc.slotCount = proc.paramCount;
  if (proc.kind == ProcKind::Function || proc.kind == ProcKind::PropertyGet) {
    proc.resultSlot = newSlot();
    // The procedure's own name is its result variable (a parameter of the
    // same name hides it, as VBScript does).
    scope_.names.emplace(lowerName(stmt.name), LocalName{VarKind::Local, proc.resultSlot});
  }
  declareLocals(stmt.body);
  statements(stmt.body);
  size_t end = here();
  emit(Op::Return);
  region(end, end + 1, stmt.endPos);
  for (const auto& [key, local] : scope_.names) {
    if (local.constant >= 0) continue;
    // Implicit locals are keyed apart from declared names; Eval sees both.
    bool implicit = key[0] == '\x01';
    proc.names.push_back({implicit ? key.substr(1) : key, local.kind, local.index, implicit});
  }
  std::sort(proc.regions.begin(), proc.regions.end(),
            [](const Region& x, const Region& y) { return x.start < y.start; });
  scope_ = std::move(saved);
}

// ------------------------------------------------------------------- names

Resolved Compiler::resolve(const std::string& name, ast::Position pos) {
  std::string lower = lowerName(name);
  Resolved r;
  if (!scope_.global) {
    auto it = scope_.names.find(lower);
    if (it != scope_.names.end()) {
      if (it->second.constant >= 0) {
        r.kind = Resolved::Constant;
        r.index = it->second.constant;
      } else {
        r.var = it->second.kind;
        r.index = it->second.index;
        r.isResult = it->second.kind == VarKind::Local && it->second.index == scope_.proc->resultSlot;
      }
      return r;
    }
  }
  // The procedure that ran Eval/Execute is the scope of the code's own
  // statements only: a procedure the code defines runs in a frame of its own.
  if (inProcedureScope()) {
    for (const Procedure::Name& n : outer_->procedure->names) {
      if (n.name != lower) continue;
      if (n.implicit) {
        // As in the procedure itself: the global of the name when there is one.
        r.var = program_.optionExplicit ? VarKind::DynamicExplicit : VarKind::Dynamic;
        r.index = globalIndex(lower);
        r.fallback = static_cast<uint16_t>(n.index);
        return r;
      }
      r.var = n.kind == VarKind::Param ? VarKind::OuterParam : VarKind::OuterLocal;
      r.index = n.index;
      return r;
    }
    if (resolveCreated(lower, r)) return r;
  }
  const ClassDef* cls = scope_.classIndex >= 0          ? &program_.classes[scope_.classIndex]
                        : (outer_ && scope_.global)     ? outer_->cls
                                                        : nullptr;
  if (cls) {
    if (int32_t i = classMemberIndex(*cls, lower); i >= 0) {
      if (cls->members[i].field >= 0) {
        r.var = VarKind::Field;
        r.index = cls->members[i].field;
      } else {
        r.kind = Resolved::Method;
        r.index = static_cast<int32_t>(i);
      }
      return r;
    }
  }
  auto g = globalNames_.find(lower);
  if (g != globalNames_.end()) {
    const GlobalName& global = program_.globals[g->second];
    switch (global.kind) {
      case GlobalName::Variable: r.var = VarKind::Global; r.index = g->second; return r;
      case GlobalName::Constant: r.kind = Resolved::Constant; r.index = global.index; return r;
      case GlobalName::Procedure: r.kind = Resolved::Procedure; r.index = global.index; return r;
      case GlobalName::Class: r.kind = Resolved::Class; r.index = global.index; return r;
      case GlobalName::Referenced: break;
    }
  }
  if (g == globalNames_.end()) {
    if (lower == "err") {
      r.kind = Resolved::ErrObject;
      return r;
    }
    if (const BuiltinConstant* c = findBuiltinConstant(lower)) {
      r.kind = Resolved::Constant;
      r.index = constant(c->value());
      return r;
    }
    if (const BuiltinFunction* f = findBuiltin(lower)) {
      auto b = builtinIndex_.find(lower);
      if (b == builtinIndex_.end()) {
        program_.builtins.push_back(f);
        b = builtinIndex_.emplace(lower, static_cast<int32_t>(program_.builtins.size() - 1)).first;
      }
      r.kind = Resolved::Builtin;
      r.index = b->second;
      return r;
    }
  }
  r.var = program_.optionExplicit ? VarKind::DynamicExplicit : VarKind::Dynamic;
  r.index = globalIndex(lower);
  // Errors name it as first written.
  GlobalName& global = program_.globals[r.index];
  if (global.kind == GlobalName::Referenced && global.name == lower) global.name = name;
  if (!scope_.global && !program_.optionExplicit) {
    // Inside a procedure an unknown name that is no global when the code
    // runs is an implicit local: give it a slot, shared by every use.
    std::string key = "\x01" + lower;
    auto it = scope_.names.find(key);
    if (it == scope_.names.end()) it = scope_.names.emplace(key, LocalName{VarKind::Local, newSlot()}).first;
    r.fallback = static_cast<uint16_t>(it->second.index);
  }
  if (inProcedureScope() && !program_.optionExplicit) createImplicit(lower, r);
  return r;
}

Resolved Compiler::resolveForWrite(const std::string& name, ast::Position pos) { return resolve(name, pos); }

// ------------------------------------------------------------------- driver

void Compiler::compileScript(ast::Script& script) {
  program_.optionExplicit = script.optionExplicit;
  program_.procedures.emplace_back();
  program_.procedures[0].name = "<global>";
  declareGlobals(script.body);
  // Names assigned at global level without Dim are globals of the script.
  // (Execute inside a procedure makes them variables of its invocation.)
  if (!program_.optionExplicit && !inProcedureScope()) declareImplicitGlobals(script.body);
  scope_.proc = &program_.procedures[0];
  initializeCreatedConstants();
  statements(script.body);
  emit(Op::Return);
  std::sort(scope_.proc->regions.begin(), scope_.proc->regions.end(),
            [](const Region& x, const Region& y) { return x.start < y.start; });
  // Bodies last: every global name of the script is known by then.
  for (size_t i = 0; i < pendingBodies_.size(); ++i)
    compileProcedureBody(pendingBodies_[i].first, *pendingBodies_[i].second);
}

void Compiler::compileEval(const ast::Expr& expression) {
  program_.procedures.emplace_back();
  program_.procedures[0].name = "<eval>";
  scope_.proc = &program_.procedures[0];
  scope_.proc->resultSlot = newSlot();
  expr(expression);
  emit(Op::StoreLocal, 0, static_cast<uint16_t>(scope_.proc->resultSlot));
  region(0, here(), expression.pos);
  emit(Op::Return);
}

namespace {

// Every statement starts and ends with an empty operand stack, and no
// instruction leaves more than one operand more than it found, plus Me
// for a moment under a method's arguments. So a run of code between the
// boundaries of statement regions never holds more operands than it has
// instructions, plus that one.
uint32_t operandBound(const Procedure& proc) {
  size_t longest = 0, from = 0;
  for (const Region& r : proc.regions) {
    longest = std::max({longest, static_cast<size_t>(r.start) - std::min<size_t>(from, r.start),
                        static_cast<size_t>(r.end - r.start)});
    from = r.end;
  }
  longest = std::max(longest, proc.code.size() - std::min(from, proc.code.size()));
  return static_cast<uint32_t>(std::min<size_t>(longest + 2, UINT32_MAX));
}

std::shared_ptr<Program> finish(ast::Script& script, const OuterScope* outer, ScriptError& error,
                                const ast::Expr* expression) {
  auto program = std::make_shared<Program>();
  program->source = std::move(script.source);
  program->lineStarts = std::move(script.lineStarts);
  try {
    Compiler compiler(*program, outer);
    if (expression)
      compiler.compileEval(*expression);
    else
      compiler.compileScript(script);
  } catch (const CompileFailure& failure) {
    error = ScriptError{};
    error.number = failure.number;
    error.source = kCompileErrorSource;
    error.description = standardErrorText(failure.number);
    error.line = failure.pos.line;
    error.column = failure.pos.column;
    error.text = program->lineText(failure.pos.line);
    return nullptr;
  }
  for (Procedure& proc : program->procedures) proc.operandSlots = operandBound(proc);
  int32_t members = 0;
  for (CallSite& site : program->calls)
    if (site.cacheSlot >= 0) members = std::max(members, site.cacheSlot + 1);
  program->memberCacheSize = members;
  return program;
}

}  // namespace

std::shared_ptr<Program> compileScript(ast::Script& script, const OuterScope* outer, ScriptError& error) {
  return finish(script, outer, error, nullptr);
}

std::shared_ptr<Program> compileExpression(ast::Script& script, const ast::Expr& expression,
                                           const OuterScope* outer, ScriptError& error) {
  return finish(script, outer, error, &expression);
}

}  // namespace corvela::vbs
