// The FTP client against a real server (pyftpdlib) on a loopback port.
#include "platform/ftp/ftp_client.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/ftp/ftp_error.h"
#include "support/ftp_server.h"
#include "support/temp_env.h"

namespace corvela::ftp {
namespace {

namespace fsys = std::filesystem;
using corvela::testing::FtpServer;
using corvela::testing::FtpServerOptions;
using corvela::testing::TempDir;

std::string readAll(const fsys::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeAll(const fsys::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

class FtpClientTest : public ::testing::Test {
 protected:
  LoginOptions login(const FtpServer& server) {
    LoginOptions options;
    options.host = "127.0.0.1";
    options.port = server.port();
    options.user = "deploy";
    options.password = "secret";
    options.timeout = std::chrono::milliseconds(5000);
    return options;
  }
  std::vector<std::string> names(const std::vector<ListingEntry>& entries, bool directories) {
    std::vector<std::string> out;
    for (const auto& e : entries)
      if (e.isDirectory == directories) out.push_back(e.name);
    std::sort(out.begin(), out.end());
    return out;
  }

  TempDir temp_;
  fsys::path remoteRoot_ = temp_.path() / "remote";
  fsys::path local_ = temp_.path() / "local";

  void SetUp() override { fsys::create_directories(local_); }
};

TEST_F(FtpClientTest, RefusedLoginCarriesTheServersReply) {
  FtpServer server(remoteRoot_);
  FtpClient client;
  LoginOptions options = login(server);
  options.password = "wrong";
  try {
    client.connect(options);
    FAIL() << "login with a wrong password succeeded";
  } catch (const FtpFailure& failure) {
    EXPECT_EQ(failure.number(), 530);
    EXPECT_EQ(failure.text(), "Authentication failed.");
  }
  EXPECT_FALSE(client.connected());
  EXPECT_EQ(client.lastReply().code, 530);
}

TEST_F(FtpClientTest, NoServerOnThePortIsACannotConnectFailure) {
  uint16_t port;
  {
    FtpServer server(remoteRoot_);
    port = server.port();
  }
  FtpClient client;
  LoginOptions options;
  options.host = "127.0.0.1";
  options.port = port;
  try {
    client.connect(options);
    FAIL() << "connected to a closed port";
  } catch (const FtpFailure& failure) {
    EXPECT_EQ(failure.number(), kCannotConnect);
  }
}

TEST_F(FtpClientTest, FolderOperationsAndRefusals) {
  FtpServer server(remoteRoot_);
  FtpClient client;
  client.connect(login(server));
  client.makeDir("\\www");
  client.makeDir("/www/a");
  EXPECT_TRUE(fsys::is_directory(remoteRoot_ / "www" / "a"));
  client.changeDir("\\www\\a");
  EXPECT_EQ(client.currentDir(), "/www/a");
  client.changeDir("/");
  client.removeDir("/www/a");
  EXPECT_FALSE(fsys::exists(remoteRoot_ / "www" / "a"));

  try {
    client.deleteFile("/www/missing.html");
    FAIL() << "deleting a missing file succeeded";
  } catch (const FtpFailure& failure) {
    EXPECT_EQ(failure.number(), 550);
    EXPECT_EQ(failure.text(), "No such file or directory.");
  }
  EXPECT_TRUE(client.connected()) << "a refusal keeps the connection";
}

TEST_F(FtpClientTest, BinaryUploadAndDownloadKeepEveryByteAndLeaveNoTemporaryFile) {
  const std::string bytes = std::string("line\r\nnext\n\0end", 15) + std::string(300000, 'x');
  writeAll(local_ / "a.bin", bytes);
  for (bool withRename : {true, false}) {
    FtpServerOptions options;
    options.noRename = !withRename;
    fsys::remove_all(remoteRoot_);
    FtpServer server(remoteRoot_, options);
    FtpClient client;
    client.connect(login(server));
    client.setBinary(true);
    client.makeDir("/www");
    writeAll(remoteRoot_ / "www" / "a.bin", "old content");
    client.putFileSafely((local_ / "a.bin").string(), "\\www\\a.bin");
    EXPECT_EQ(readAll(remoteRoot_ / "www" / "a.bin"), bytes) << "rename allowed: " << withRename;
    std::vector<std::string> left;
    for (const auto& e : fsys::directory_iterator(remoteRoot_ / "www")) left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"a.bin"}) << "rename allowed: " << withRename;

    client.getFile("/www/a.bin", (local_ / "back.bin").string());
    EXPECT_EQ(readAll(local_ / "back.bin"), bytes);
  }
}

TEST_F(FtpClientTest, AsciiDownloadTurnsServerLineEndsIntoLocalOnes) {
  FtpServer server(remoteRoot_);
  writeAll(remoteRoot_ / "t.txt", "one\ntwo\n");
  FtpClient client;
  client.connect(login(server));
  client.setBinary(false);
  client.getFile("t.txt", (local_ / "t.txt").string());
  EXPECT_EQ(readAll(local_ / "t.txt"), "one\ntwo\n");
}

TEST_F(FtpClientTest, ListingsByMlsdAndByListFallback) {
  for (bool noMlsd : {false, true}) {
    FtpServerOptions options;
    options.noMlsd = noMlsd;
    fsys::remove_all(remoteRoot_);
    fsys::create_directories(remoteRoot_ / "site" / "img");
    fsys::create_directories(remoteRoot_ / "site" / "new folder");
    writeAll(remoteRoot_ / "site" / "a.html", "a");
    writeAll(remoteRoot_ / "site" / "it's b.html", "b");
    FtpServer server(remoteRoot_, options);
    FtpClient client;
    client.connect(login(server));
    auto entries = client.list("/site");
    EXPECT_EQ(names(entries, false), (std::vector<std::string>{"a.html", "it's b.html"})) << "no MLSD: " << noMlsd;
    EXPECT_EQ(names(entries, true), (std::vector<std::string>{"img", "new folder"})) << "no MLSD: " << noMlsd;
    client.changeDir("/site/img");
    EXPECT_TRUE(client.list().empty());
  }
}

TEST_F(FtpClientTest, StreamsWriteAndReadOneRemoteFile) {
  FtpServer server(remoteRoot_);
  FtpClient client;
  client.connect(login(server));
  client.setBinary(true);
  client.openStream("s.txt", true);
  client.writeStream("first ");
  client.writeStream("second");
  client.closeStream();
  EXPECT_EQ(readAll(remoteRoot_ / "s.txt"), "first second");
  client.openStream("s.txt", false);
  std::string back;
  char buffer[4];
  while (size_t n = client.readStream(buffer, sizeof buffer)) back.append(buffer, n);
  client.closeStream();
  EXPECT_EQ(back, "first second");
}

TEST_F(FtpClientTest, ServerGoneMidSessionFailsTheStepAndDropsTheConnection) {
  FtpServer server(remoteRoot_);
  FtpClient client;
  client.connect(login(server));
  server.stop();
  try {
    client.makeDir("/x");
    FAIL() << "a command to a dead server succeeded";
  } catch (const FtpFailure& failure) {
    EXPECT_EQ(failure.number(), kConnectionAborted);
  }
  EXPECT_FALSE(client.connected());
  server.restart();
  client.connect(login(server));
  client.makeDir("/x");
  EXPECT_TRUE(fsys::is_directory(remoteRoot_ / "x"));
}

TEST_F(FtpClientTest, TlsLoginProtectsControlAndDataConnections) {
  FtpServerOptions options;
  options.tls = true;
  FtpServer server(remoteRoot_, options);
  writeAll(local_ / "a.html", "secure page");

  LoginOptions secure = login(server);
  secure.tls = true;
  secure.caFile = server.certificate();
  FtpClient client;
  client.connect(secure);
  client.setBinary(true);
  client.makeDir("/www");
  client.putFileSafely((local_ / "a.html").string(), "/www/a.html");
  EXPECT_EQ(readAll(remoteRoot_ / "www" / "a.html"), "secure page");
  EXPECT_EQ(names(client.list("/www"), false), std::vector<std::string>{"a.html"});
  client.getFile("/www/a.html", (local_ / "b.html").string());
  EXPECT_EQ(readAll(local_ / "b.html"), "secure page");
  client.disconnect();

  LoginOptions untrusted = secure;
  untrusted.caFile.clear();
  try {
    client.connect(untrusted);
    FAIL() << "an unknown certificate was accepted";
  } catch (const FtpFailure& failure) {
    EXPECT_EQ(failure.number(), kSecureFailure);
  }

  LoginOptions plain = login(server);
  try {
    client.connect(plain);
    FAIL() << "a server that requires TLS accepted a clear login";
  } catch (const FtpFailure& failure) {
    EXPECT_GE(failure.number(), 500);
  }
}

}  // namespace
}  // namespace corvela::ftp
