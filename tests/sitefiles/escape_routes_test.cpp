// No member reaches outside the site directory: climbing "..", in plain,
// "\" and %-encoded forms, NUL characters, decoded text, and symbolic links
// inside the site that lead out are all refused with 513 InvalidURL.
#include <filesystem>

#include <gtest/gtest.h>

#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles_fixture.h"

namespace corvela::sitefiles {
namespace {

using namespace std::string_literals;
using testing::expectError;
using testing::kInvalidUrlSource;

class EscapeRoutesTest : public testing::SiteFilesTest {
 protected:
  EscapeRoutesTest() {
    outside = (dataDir() / "outside").string();
    std::filesystem::create_directories(outside);
    std::ofstream(outside + "/secret.htm") << "secret";
  }
  void expectRefused(const std::function<void()>& action, const std::string& what) {
    SCOPED_TRACE(what);
    expectError(action, 513, kInvalidUrlSource, "InvalidURL");
  }
  // Every member that takes a URI, given this one.
  void expectEveryMemberRefuses(const std::string& uri) {
    SiteFolder site;
    expectRefused([&] { site.GetFile(uri); }, "GetFile " + uri);
    expectRefused([&] { site.FileExists(uri); }, "FileExists " + uri);
    expectRefused([&] { site.FolderExists(uri); }, "FolderExists " + uri);
    expectRefused([&] { site.CreateFile(uri, "x.htm"); }, "CreateFile " + uri);
    expectRefused([&] { site.CreateFolder(uri, "x"); }, "CreateFolder " + uri);
    expectRefused([&] { site.MakeFolderSure(uri); }, "MakeFolderSure " + uri);
    expectRefused([&] { site.URIMap(uri); }, "URIMap " + uri);
    expectRefused([&] { site.CopyFile("/in.htm", uri); }, "CopyFile " + uri);
    File file(uri, "", "t");
    expectRefused([&] { file.setContent("x"); }, "Content let " + uri);
    expectRefused([&] { file.Content(); }, "Content get " + uri);
    expectRefused([&] { file.GetBinaryContent(); }, "GetBinaryContent " + uri);
    expectRefused([&] { file.Delete(); }, "Delete " + uri);
    expectRefused([&] { File("/in.htm", "", "t").Copy(uri); }, "Copy " + uri);
    Folder folder(uri);
    expectRefused([&] { folder.Files(); }, "Files " + uri);
    expectRefused([&] { folder.Delete(); }, "Folder.Delete " + uri);
    expectRefused([&] { Folder("/inside/").Copy(uri); }, "Folder.Copy " + uri);
  }
  std::string outside;
};

TEST_F(EscapeRoutesTest, ClimbingAboveTheRootInEveryForm) {
  put("/in.htm", "in");
  std::filesystem::create_directories(at("/inside"));
  for (std::string uri : {"/../outside/secret.htm"s, "..\\outside\\secret.htm"s, "/%2e%2e/outside/secret.htm"s,
                          "/news/..%2f..%2foutside/secret.htm"s, "/in.htm\0/../../outside/secret.htm"s})
    expectEveryMemberRefuses(uri);
  EXPECT_EQ(bytesAt(outside + "/secret.htm"), "secret");
}

TEST_F(EscapeRoutesTest, SymbolicLinkInsideTheSiteLeadingOut) {
  put("/in.htm", "in");
  std::filesystem::create_directories(at("/inside"));
  std::filesystem::create_directory_symlink(outside, at("/linked"));
  std::filesystem::create_symlink(outside + "/secret.htm", at("/secret.htm"));
  expectEveryMemberRefuses("/linked/secret.htm");
  expectEveryMemberRefuses("/secret.htm");
  expectRefused([&] { Folder("/linked/").ListFile(); }, "ListFile through a link");
  EXPECT_EQ(bytesAt(outside + "/secret.htm"), "secret");
  EXPECT_EQ(got("/in.htm"), "in");
}

// Links are followed where they stand: a chain that ends outside, ".." taken
// from where a link led, and a dangling link at the end or halfway along are
// all refused.
TEST_F(EscapeRoutesTest, LinksAreJudgedWhereTheyLead) {
  std::filesystem::create_directories(outside + "/sub");
  std::ofstream(outside + "/sub/a.htm") << "a";
  std::filesystem::create_directory_symlink(outside, at("/out"));
  std::filesystem::create_directory_symlink(at("/out"), at("/chain"));
  std::filesystem::create_directory_symlink(outside + "/sub", at("/deep"));
  std::filesystem::create_directory_symlink(outside + "/missing", at("/gone"));
  SiteFolder site;
  expectRefused([&] { site.FileExists("/chain/secret.htm"); }, "a link to a link that leads out");
  expectRefused([&] { site.FileExists("/deep/../secret.htm"); }, "'..' from where a link led");
  expectRefused([&] { site.MakeFolderSure("/gone/new/"); }, "a dangling link halfway along");
  EXPECT_FALSE(std::filesystem::exists(outside + "/missing"));
  std::filesystem::create_symlink(outside + "/new.htm", at("/new.htm"));
  expectRefused([&] { File("/new.htm", "", "").setContent("x"); }, "Content through a dangling link");
  EXPECT_FALSE(std::filesystem::exists(outside + "/new.htm"));
}

TEST_F(EscapeRoutesTest, LinksThatStayInsideTheSiteAreFollowed) {
  put("/real/a.htm", "real");
  std::filesystem::create_directory_symlink(at("/real"), at("/alias"));
  EXPECT_EQ(SiteFolder().GetFile("/alias/a.htm")->GetBinaryContent().rawArray()->bytes.size(), 4u);
  std::filesystem::create_directory_symlink(at("/alias"), at("/alias2"));
  EXPECT_TRUE(SiteFolder().FileExists("/alias2/../real/a.htm"));
}

TEST_F(EscapeRoutesTest, DecodedTextIsCheckedBeforeUse) {
  SiteFolder site;
  for (const char* encoded : {"%2e%2e/outside/secret.htm", "%252e%252e%252foutside/secret.htm"}) {
    std::string decoded = site.UrlDecode(encoded);
    expectRefused([&] { site.GetFile(decoded); }, decoded);
  }
}

TEST_F(EscapeRoutesTest, AbsolutePathsAreSiteUrisNotFileSystemPaths) {
  SiteFolder site;
  std::string uri = outside + "/secret.htm";
  EXPECT_EQ(site.URIMap(uri), siteDir() + uri);
  EXPECT_FALSE(site.FileExists(uri));
  EXPECT_THROW(site.GetUri(outside + "/secret.htm"), ComError);
  EXPECT_THROW(site.GetUri(siteDir() + "2/a.htm"), ComError);
  EXPECT_EQ(site.GetUri(siteDir() + "/news/a.htm"), "/news/a.htm");
}

}  // namespace
}  // namespace corvela::sitefiles
