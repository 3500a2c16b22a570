// The object context: one per thread while a scope is open, finishing its
// enlisted resources when the outermost scope closes.
#include "platform/automation/object_context.h"

#include <exception>

namespace corvela {

namespace {

// Module state exists once per thread, as the COM+ context reference did.
thread_local ObjectContext* currentContext = nullptr;
thread_local int openScopes = 0;

}  // namespace

ObjectContext* ObjectContext::current() noexcept { return currentContext; }

bool ObjectContext::enlist(std::string_view key, std::shared_ptr<TransactionResource> resource) {
  if (find(key)) return false;
  resources_.emplace_back(std::string(key), std::move(resource));
  return true;
}

std::shared_ptr<TransactionResource> ObjectContext::find(std::string_view key) const {
  for (const auto& [name, resource] : resources_)
    if (name == key) return resource;
  return nullptr;
}

void ObjectContext::finish(bool unwinding) {
  auto resources = std::move(resources_);
  if (doomed_ || unwinding) {
    for (auto& entry : resources) entry.second->rollback();
    return;
  }
  // After a failed commit the remaining resources are rolled back and the
  // first failure is raised to the caller of the outermost scope.
  std::exception_ptr failure;
  for (auto& entry : resources) {
    if (failure) {
      entry.second->rollback();
      continue;
    }
    try {
      entry.second->commit();
    } catch (...) {
      failure = std::current_exception();
    }
  }
  if (failure) std::rethrow_exception(failure);
}

ContextScope::ContextScope() : exceptionsAtEntry_(std::uncaught_exceptions()) {
  if (openScopes++ == 0) currentContext = new ObjectContext();
}

ContextScope::~ContextScope() noexcept(false) {
  if (--openScopes > 0) return;
  // Detach first: whatever a resource does while finishing runs outside
  // this transaction.
  std::unique_ptr<ObjectContext> context(currentContext);
  currentContext = nullptr;
  context->finish(std::uncaught_exceptions() > exceptionsAtEntry_);
}

}  // namespace corvela
