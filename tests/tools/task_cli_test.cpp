// corvela task and corvela queue as users run them: tasks added with the
// FTP password from standard input, listed without it, removed; the queue
// after a file has been written through a script.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class TaskCliTest : public IsolatedTest {
 protected:
  // Runs `corvela ARGS` with `input` on standard input.
  CommandOutcome run(const std::string& args, const std::string& input = "") {
    return runCorvela(root_.path(), args, input);
  }
  std::string site() const { return (dataDir() / "site").string(); }
};

TEST_F(TaskCliTest, AddListAndRemoveTasks) {
  ASSERT_EQ(run("init").status, 0);
  CommandOutcome ftp = run("task add --target /www --ftp ftp.example.com --port 2121 --user bob", "s3cret'\n");
  ASSERT_EQ(ftp.status, 0) << ftp.err;
  EXPECT_EQ(ftp.out, "1\n");
  EXPECT_EQ(run("task add --dir /srv/other --target /backup").out, "2\n");
  CommandOutcome list = run("task list");
  EXPECT_EQ(list.out,
            "id\tmethod\tdirectory\ttarget\tserver\tport\tusername\tactive\n"
            "1\tFTP\t" + site() + "\t/www\tftp.example.com\t2121\tbob\tN\n"
            "2\tNTFS\t/srv/other\t/backup\t\t21\t\tN\n");
  EXPECT_EQ(list.out.find("s3cret"), std::string::npos);
  EXPECT_EQ(run("sql \"SELECT password FROM dep_task WHERE id=1\"").out, "password\ns3cret'\n");
  EXPECT_EQ(run("task rm 2").status, 0);
  CommandOutcome missing = run("task rm 2");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "1050 : NoRecord\n");
}

TEST_F(TaskCliTest, RefusedInputAddsNothing) {
  EXPECT_EQ(run("task add --target /b").status, 1) << "no site directory before init";
  ASSERT_EQ(run("init").status, 0);
  EXPECT_EQ(run("task add --target /www --ftp host").status, 1) << "no password on standard input";
  EXPECT_EQ(run("task list").out, "id\tmethod\tdirectory\ttarget\tserver\tport\tusername\tactive\n");
}

TEST_F(TaskCliTest, QueueListsFilesWrittenByAScript) {
  ASSERT_EQ(run("init").status, 0);
  ASSERT_EQ(run("task add --target /mirror").status, 0);
  std::filesystem::path script = root_.path() / "write.vbs";
  std::ofstream(script) << "CreateObject(\"Corvela.SiteFolder\").GetFile(\"/news/a.htm\").Content = \"x\"\n";
  CommandOutcome wrote = run("run '" + script.string() + "'");
  ASSERT_EQ(wrote.status, 0) << wrote.err;
  CommandOutcome queue = run("queue");
  EXPECT_EQ(queue.status, 0);
  EXPECT_NE(queue.out.find("\t1\tcreate\tNTFS\t\t"), std::string::npos) << queue.out;
  EXPECT_NE(queue.out.find("\t/mirror/news/a.htm\n"), std::string::npos) << queue.out;
}

}  // namespace
}  // namespace corvela::testing
