// The parse of request bodies into Form and Files: browser-made bodies,
// empty and duplicate inputs, client paths, broken and cut-off bodies,
// boundary text inside file data, the bodies kept from fuzzing, and a body
// written by curl.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/temp_env.h"
#include "upload/multipart_builder.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;
using testing::ParseCase;
using testing::bytesOf;
using testing::contentOf;
using corvela::testing::readFileText;
namespace fs = std::filesystem;

const std::string kGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\r\n\xff\x00;", 19);

std::vector<ParseCase> parseCases() {
  const std::string boundaryLine = MultipartBuilder().boundaryLine();
  return {
      {"text field and a file sent with its client path",
       MultipartBuilder().field("title", "Hello").file("pic", "c:\\img\\logo.gif", "image/gif", kGif).close(),
       {{"title", "Hello"}},
       {{"pic", "logo.gif", "image/gif", kGif}}},
      {"a file input left empty adds no file",
       MultipartBuilder().file("pic", "", "application/octet-stream", "").field("a", "1").close(),
       {{"a", "1"}},
       {}},
      {"the first of two fields with one name wins, names compared without case",
       MultipartBuilder().field("a", "first").field("A", "second").field("b", "").close(),
       {{"a", "first"}, {"b", ""}},
       {}},
      {"the first of two files with one name wins",
       MultipartBuilder().file("f", "one.txt", "text/plain", "1").file("f", "two.txt", "text/plain", "2").close(),
       {},
       {{"f", "one.txt", "text/plain", "1"}}},
      {"client paths with either separator are cut to the bare name",
       MultipartBuilder()
           .file("a", "photos/2024/a.gif", "image/gif", "A")
           .file("b", "../x", "text/plain", "B")
           .file("c", "/etc/x", "text/plain", "C")
           .file("d", "..\\..\\etc\\passwd", "text/plain", "D")
           .file("e", "dir/", "text/plain", "E")
           .close(),
       {},
       {{"a", "a.gif", "image/gif", "A"},
        {"b", "x", "text/plain", "B"},
        {"c", "x", "text/plain", "C"},
        {"d", "passwd", "text/plain", "D"}}},
      {"boundary text inside file data that no line break precedes is data",
       MultipartBuilder().file("f", "b.bin", "application/octet-stream", "x" + boundaryLine + "\r\ny").close(),
       {},
       {{"f", "b.bin", "application/octet-stream", "x" + boundaryLine + "\r\ny"}}},
      {"a line break and boundary text followed by more text is data",
       MultipartBuilder().file("f", "b.bin", "application/octet-stream", "x\r\n" + boundaryLine + "Z\r\ny").close(),
       {},
       {{"f", "b.bin", "application/octet-stream", "x\r\n" + boundaryLine + "Z\r\ny"}}},
      {"a bare line feed before boundary text is data",
       MultipartBuilder().file("f", "b.bin", "text/plain", "x\n" + boundaryLine + "\r\ny").field("t", "v").close(),
       {{"t", "v"}},
       {{"f", "b.bin", "text/plain", "x\n" + boundaryLine + "\r\ny"}}},
      {"header lines in another order and case",
       MultipartBuilder()
           .raw(boundaryLine + "\r\ncontent-type: text/plain\r\nCONTENT-DISPOSITION: form-data; filename=\"n.txt\"; "
                               "NAME=\"doc\"\r\n\r\nbody\r\n")
           .close(),
       {},
       {{"doc", "n.txt", "text/plain", "body"}}},
      {"a quote inside a name stays part of it",
       MultipartBuilder().file("f", "a\"b.gif", "image/gif", "q").close(),
       {},
       {{"f", "a\"b.gif", "image/gif", "q"}}},
      {"a part without name or without the empty line is left out",
       MultipartBuilder()
           .raw(boundaryLine + "\r\nContent-Disposition: form-data\r\n\r\nx\r\n")
           .raw(boundaryLine + "\r\nContent-Disposition: form-data; name=\"h\"\r\nno empty line\r\n")
           .field("ok", "1")
           .close(),
       {{"ok", "1"}},
       {}},
      {"a body cut inside the last part keeps the parts before it",
       MultipartBuilder().field("a", "1").file("f", "cut.bin", "text/plain", "partial data").open().substr(0, 200),
       {{"a", "1"}},
       {}},
      {"a body cut inside a boundary line", MultipartBuilder().field("a", "1").close().substr(0, 80), {}, {}},
      {"a body without the closing boundary mark keeps every complete part",
       MultipartBuilder().field("a", "1").field("b", "2").open() + boundaryLine,
       {{"a", "1"}, {"b", "2"}},
       {}},
      {"an empty body", "", {}, {}},
      {"a body without a line break", "--just one line", {}, {}},
      {"a body that starts with a line break", "\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nx\r\n\r\n", {}, {}},
      {"a url-encoded body", "a=1&b=2\r\n", {}, {}},
  };
}

