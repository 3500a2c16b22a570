// ASPFTP through its late-bound members, as the service and scripts call it,
// against a real FTP server.
#include "deployservice/aspftp.h"

#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "support/ftp_server.h"

namespace corvela::deployservice {
namespace {

namespace fsys = std::filesystem;
using testing::FtpServer;

class AspFtpTest : public testing::DeployServiceTest {
 protected:
  AspFtpTest() : server_(dataDir() / "ftproot"), ftp_(std::make_shared<ASPFTP>()) {}

  Variant call(const char* member, std::vector<Variant> args = {}) { return ftp_->call(member, args); }
  void credentials(const char* password = "secret") {
    ftp_->let("sServerName", Variant("127.0.0.1"));
    ftp_->let("lPort", Variant(int32_t{server_.port()}));
    ftp_->let("sUserID", Variant("deploy"));
    ftp_->let("sPassword", Variant(password));
  }
  void login() {
    credentials();
    ASSERT_TRUE(call("bConnect").toBool()) << ftp_->get("sError").toString();
  }
  int32_t errorNum() { return ftp_->get("lErrorNum").toLong(); }
  std::string errorDesc() { return ftp_->get("sErrorDesc").toString(); }

  FtpServer server_;
  std::shared_ptr<Object> ftp_;
};

TEST_F(AspFtpTest, ListingsFilterFilesAndFolders) {
  write(server_.root() / "site" / "a.html", "a");
  write(server_.root() / "site" / "b.html", "b");
  fsys::create_directories(server_.root() / "site" / "img");
  fsys::create_directories(server_.root() / "empty");
  login();
  // Entries come in the server's order.
  std::string files = call("sListDir", {Variant("/site"), Variant(int32_t{167})}).toString();
  EXPECT_TRUE(files == "a.html;b.html" || files == "b.html;a.html") << files;
  EXPECT_EQ(call("sListDir", {Variant("/site"), Variant(int32_t{16})}).toString(), "img");
  EXPECT_EQ(call("sListDir", {Variant("\\site\\img"), Variant(int32_t{167})}).toString(), "");
  EXPECT_EQ(errorNum(), 0);
  EXPECT_EQ(errorDesc(), "Empty Directory");
  EXPECT_EQ(call("sListDir", {Variant("/empty")}).toString(), "");
  EXPECT_EQ(errorDesc(), "Empty Directory");

  EXPECT_TRUE(call("bGetDir", {Variant("/site"), Variant(int32_t{16})}).toBool());
  EXPECT_EQ(ftp_->get("lGetDirCount").toLong(), 1);
  EXPECT_EQ(call("sGetDirName", {Variant(int32_t{1})}).toString(), "img");
  EXPECT_EQ(call("sGetDirName", {Variant(int32_t{2})}).toString(), "");
  EXPECT_EQ(errorNum(), -1);
  EXPECT_EQ(errorDesc(), "Index out of range.");
  write(server_.root() / "files" / "only.html", "o");
  EXPECT_TRUE(call("bGetDir", {Variant("/files"), Variant(int32_t{16})}).toBool());
  EXPECT_EQ(errorDesc(), "No Matching Entries");
  EXPECT_EQ(ftp_->get("sGetCurrentDir").toString(), "/files") << "a listing moves the current folder";
}

TEST_F(AspFtpTest, OperationsWithoutAConnection) {
  EXPECT_FALSE(call("bMakeDir", {Variant("/x")}).toBool());
  EXPECT_EQ(errorNum(), -1);
  EXPECT_EQ(errorDesc(), "No available connection.");
  EXPECT_EQ(ftp_->get("sGetCurrentDir").toString(), "-1: No available connection.");
  EXPECT_FALSE(call("bConnect").toBool());
  EXPECT_EQ(errorDesc(), "Server name required.");
  EXPECT_EQ(ftp_->get("sError").toString(), "-1: Server name required.");

  write(dataDir() / "up.txt", "uploaded");
  credentials();
  EXPECT_TRUE(call("bPutFile", {Variant((dataDir() / "up.txt").string()), Variant("up.txt")}).toBool())
      << "bPutFile connects by itself";
  EXPECT_EQ(read(server_.root() / "up.txt"), "uploaded");
}

TEST_F(AspFtpTest, AServerRefusalLeavesItsCodeAndText) {
  login();
  EXPECT_FALSE(call("bDeleteFile", {Variant("/missing.html")}).toBool());
  EXPECT_EQ(errorNum(), 550);
  EXPECT_EQ(errorDesc(), "No such file or directory.");
  EXPECT_TRUE(call("bMakeDir", {Variant("/d")}).toBool());
  EXPECT_EQ(errorNum(), 0) << "a success clears the last error";
  EXPECT_TRUE(call("bSetCurrentDir", {Variant("\\d")}).toBool());
  EXPECT_TRUE(call("bRename", {Variant("/d"), Variant("/e")}).toBool());
  EXPECT_TRUE(fsys::is_directory(server_.root() / "e"));
  EXPECT_TRUE(call("bRemoveDir", {Variant("/e")}).toBool());
}

TEST_F(AspFtpTest, TransfersQuickOperationsAndStreams) {
  write(dataDir() / "page.html", "line1\r\nline2");
  std::string srv = "127.0.0.1";
  ftp_->let("lPort", Variant(int32_t{server_.port()}));
  auto quick = [&](const char* member, std::vector<Variant> rest) {
    std::vector<Variant> args = {Variant(srv), Variant("deploy"), Variant("secret")};
    args.insert(args.end(), rest.begin(), rest.end());
    return call(member, args).toBool();
  };
  EXPECT_TRUE(quick("bQMakeDir", {Variant("/q")}));
  EXPECT_TRUE(quick("bQPutFile", {Variant((dataDir() / "page.html").string()), Variant("/q/p.html"), Variant(int32_t{2})}));
  EXPECT_EQ(read(server_.root() / "q" / "p.html"), "line1\r\nline2");
  std::string local = (dataDir() / "back.html").string();
  EXPECT_TRUE(quick("bQGetFile", {Variant("/q/p.html"), Variant(local), Variant(int32_t{2}), Variant(false)}));
  EXPECT_EQ(read(local), "line1\r\nline2");
  EXPECT_FALSE(quick("bQGetFile", {Variant("/q/p.html"), Variant(local), Variant(int32_t{2}), Variant(false)}));
  EXPECT_EQ(errorNum(), 80) << "an existing local file is kept when overwriting is off";
  EXPECT_TRUE(quick("bQRename", {Variant("/q/p.html"), Variant("/q/r.html")}));
  EXPECT_TRUE(quick("bQDeleteFile", {Variant("/q/r.html")}));
  EXPECT_TRUE(quick("bQRemoveDir", {Variant("/q")}));
  EXPECT_FALSE(fsys::exists(server_.root() / "q"));

  login();
  ftp_->let("lTransferType", Variant(int32_t{2}));
  EXPECT_FALSE(call("bWriteFile", {Variant("x")}).toBool());
  EXPECT_EQ(errorDesc(), "No File Opened.");
  EXPECT_TRUE(call("bOpenFile", {Variant("/s.txt")}).toBool());
  EXPECT_TRUE(call("bWriteFile", {Variant("streamed text")}).toBool());
  EXPECT_TRUE(call("bCloseFile").toBool());
  EXPECT_EQ(read(server_.root() / "s.txt"), "streamed text");
  ftp_->let("lFileAccess", Variant(int32_t{2}));
  EXPECT_TRUE(call("bOpenFile", {Variant("/s.txt")}).toBool());
  EXPECT_EQ(call("sReadFile").toString(), "streamed text");
  EXPECT_TRUE(call("bCloseFile").toBool());

  EXPECT_EQ(call("sConvertCrLf", {Variant("one\r\ntwo\rthree\n")}).toString(), "one<br>two\rthree\n");
}

TEST_F(AspFtpTest, ARefusedLoginReportsTheServersReply) {
  credentials("wrong");
  EXPECT_FALSE(call("bConnect").toBool());
  EXPECT_EQ(errorNum(), 530);
  EXPECT_EQ(errorDesc(), "Authentication failed.");
}

}  // namespace
}  // namespace corvela::deployservice
