// The process-wide cache of compiled templates. An entry is keyed by the
// file's path and remembers the size and modification time it was compiled
// from, so a template edited on disk is compiled again on its next use and
// an unchanged one never is. Programs are immutable and shared by every
// TemplateSystem on every thread.
#pragma once

#include <memory>
#include <string_view>

#include "platform/vbscript/script_engine.h"

namespace corvela::tmpl {

struct CompiledTemplate {
  std::shared_ptr<const vbs::Program> program;  // null when the script is blank
};

// The compiled template at the path; nullptr when the file cannot be read
// (the error is left in `error` only for a script that does not compile).
// Template marker errors are raised as ComError 555. Nothing is cached for
// a template that fails to compile.
std::shared_ptr<const CompiledTemplate> compiledTemplateAt(std::string_view path, vbs::ScriptError& error);

// How often a template file was read and compiled in this process (for tests
// and benchmarks).
unsigned long templateCompileCount();

}  // namespace corvela::tmpl
