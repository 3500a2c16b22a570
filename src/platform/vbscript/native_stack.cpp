// Finds the running thread's stack bounds once per thread and compares the
// current frame with them.
#include "platform/vbscript/native_stack.h"

#include <pthread.h>

#include <cstdint>

#include "platform/automation/com_error.h"

namespace corvela::vbs {

namespace {

// Stacks grow down on every target we build for: the lowest usable address.
// Zero until the thread first asks.
thread_local uintptr_t stackBottom = 0;

uintptr_t findStackBottom() {
  pthread_attr_t attr;
  void* low = nullptr;
  size_t size = 0;
  bool known = pthread_getattr_np(pthread_self(), &attr) == 0;
  if (known) {
    known = pthread_attr_getstack(&attr, &low, &size) == 0;
    pthread_attr_destroy(&attr);
  }
  auto here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  // Unknown bounds: assume the smallest stack a host gives a worker thread,
  // 1 MiB below this frame.
  return known ? reinterpret_cast<uintptr_t>(low) : here - (size_t{1} << 20);
}

}  // namespace

bool nativeStackLow(size_t reserve) {
  if (!stackBottom) stackBottom = findStackBottom();
  return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) < stackBottom + reserve;
}

void checkNativeStack() {
  if (nativeStackLow()) raiseRuntimeError(28);
}

}  // namespace corvela::vbs
