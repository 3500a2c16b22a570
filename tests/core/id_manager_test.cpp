// comIDManager.newID: counter semantics, error source, and ids that stay
// distinct when two processes allocate from one name at the same time.
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "core/com_id_manager.h"
#include "core/settings_key.h"
#include "core_fixture.h"
#include "platform/db/connection.h"

namespace corvela::core {
namespace {

using testing::CoreTest;

class IdManagerTest : public CoreTest {
 protected:
  std::string counter(const std::string& name) {
    return scalar("SELECT id FROM IDManager WHERE tablename='" + name + "'");
  }
};

TEST_F(IdManagerTest, FirstIdIsOneAndCounterHoldsTheNextFreeId) {
  comIDManager ids;
  EXPECT_EQ(ids.newID("cms_content"), 1);
  EXPECT_EQ(counter("cms_content"), "2");
  EXPECT_EQ(ids.newID("cms_content"), 2);
  EXPECT_EQ(counter("cms_content"), "3");
  EXPECT_EQ(ids.newID("tips"), 1) << "names count separately";
  sql("INSERT INTO IDManager (tablename,id) VALUES ('cms_channel',40)");
  EXPECT_EQ(newID("cms_channel"), 40) << "an existing counter is handed out, then incremented";
  EXPECT_EQ(counter("cms_channel"), "41");
  // Late bound, in any letter case.
  auto late = createObject("Corvela.comIDManager");
  Variant name("dep_task");
  EXPECT_EQ(late->call("newID", std::span<Variant>(&name, 1)).toLong(), 1);
  EXPECT_EQ(late->call("NEWID", std::span<Variant>(&name, 1)).toLong(), 2);
}

TEST_F(IdManagerTest, ErrorsComeUnderTheNewIdSource) {
  removeSetting(kConnStringValue);
  EXPECT_EQ(testing::raised([] { newID("x"); }), (testing::Raised{1001, "IDManager:NewID Error", "RegReadErr"}));
  setSetting(kConnStringValue, connString());
  sql("DROP TABLE IDManager");
  testing::Raised provider = testing::raised([] { newID("x"); });
  EXPECT_EQ(provider.number, db::kErrCommand) << "a provider error keeps its number and text";
  EXPECT_EQ(provider.source, "IDManager:NewID Error");
  EXPECT_NE(provider.description.find("IDManager"), std::string::npos) << provider.description;
}

// Each child waits until the start pipe closes (so both run at once), then
// allocates `count` ids and writes them to its pipe.
pid_t spawnAllocator(int count, const int start[2], int& readEnd) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    close(start[1]);
    char ignored;
    while (read(start[0], &ignored, 1) > 0) {
    }
    int status = 0;
    try {
      for (int i = 0; i < count; ++i) {
        int32_t id = newID("shared_counter");
        if (write(fds[1], &id, sizeof id) != sizeof id) status = 2;
      }
    } catch (const ComError&) {
      status = 1;
    }
    close(fds[1]);
    _exit(status);
  }
  close(fds[1]);
  readEnd = fds[0];
  return pid;
}

std::vector<int32_t> readIds(int fd) {
  std::vector<int32_t> ids;
  int32_t id;
  while (read(fd, &id, sizeof id) == sizeof id) ids.push_back(id);
  close(fd);
  return ids;
}

TEST_F(IdManagerTest, TwoProcessesNeverReceiveTheSameId) {
  constexpr int kPerProcess = 500;
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  int readEnds[2] = {-1, -1};
  const pid_t pids[2] = {spawnAllocator(kPerProcess, start, readEnds[0]),
                         spawnAllocator(kPerProcess, start, readEnds[1])};
  close(start[0]);
  close(start[1]);
  std::set<int32_t> all;
  for (int k = 0; k < 2; ++k) {
    ASSERT_GT(pids[k], 0);
    std::vector<int32_t> ids = readIds(readEnds[k]);
    int status = 0;
    waitpid(pids[k], &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "allocator " << k << " failed";
    ASSERT_EQ(ids.size(), size_t{kPerProcess});
    all.insert(ids.begin(), ids.end());
  }
  EXPECT_EQ(all.size(), size_t{2 * kPerProcess}) << "an id was handed out twice";
  EXPECT_EQ(*all.begin(), 1);
  EXPECT_EQ(*all.rbegin(), 2 * kPerProcess);
  EXPECT_EQ(counter("shared_counter"), std::to_string(2 * kPerProcess + 1));
}

}  // namespace
}  // namespace corvela::core
