// The object context: scopes per thread carrying the request, votes, and
// commit or rollback of enlisted resources when the outermost scope closes.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "automation/fake_objects.h"
#include "platform/automation/com_error.h"
#include "platform/automation/object_context.h"

namespace corvela {
namespace {

using Log = std::vector<std::string>;

// Writes "name:commit" / "name:rollback" into a shared log.
struct FakeResource : TransactionResource {
  FakeResource(std::string name, Log& log, bool failCommit = false)
      : name(std::move(name)), log(log), failCommit(failCommit) {}
  void commit() override {
    if (failCommit) throw ComError(-2147467259, "Fake", "commit failed");
    log.push_back(name + ":commit");
  }
  void rollback() noexcept override { log.push_back(name + ":rollback"); }
  std::string name;
  Log& log;
  bool failCommit;
};

void enlistFake(const char* name, Log& log, bool failCommit = false) {
  ObjectContext::current()->enlist(name, std::make_shared<FakeResource>(name, log, failCommit));
}

TEST(ObjectContextTest, OutermostScopeOwnsTheContextOfItsThread) {
  EXPECT_EQ(ObjectContext::current(), nullptr);
  {
    ContextScope outer;
    ObjectContext* context = ObjectContext::current();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->request, nullptr);
    auto request = std::make_shared<testing::ValueHolder>(Variant(1));
    context->request = request;
    {
      ContextScope inner;
      EXPECT_EQ(ObjectContext::current(), context) << "nested scopes join";
      EXPECT_EQ(ObjectContext::current()->request, request) << "and carry the request object";
    }
    EXPECT_EQ(ObjectContext::current(), context) << "closing a nested scope keeps the context";
    ObjectContext* elsewhere = context;
    std::thread([&elsewhere] { elsewhere = ObjectContext::current(); }).join();
    EXPECT_EQ(elsewhere, nullptr) << "another thread has no context";
  }
  EXPECT_EQ(ObjectContext::current(), nullptr);
}

TEST(ObjectContextTest, VotesDecideCommitOrRollback) {
  struct Case { const char* label; bool innerAbort; bool outerComplete; const char* outcome; } cases[] = {
      {"no votes", false, false, "db:commit"}, {"complete", false, true, "db:commit"},
      {"abort in a nested call dooms the outer complete", true, true, "db:rollback"},
  };
  for (const Case& c : cases) {
    Log log;
    {
      ContextScope outer;
      {
        ContextScope inner;
        enlistFake("db", log);
        if (c.innerAbort) ObjectContext::current()->SetAbort();
      }
      EXPECT_TRUE(log.empty()) << c.label << ": nothing finishes before the outermost scope";
      if (c.outerComplete) ObjectContext::current()->SetComplete();
    }
    EXPECT_EQ(log, Log{c.outcome}) << c.label;
  }
}

TEST(ObjectContextTest, ExceptionLeavingTheOutermostScopeRollsBack) {
  Log log;
  EXPECT_THROW(
      {
        ContextScope outer;
        enlistFake("db", log);
        ObjectContext::current()->SetComplete();
        throw std::runtime_error("failure");
      },
      std::runtime_error);
  EXPECT_EQ(log, Log{"db:rollback"});

  // An exception caught inside the outer scope does not doom it by itself.
  log.clear();
  {
    ContextScope outer;
    try {
      ContextScope inner;
      enlistFake("db", log);
      throw std::runtime_error("handled");
    } catch (const std::runtime_error&) {
    }
  }
  EXPECT_EQ(log, Log{"db:commit"});
}

TEST(ObjectContextTest, ResourcesEnlistOncePerKeyAndFinishInOrder) {
  Log log;
  {
    ContextScope scope;
    auto first = std::make_shared<FakeResource>("a", log);
    EXPECT_TRUE(ObjectContext::current()->enlist("conn", first));
    EXPECT_FALSE(ObjectContext::current()->enlist("conn", std::make_shared<FakeResource>("dup", log)));
    EXPECT_EQ(ObjectContext::current()->find("conn"), first);
    EXPECT_EQ(ObjectContext::current()->find("other"), nullptr);
    enlistFake("b", log);
  }
  EXPECT_EQ(log, (Log{"a:commit", "b:commit"}));
}

TEST(ObjectContextTest, FailedCommitRollsBackTheRestAndRaises) {
  Log log;
  try {
    ContextScope scope;
    enlistFake("a", log, true);
    enlistFake("b", log);
    ObjectContext::current()->SetComplete();
  } catch (const ComError& e) {
    EXPECT_EQ(e.description(), "commit failed");
    log.push_back("raised");
  }
  EXPECT_EQ(log, (Log{"b:rollback", "raised"}));
  EXPECT_EQ(ObjectContext::current(), nullptr);
}

}  // namespace
}  // namespace corvela
