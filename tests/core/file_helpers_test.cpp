// Folder creation, text reading and the forced copy/delete helpers.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/file_helpers.h"
#include "core/utf8_encoder.h"
#include "core_fixture.h"
#include "platform/text/utf8_units.h"

namespace corvela::core {
namespace {

using testing::CoreTest;
using testing::ScopedEnv;
namespace stdfs = std::filesystem;

class FileHelpersTest : public CoreTest {
 protected:
  std::string at(const std::string& relative) { return (root_.path() / relative).string(); }
  void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  int errorOf(const std::function<void()>& call) { return testing::raised(call).number; }
};

TEST_F(FileHelpersTest, MakeFolderSureCreatesEveryLevelSkippingEmptySegments) {
  MakeFolderSure(at("a") + "//b\\c/");
  EXPECT_TRUE(stdfs::is_directory(at("a/b/c")));
  MakeFolderSure(at("a/b"));  // existing levels are fine
  EXPECT_EQ(errorOf([] { MakeFolderSure(""); }), 76);
  writeBytes(at("file"), "x");
  EXPECT_NE(errorOf([&] { MakeFolderSure(at("file/sub")); }), 0);
}

TEST_F(FileHelpersTest, MakeParentFolderSureMakesTheFoldersOfAFileAndEnsureFileTheFile) {
  MakeParentFolderSure(at("p/q/page.html"));
  EXPECT_TRUE(stdfs::is_directory(at("p/q")));
  EXPECT_FALSE(stdfs::exists(at("p/q/page.html")));
  MakeParentFolderSure("page.html");  // a single segment: nothing to do
  EnsureFile(at("e.txt"));
  EXPECT_TRUE(stdfs::is_regular_file(at("e.txt")));
  EXPECT_EQ(stdfs::file_size(at("e.txt")), 0u);
  writeBytes(at("e.txt"), "keep");
  EnsureFile(at("e.txt"));
  EXPECT_EQ(stdfs::file_size(at("e.txt")), 4u) << "EnsureFile creates only what is missing";
}

TEST_F(FileHelpersTest, ReadTextFileEndsEveryLineWithCrLfAndDecodesTheSystemCodePage) {
  struct Case { std::string bytes, text; } cases[] = {
      {"", ""}, {"one", "one\r\n"}, {"one\n", "one\r\n"}, {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
      {"a\n\nb", "a\r\n\r\nb\r\n"},
  };
  for (const auto& c : cases) {
    writeBytes(at("t.txt"), c.bytes);
    EXPECT_EQ(ReadTextFile(at("t.txt")), c.text) << c.bytes;
  }
  EXPECT_EQ(ReadTextFile(at("missing.txt")), "");
  writeBytes(at("gb.txt"), "\xB0\xA1");
  ScopedEnv codePage("CORVELA_CODEPAGE", "GB2312");
  EXPECT_EQ(ReadTextFile(at("gb.txt")), "啊\r\n");
}

TEST_F(FileHelpersTest, TextContentOnlyForTextExtensions) {
  writeBytes(siteDir() + "/a.html", "<p>");
  writeBytes(siteDir() + "/b.gif", "GIF89a");
  writeBytes(siteDir() + "/c.tm", "fragment");
  writeBytes(siteDir() + "/d.Htm", "upper");
  EXPECT_EQ(TextContentOf("/a.html"), "<p>\r\n");
  EXPECT_EQ(TextContentOf("/b.gif"), "");
  EXPECT_EQ(TextContentOf("/c.tm"), "fragment\r\n") << "fragments of list entries count as text";
  EXPECT_EQ(TextContentOf("d.Htm"), "upper\r\n");
  EXPECT_EQ(TextContentOf("/missing.html"), "");
}

TEST_F(FileHelpersTest, CopyOverAndForcedDeletes) {
  writeBytes(at("src.txt"), "new");
  writeBytes(at("dst.txt"), "old");
  CopyFileOver(at("src.txt"), at("dst.txt"));
  EXPECT_EQ(ReadTextFile(at("dst.txt")), "new\r\n");

  chmod(at("dst.txt").c_str(), 0444);
  DeleteFileForced(at("dst.txt"));
  EXPECT_FALSE(stdfs::exists(at("dst.txt")));

  MakeFolderSure(at("tree/sub"));
  writeBytes(at("tree/sub/ro.txt"), "x");
  chmod(at("tree/sub/ro.txt").c_str(), 0444);
  DeleteFolderForced(at("tree") + "/");
  EXPECT_FALSE(stdfs::exists(at("tree")));
}

TEST_F(FileHelpersTest, Utf8BytesThroughTheEncoderComponentWithReplacementCharacters) {
  Variant bytes = Utf8Bytes("A页");
  ASSERT_EQ(bytes.varTypeNumber(), 8209);
  const std::vector<uint8_t>& data = bytes.rawArray()->bytes;
  EXPECT_EQ(data, (std::vector<uint8_t>{0x41, 0xE9, 0xA1, 0xB5}));
  // ChrW(&HD83D) and the odd byte of ChrB: neither has a UTF-8 form.
  std::string lone = "A";
  text::appendCodeUnitOrPoint(lone, 0xD83D);
  lone += "B";
  text::appendHalfUnit(lone, 0x41);
  const std::vector<uint8_t> expected{0x41, 0xEF, 0xBF, 0xBD, 0x42, 0xEF, 0xBF, 0xBD};
  EXPECT_EQ(Utf8Bytes(lone).rawArray()->bytes, expected);
  EXPECT_EQ(Utf8Bytes("\xF0\x9F\x98\x80").rawArray()->bytes, (std::vector<uint8_t>{0xF0, 0x9F, 0x98, 0x80}));
}

}  // namespace
}  // namespace corvela::core
