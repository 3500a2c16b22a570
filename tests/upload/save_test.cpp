// Saving uploads: renaming on clashes, OverWrite, names that would leave
// the folder, the bound on renaming, and the extension and existence tests.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/progid_factory.h"
#include "core/core_fixture.h"
#include "support/cli_runner.h"
#include "support/temp_env.h"
#include "upload/file_save.h"
#include "upload/multipart_builder.h"
#include "upload/save_names.h"
#include "upload/upload.h"
#include "upload/upload_errors.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;
using testing::bytesOf;
namespace fs = std::filesystem;
using corvela::testing::raised;
using corvela::testing::Raised;
using corvela::testing::readFileText;

void writeAll(const fs::path& path, std::string_view text) { std::ofstream(path, std::ios::binary) << text; }

upload uploadOf(std::initializer_list<std::pair<const char*, const char*>> files) {
  MultipartBuilder body;
  int n = 0;
  for (const auto& [name, content] : files) body.file("f" + std::to_string(++n), name, "application/octet-stream", content);
  return upload(bytesOf(body.close()));
}

TEST(UploadNames, RenamingOrder) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.gif", "a1.gif"},   {"a1.gif", "a2.gif"},       {"a8.gif", "a9.gif"},        {"a9.gif", "a91.gif"},
      {"a91.gif", "a92.gif"}, {"a0.gif", "a01.gif"},     {"a.b.gif", "a.b1.gif"},     {"README", "README1"},
      {"README9", "README91"}, {".htaccess", "1.htaccess"}, {"photo.", "photo1."},
  };
  for (const auto& [name, next] : cases) EXPECT_EQ(nextCandidate(name), next) << name;
}

TEST(UploadNames, CheckFileType) {
  struct Case {
    const char* file;
    const char* tag;
    bool allowed;
  } cases[] = {
      {"photo.jpeg", "GIF;JPG", false}, {"photo.JPG", "gif;jpg", true}, {"a.gif", "GIF;JPG", true},
      {"README", "", true},             {"a.gif", "", false},           {"README", "GIF;;JPG", true},
      {"README", "GIF;", false},        {"README", ";GIF", true},       {"a.gif", ".gif;.jpg", true},
      {"archive.tar.gz", "GZ", true},   {"archive.tar.gz", "TAR", false}, {"图片.PNG", "png", true},
  };
  upload up(bytesOf(""));
  for (const Case& c : cases) EXPECT_EQ(up.CheckFileType(c.file, c.tag), c.allowed) << c.file << " / " << c.tag;
}

class UploadSave : public ::testing::Test {
 protected:
  corvela::testing::TempDir folder_;
  fs::path at(const char* name) const { return folder_.path() / name; }
};

TEST_F(UploadSave, ClashesAreRenamedAndOverWriteReplaces) {
  writeAll(at("a.gif"), "old");
  writeAll(at("a1.gif"), "old1");
  upload up = uploadOf({{"a.gif", "new"}, {"b.txt", "bee"}});
  EXPECT_EQ(up.Save(folder_.str() + "/"), "a2.gif,b.txt");
  EXPECT_EQ(readFileText(at("a2.gif")), "new");
  EXPECT_EQ(readFileText(at("a.gif")), "old");
  EXPECT_EQ(up.Files()->at(0)->FileName().toString(), "a2.gif");

  // Saved again, each file clashes with itself and is renamed once more.
  EXPECT_EQ(up.Save(folder_.str()), "a3.gif,b1.txt");

  upload over = uploadOf({{"a.gif", "replaced"}});
  EXPECT_EQ(over.Save(folder_.str(), true), "a.gif");
  EXPECT_EQ(readFileText(at("a.gif")), "replaced");
}

TEST_F(UploadSave, FolderWithBackslashesAndNoFiles) {
  upload up = uploadOf({{"x.txt", "x"}});
  std::string windowsStyle = folder_.str() + "\\";
  EXPECT_EQ(up.Save(windowsStyle), "x.txt");
  EXPECT_EQ(readFileText(at("x.txt")), "x");
  upload none(bytesOf(MultipartBuilder().field("a", "1").close()));
  EXPECT_EQ(none.Save(folder_.str()), "");
}

