// A body written by a real client (curl's -F, captured by a local HTTP
// server in capture_post.py) parsed field for field.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_env.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string contentOf(const cFile& file) {
  const auto& bytes = file.FileContent().rawArray()->bytes;
  return std::string(bytes.begin(), bytes.end());
}

bool haveTools() { return std::system("command -v curl >/dev/null && command -v python3 >/dev/null") == 0; }

TEST(UploadRealClient, CurlFormIsParsedFieldForField) {
  if (!haveTools()) GTEST_SKIP() << "curl or python3 missing";
  corvela::testing::TempDir dir;
  // Binary data with line breaks, a NUL and text that looks like curl's
  // boundary without being one.
  static const char kPicture[] = "GIF89a\r\n--------------------------\r\n\0\xff\r\n";
  const std::string picture(kPicture, sizeof kPicture - 1);
  std::ofstream(dir.path() / "logo.gif", std::ios::binary) << picture;
  std::ofstream(dir.path() / "empty.bin", std::ios::binary);
  std::string big(200000, 'x');
  for (size_t i = 0; i < big.size(); i += 97) big[i] = '\n';
  std::ofstream(dir.path() / "big.txt", std::ios::binary) << big;

  fs::path body = dir.path() / "body.bin";
  std::string command = "cd '" + dir.str() + "' && python3 '" CAPTURE_POST "' '" + body.string() +
                        "' -F 'title=中文标题' --form-string 'note=a;b=\"c\"' -F 'blank=' "
                        "-F 'pic=@logo.gif;type=image/gif;filename=c:\\img\\logo.gif' "
                        "-F 'none=@empty.bin' -F 'text=@big.txt;type=text/plain' -F 'title=second'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  std::string bytes = readAll(body);
  upload up(std::vector<uint8_t>(bytes.begin(), bytes.end()));

  auto form = up.Form();
  ASSERT_EQ(form->Count(), 3);
  const std::pair<const char*, const char*> fields[] = {{"title", "中文标题"}, {"note", "a;b=\"c\""}, {"blank", ""}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(form->Item(Variant(i + 1))->controlName().toString(), fields[i].first);
    EXPECT_EQ(form->Item(Variant(i + 1))->value().toString(), fields[i].second);
  }
  auto files = up.Files();
  ASSERT_EQ(files->Count(), 3);
  struct Expected {
    const char* name;
    const char* fileName;
    const char* type;
    std::string content;
  } expected[] = {{"pic", "logo.gif", "image/gif", picture},
                  {"none", "empty.bin", "application/octet-stream", ""},
                  {"text", "big.txt", "text/plain", big}};
  for (size_t i = 0; i < 3; ++i) {
    auto file = files->at(i);
    EXPECT_EQ(file->controlName().toString(), expected[i].name);
    EXPECT_EQ(file->FileName().toString(), expected[i].fileName);
    EXPECT_EQ(file->ContentType().toString(), expected[i].type);
    EXPECT_EQ(file->FileSize().toLong(), static_cast<int32_t>(expected[i].content.size()));
    EXPECT_EQ(contentOf(*file), expected[i].content) << expected[i].name;
  }
  EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(bytes.size()));
}

}  // namespace
}  // namespace corvela::upload
