// The object context: what COM+ gave a transactional component. A data
// method opens a ContextScope at entry; the outermost scope on a thread
// creates the context and the nested ones join it, so every call made on
// behalf of one outer call shares one transaction. Methods vote with
// SetComplete or SetAbort; one SetAbort dooms the whole transaction.
//
// Resources (the database layer's pooled connection) begin their own
// transaction and then enlist under a key, at most once per key. When the
// outermost scope closes, every enlisted resource is committed, in the order
// they enlisted, unless the transaction is doomed or the scope is left by an
// exception; then every one is rolled back.
//
// ObjectContext::current() is nullptr on a thread with no open scope:
// callers then skip their votes, as code running outside COM+ did.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/object.h"

namespace corvela {

// A participant in the context's transaction.
class TransactionResource {
 public:
  virtual ~TransactionResource() = default;
  // Makes the work permanent. May throw; the context then rolls back the
  // resources not yet committed and raises the error from the outermost scope.
  virtual void commit() = 0;
  // Undoes the work. Must not fail: a resource that cannot roll back cleanly
  // discards its connection (which undoes the transaction in the database).
  virtual void rollback() noexcept = 0;
};

class ObjectContext {
 public:
  ObjectContext(const ObjectContext&) = delete;
  ObjectContext& operator=(const ObjectContext&) = delete;

  // The context of this thread's open scope, or nullptr.
  static ObjectContext* current() noexcept;

  // Votes: the work so far may be committed / must be rolled back.
  void SetComplete() noexcept { completed_ = true; }
  void SetAbort() noexcept { doomed_ = true; }
  bool isDoomed() const noexcept { return doomed_; }
  bool isCompleted() const noexcept { return completed_; }

  // Enlists the resource under the key; false (and nothing enlisted) when a
  // resource already holds that key.
  bool enlist(std::string_view key, std::shared_ptr<TransactionResource> resource);
  // The resource enlisted under the key, or nullptr.
  std::shared_ptr<TransactionResource> find(std::string_view key) const;

  // The web request being served (what Request was to an ASP page), for
  // components that read the request body; nullptr outside a request.
  std::shared_ptr<Object> request;

 private:
  friend class ContextScope;
  ObjectContext() = default;
  // Commits or rolls back every resource; throws a commit failure only when
  // not already unwinding.
  void finish(bool unwinding);

  bool doomed_ = false;
  bool completed_ = false;
  std::vector<std::pair<std::string, std::shared_ptr<TransactionResource>>> resources_;
};

// Opens (outermost) or joins (nested) this thread's object context for the
// lifetime of the object. The destructor of the outermost scope finishes the
// transaction and may throw the error of a failed commit.
class ContextScope {
 public:
  ContextScope();
  ~ContextScope() noexcept(false);
  ContextScope(const ContextScope&) = delete;
  ContextScope& operator=(const ContextScope&) = delete;

 private:
  int exceptionsAtEntry_;
};

}  // namespace corvela