TEST(UploadParse, BodiesGiveTheirFieldsAndFilesInRequestOrder) {
  for (const ParseCase& c : parseCases()) {
    upload up(bytesOf(c.body));
    testing::expectParsed(up, c);
    EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(c.body.size())) << c.what;
  }
}

TEST(UploadParse, BodyWithoutLineBreakKeepsTheParseError) {
  upload none(bytesOf("no line break"));
  EXPECT_EQ(none.parseError(), "分解字符串未找到，无法分解数据。");
  upload empty(bytesOf(""));
  EXPECT_EQ(empty.parseError(), "分解字符串未找到，无法分解数据。");
  EXPECT_EQ(empty.TotalBytes(), 0);
  upload good(bytesOf(MultipartBuilder().field("a", "1").close()));
  EXPECT_EQ(good.parseError(), "");
}

TEST(UploadParse, ChineseTextIsDecodedWithTheSystemCodePage) {
  corvela::testing::ScopedEnv codepage("CORVELA_CODEPAGE", "GB2312");
  // "标题" and "中文图片.gif" in GB2312.
  const std::string title = "\xB1\xEA\xCC\xE2";
  const std::string fileName = "C:\\\xCD\xBC\xC6\xAC\\\xD6\xD0\xCE\xC4.gif";
  upload up(bytesOf(MultipartBuilder().field("title", title).file("pic", fileName, "image/gif", kGif).close()));
  EXPECT_EQ(up.Form()->Item(Variant("title"))->value().toString(), "标题");
  EXPECT_EQ(up.Files()->Item(Variant("pic"))->FileName().toString(), "中文.gif");
  EXPECT_EQ(up.Files()->Item(Variant("pic"))->FileSize().toLong(), static_cast<int32_t>(kGif.size()));
}

TEST(UploadParse, DoubleByteNameWhoseTrailByteIsABackslashIsNotCut) {
  corvela::testing::ScopedEnv codepage("CORVELA_CODEPAGE", "GBK");
  // "\xDA\x5C" is a GBK character (U+8D72) whose second byte is "\".
  const std::string fileName = "\xDA\x5C.txt";
  upload up(bytesOf(MultipartBuilder().file("f", fileName, "text/plain", "x").close()));
  ASSERT_EQ(up.Files()->Count(), 1);
  EXPECT_EQ(up.Files()->at(0)->FileName().toString(), "\xE8\xB5\xB2.txt");
}

TEST(UploadParse, LargestFileKeepsItsBytesExactly) {
  std::string big(300000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 3);
  upload up(bytesOf(MultipartBuilder().file("small", "s.bin", "a/b", "tiny").file("big", "b.bin", "a/b", big)
                        .field("after", "z").close()));
  EXPECT_EQ(contentOf(*up.Files()->Item(Variant("big"))), big);
  EXPECT_EQ(contentOf(*up.Files()->Item(Variant("small"))), "tiny");
  EXPECT_EQ(up.Form()->Item(Variant("after"))->value().toString(), "z");
}

// Every body kept from fuzzing the parser and the upload object parses again
// without a crash, and every file kept holds FileSize bytes under a name
// without path parts.
TEST(UploadFuzzReplay, EveryKeptBodyParsesIntoSoundFiles) {
  corvela::testing::ScopedEnv codepage("CORVELA_CODEPAGE", "GBK");
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(UPLOAD_FUZZ_CORPUS)) {
    std::string body = readFileText(entry.path());
    upload up(std::vector<uint8_t>(body.begin(), body.end()));
    EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(body.size()));
    for (int32_t i = 0; i < up.Files()->Count(); ++i) {
      auto file = up.Files()->at(static_cast<size_t>(i));
      EXPECT_EQ(file->FileContent().rawArray()->bytes.size(), static_cast<size_t>(file->FileSize().toLong()))
          << entry.path();
      std::string name = file->FileName().toString();
      EXPECT_FALSE(name.empty() || name.find_first_of("\\/") != std::string::npos) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0u) << "no inputs under " << UPLOAD_FUZZ_CORPUS;
}

// A body written by a real client (curl's -F, captured by a local HTTP server
// in capture_post.py) parsed field for field.
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
