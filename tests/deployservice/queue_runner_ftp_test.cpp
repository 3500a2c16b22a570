// The queue runner on FTP rows against a real FTP server: folders, copies,
// deletes, retries and their snapshots, and one connection per server.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "deployservice/queue_runner.h"
#include "support/ftp_server.h"

namespace corvela::deployservice {
namespace {

namespace fsys = std::filesystem;
using testing::FtpServer;
using testing::FtpServerOptions;

constexpr const char* kRefused = "FTP服务器连接不上，可能是口令不正确或者网络不畅通。FTP服务器：127.0.0.1";

class QueueRunnerFtpTest : public testing::DeployServiceTest {
 protected:
  QueueRunnerFtpTest() : server_(dataDir() / "ftproot", serverOptions()) {}

  FtpServerOptions serverOptions() {
    FtpServerOptions options;
    options.logFile = (dataDir() / "ftp.log").string();
    return options;
  }
  void ftpRow(int id, const std::string& source, const std::string& target, const std::string& type,
              const std::string& operation, int status = 1, const std::string& password = "secret",
              const std::string& method = "FTP") {
    queueRow(id, source, target, type, method, operation, status, "127.0.0.1", server_.port(), "deploy", password);
  }
  void run() { QueueRunner(context_).runPass(); }
  fsys::path remote() const { return server_.root(); }
  int logins(const std::string& logFile) {
    std::ifstream in(logFile);
    std::string line;
    int count = 0;
    while (std::getline(in, line)) count += line.find("logged in") != std::string::npos;
    return count;
  }

