// libFuzzer target: compiles and runs arbitrary bytes as VBScript in a
// sealed engine with a step limit (sealed_run.h). Memory is limited through
// the sanitizer's allocator: a request over 64 MB, or any request while the
// process holds more than 1.5 GB, fails, and the engine must turn that into
// error 7 like any other. A crash, sanitizer report, hang or leak is a fault.
//
//   build-fuzz/bin/vbscript_run_fuzz -dict=fuzz/vbscript.dict -rss_limit_mb=4096 CORPUS tests/corpus
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/sealed_run.h"

extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=64:soft_rss_limit_mb=1536";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  corvela::vbs::ScriptError error;
  corvela::fuzzing::runSealed(std::string_view(reinterpret_cast<const char*>(data), size), error);
  return 0;
}
