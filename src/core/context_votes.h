// How every data operation of the engine meets the object context: it opens
// a scope at entry (joining the caller's transaction, or beginning its own
// when it is the outermost), votes SetComplete when it succeeds and SetAbort
// when it fails, and passes the error on (under its own source where the
// operation has one).
#pragma once

#include <type_traits>
#include <utility>

#include "platform/automation/com_error.h"
#include "platform/automation/object_context.h"

namespace corvela::core {

inline void voteComplete() {
  if (ObjectContext* context = ObjectContext::current()) context->SetComplete();
}

inline void voteAbort() noexcept {
  if (ObjectContext* context = ObjectContext::current()) context->SetAbort();
}

// Runs work() inside a scope and votes. onFailure() runs first on any error
// (to release what the operation holds). A ComError is raised again under
// `source` unless that is null; other exceptions pass unchanged.
//
// The scope lives inside the try: when it is the outermost, closing it
// commits, and a failed commit is this operation's failure too. The abort
// vote after an error then reaches the caller's context when there is one
// (an outermost scope left by an exception has already rolled back).
template <class Work, class OnFailure>
auto runVoting(const char* source, bool completeOnSuccess, Work&& work, OnFailure&& onFailure) {
  try {
    ContextScope scope;
    if constexpr (std::is_void_v<decltype(work())>) {
      work();
      if (completeOnSuccess) voteComplete();
    } else {
      auto result = work();
      if (completeOnSuccess) voteComplete();
      return result;
    }
  } catch (const ComError& error) {
    onFailure();
    voteAbort();
    if (source) throw error.withSource(source);
    throw;
  } catch (...) {
    onFailure();
    voteAbort();
    throw;
  }
}

template <class Work>
auto runVoting(const char* source, Work&& work) {
  return runVoting(source, true, std::forward<Work>(work), [] {});
}

}  // namespace corvela::core