  FtpServer server_;
};

TEST_F(QueueRunnerFtpTest, FoldersAndFilesAreCreatedAndDeleted) {
  fsys::create_directories(remote() / "www");
  write(remote() / "www" / "ba.html", "keep me");
  write(remote() / "www" / "old" / "sub" / "x.html", "x");
  ftpRow(1, " ", "/www/a/b", "dir", "create");
  ftpRow(2, snapshot("1.tmp", "page one"), "/www/news/2003/a.html", "file", "create");
  ftpRow(3, " ", "/www/a.html", "file", "delete");
  ftpRow(4, " ", "/www/old", "dir", "delete");
  run();
  EXPECT_TRUE(fsys::is_directory(remote() / "www" / "a" / "b"));
  EXPECT_EQ(read(remote() / "www" / "news" / "2003" / "a.html"), "page one");
  EXPECT_EQ(read(remote() / "www" / "ba.html"), "keep me") << "a.html matched inside ba.html";
  EXPECT_FALSE(fsys::exists(remote() / "www" / "old"));
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(snapshotsLeft().empty());
  EXPECT_TRUE(logTexts().empty()) << logTexts()[0];
}

TEST_F(QueueRunnerFtpTest, AFolderNameWithoutSeparatorIsLogged) {
  ftpRow(1, " ", "www", "dir", "create");
  run();
  EXPECT_EQ(logTexts(), std::vector<std::string>{"ftpCreateFolder：目录名不合法：www"});
  EXPECT_TRUE(queue().empty());
}

TEST_F(QueueRunnerFtpTest, ARefusedLoginRetriesOnceWithTheSnapshotKeptThenGivesUpVisibly) {
  std::string source = snapshot("7.tmp", "retry me");
  ftpRow(1, source, "/www/a.html", "file", "create", 1, "wrong");
  run();
  EXPECT_EQ(queue(), std::vector<std::string>{"file create /www/a.html " + source + " 2"});
  EXPECT_EQ(scalar("SELECT method FROM dep_execution"), "ftp");
  EXPECT_EQ(logTexts(), std::vector<std::string>{std::string("ftpCopyFile：") + kRefused});
  EXPECT_TRUE(fsys::exists(source)) << "the snapshot went before its retry";

  run();
  EXPECT_EQ(queue(), std::vector<std::string>{"file create /www/a.html " + source + " 3"});
  EXPECT_FALSE(fsys::exists(source)) << "the last attempt left its snapshot behind";
  EXPECT_EQ(logTexts().size(), 2u);
  run();
  EXPECT_EQ(queue().size(), 1u) << "a row whose attempts are used up stays as the record of the failure";
}

TEST_F(QueueRunnerFtpTest, ARetryDeliversOnceTheServerIsBack) {
  std::string source = snapshot("8.tmp", "second try");
  ftpRow(1, source, "/www/b.html", "file", "create");
  server_.stop();
  run();
  EXPECT_EQ(queue(), std::vector<std::string>{"file create /www/b.html " + source + " 2"});
  server_.restart();
  run();
  EXPECT_EQ(read(remote() / "www" / "b.html"), "second try");
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(snapshotsLeft().empty());
}

TEST_F(QueueRunnerFtpTest, AServerGoneMidRunLeavesRetriesForTheRest) {
  for (int i = 1; i <= 3; ++i) ftpRow(i, snapshot(std::to_string(i) + ".tmp", "f"), "/f" + std::to_string(i), "file", "create");
  QueueRunner runner(context_);
  int seen = 0;
  context_.yield = [&] {
    if (++seen == 2) server_.stop();
  };
  runner.runPass();
  EXPECT_TRUE(fsys::exists(remote() / "f1"));
  auto rows = queue();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[0].starts_with("file create /f2 ") && rows[0].ends_with(" 2")) << rows[0];
  EXPECT_EQ(snapshotsLeft().size(), 2u);
}

TEST_F(QueueRunnerFtpTest, RowsOfTwoServersRunGroupedWithOneLoginEach) {
  FtpServerOptions second;
  second.logFile = (dataDir() / "ftp2.log").string();
  FtpServer other(dataDir() / "ftproot2", second);
  for (int i = 1; i <= 6; ++i) {
    std::string source = snapshot(std::to_string(i) + ".tmp", std::to_string(i));
    if (i % 2) ftpRow(i, source, "/" + std::to_string(i) + ".html", "file", "create");
    else queueRow(i, source, "/" + std::to_string(i) + ".html", "file", "FTP", "create", 1, "localhost", other.port(), "deploy", "secret");
  }
  run();
  EXPECT_TRUE(queue().empty());
  EXPECT_EQ(read(remote() / "5.html"), "5");
  EXPECT_EQ(read(other.root() / "6.html"), "6");
  EXPECT_EQ(logins((dataDir() / "ftp.log").string()), 1);
  EXPECT_EQ(logins(second.logFile), 1);
  EXPECT_TRUE(logTexts().empty()) << logTexts()[0];
}

TEST_F(QueueRunnerFtpTest, AnFtpsServerIsReachedOverTls) {
  FtpServerOptions secure;
  secure.tls = true;
  FtpServer tlsServer(dataDir() / "ftpsroot", secure);
  context_.ftpsCaFile = tlsServer.certificate();
  std::string source = snapshot("5.tmp", "over tls");
  queueRow(1, source, "/www/s.html", "file", "FTP", "create", 1, "ftps://127.0.0.1", tlsServer.port(), "deploy", "secret");
  run();
  EXPECT_EQ(read(tlsServer.root() / "www" / "s.html"), "over tls");
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(logTexts().empty()) << logTexts()[0];

  // Without the certificate the server is not trusted: the copy is retried.
  context_.ftp.reset();
  context_.ftpsCaFile.clear();
  queueRow(2, snapshot("6.tmp", "x"), "/www/t.html", "file", "FTP", "create", 1, "ftps://127.0.0.1", tlsServer.port(), "deploy", "secret");
  run();
  EXPECT_EQ(queue().size(), 1u);
  EXPECT_FALSE(fsys::exists(tlsServer.root() / "www" / "t.html"));
}

}  // namespace
}  // namespace corvela::deployservice
