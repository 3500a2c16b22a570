// libFuzzer target: compiles and runs arbitrary bytes as VBScript in a
// sealed engine with a step limit (sealed_run.h). Memory is limited through
// the sanitizer's allocator: a request over 64 MB, or any request while the
// process holds more than 1.5 GB, fails, and the engine must turn that into
// error 7 like any other. AddressSanitizer's own operator new ends the
// process on such a failure, so here it is replaced by one that throws
// std::bad_alloc, as a real allocator does. A crash, sanitizer report, hang
// or leak is a fault.
//
//   build-fuzz/bin/vbscript_run_fuzz -dict=fuzz/vbscript.dict -rss_limit_mb=4096 CORPUS tests/corpus
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string_view>

#include "fuzz/sealed_run.h"

extern "C" const char* __asan_default_options() {
  return "allocator_may_return_null=1:max_allocation_size_mb=64:soft_rss_limit_mb=1536";
}

void* operator new(size_t size) {
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void* operator new[](size_t size) { return operator new(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  corvela::vbs::ScriptError error;
  corvela::fuzzing::runSealed(std::string_view(reinterpret_cast<const char*>(data), size), error);
  return 0;
}
