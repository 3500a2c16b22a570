// A body written by a real client (curl's -F, captured by a local HTTP
// server in capture_post.py) parsed field for field.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/cli_runner.h"
#include "support/temp_env.h"
#include "upload/multipart_builder.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

namespace fs = std::filesystem;
using corvela::testing::readFileText;

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
  std::string bytes = readFileText(body);
  upload up(std::vector<uint8_t>(bytes.begin(), bytes.end()));

  testing::expectParsed(up, {"curl -F",
                            bytes,
                            {{"title", "中文标题"}, {"note", "a;b=\"c\""}, {"blank", ""}},
                            {{"pic", "logo.gif", "image/gif", picture},
                             {"none", "empty.bin", "application/octet-stream", ""},
                             {"text", "big.txt", "text/plain", big}}});
  EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(bytes.size()));
}

}  // namespace
}  // namespace corvela::upload