TEST_F(UploadSave, ANameThatTakesMoreThanTheAllowedRenamesIsRefused) {
  std::string name = "a.gif";
  for (int i = 0; i < kMaxRenameAttempts; ++i) {
    writeAll(folder_.path() / name, "");
    name = nextCandidate(name);
  }
  // One name is still free: the last one tried.
  upload up = uploadOf({{"a.gif", "new"}});
  EXPECT_EQ(up.Save(folder_.str()), name);
  upload again = uploadOf({{"a.gif", "newer"}});
  EXPECT_EQ(raised([&] { again.Save(folder_.str()); }),
            (Raised{kNoFreeNameError, "fileup.Upload", "找不到不重名的文件名：a.gif"}));
}

TEST_F(UploadSave, NamesThatWouldLeaveTheFolderAreRefusedBeforeAnythingIsWritten) {
  const std::string unsafe[] = {"..", ".", "../x", "sub/x", "..\\x", std::string("a\0b", 3), "a\nb", ""};
  for (const std::string& name : unsafe) {
    upload up = uploadOf({{"good.txt", "g"}, {"second.txt", "s"}});
    up.Files()->at(1)->setFileName(name);
    EXPECT_EQ(raised([&] { up.Save(folder_.str()); }),
              (Raised{kUnsafeFileNameError, "fileup.Upload", "文件名不安全，不能保存：" + name}));
    EXPECT_TRUE(fs::is_empty(folder_.path())) << name;
  }
}

TEST_F(UploadSave, AMissingFolderRaisesTheWritersError) {
  upload up = uploadOf({{"x.txt", "x"}});
  EXPECT_EQ(raised([&] { up.Save(folder_.str() + "/missing"); }).number, 76);
}

TEST_F(UploadSave, UploadsSavingTheSameNameAtOnceNeverShareIt) {
  constexpr int kThreads = 4, kSavesEach = 25;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([this, t] {
      for (int i = 0; i < kSavesEach; ++i) {
        std::string content = std::to_string(t) + "-" + std::to_string(i);
        upload up = uploadOf({{"same.gif", content.c_str()}});
        up.Save(folder_.str());
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  std::set<std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder_.path())) contents.insert(readFileText(entry.path()));
  EXPECT_EQ(contents.size(), static_cast<size_t>(kThreads * kSavesEach));
}

// A "File.Save" component that refuses every file.
class RefusingWriter : public DispatchObject<RefusingWriter> {
 public:
  static constexpr std::string_view kClassName = "RefusingWriter";
  static const DispatchTable<RefusingWriter>& dispatchTable() {
    static const DispatchTable<RefusingWriter> table = Members<RefusingWriter>()
        .method<&RefusingWriter::Save>("Save")
        .build();
    return table;
  }
  void Save(const Variant&, std::string_view) { throw ComError(70, "File.Save", "Permission denied"); }
};

TEST_F(UploadSave, AFailedWriteLeavesNoClaimedNameBehind) {
  registerClass(kFileSaveProgId, [] { return std::make_shared<RefusingWriter>(); });
  upload up = uploadOf({{"a.gif", "x"}});
  EXPECT_THROW(up.Save(folder_.str()), ComError);
  registerClass(kFileSaveProgId, [] { return std::make_shared<FileSave>(); });
  EXPECT_TRUE(fs::is_empty(folder_.path()));
}

TEST_F(UploadSave, FileFound) {
  writeAll(at("here.txt"), "");
  upload up(bytesOf(""));
  EXPECT_TRUE(up.FileFound((folder_.path() / "here.txt").string()));
  EXPECT_FALSE(up.FileFound((folder_.path() / "gone.txt").string()));
  EXPECT_FALSE(up.FileFound(""));
  EXPECT_FALSE(up.FileFound(std::string("a\0b", 3)));
}

}  // namespace
}  // namespace corvela::upload
