// The example CGI program end to end: `corvela init` registers the upload
// library under its ProgIDs, and `corvela run` (which links nothing of it)
// creates ZerinUpload.upload through that registration and reads the body
// from standard input.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_env.h"
#include "upload/multipart_builder.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;
namespace fs = std::filesystem;

struct Output {
  int status;
  std::string text;
};

Output runShell(const std::string& command) {
  Output out{-1, {}};
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.text.append(buffer, got);
  out.status = ::pclose(pipe);
  return out;
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class UploadCgiExample : public corvela::testing::IsolatedTest {
 protected:
  UploadCgiExample() : bin_(corvela::testing::buildDir() / "bin") {
    fs::create_directories(uploads());
  }
  fs::path uploads() const { return root_.path() / "uploads"; }
  // Runs the example with the body on standard input; stderr joins stdout.
  Output post(const std::string& body) {
    fs::path bodyFile = root_.path() / "body";
    std::ofstream(bodyFile, std::ios::binary) << body;
    std::string command = "PATH='" + bin_.string() + "':\"$PATH\" CONTENT_TYPE='multipart/form-data; boundary=x' " +
                          "CONTENT_LENGTH=" + std::to_string(body.size()) + " UPLOAD_FOLDER='" + uploads().string() +
                          "' '" EXAMPLES_DIR "/upload/upload.cgi' < '" + bodyFile.string() + "' 2>&1";
    return runShell(command);
  }
  Output init(const std::string& options) { return runShell("'" + (bin_ / "corvela").string() + "' init " + options + " 2>&1"); }
  fs::path bin_;
};

TEST_F(UploadCgiExample, SavesThePicturesAndListsTheFields) {
  ASSERT_EQ(init("").status, 0);
  std::string body = MultipartBuilder()
                         .field("title", "<Holiday>")
                         .file("pic", "C:\\photos\\beach.gif", "image/gif", "GIF89a")
                         .file("prog", "run.exe", "application/octet-stream", "MZ")
                         .close();
  Output out = post(body);
  ASSERT_EQ(out.status, 0) << out.text;
  EXPECT_NE(out.text.find("Content-Type: text/html; charset=utf-8\n\n"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("<li>title = &lt;Holiday&gt;</li>"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("Refused run.exe"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("Saved: beach.gif"), std::string::npos) << out.text;
  EXPECT_EQ(readAll(uploads() / "beach.gif"), "GIF89a");
  EXPECT_FALSE(fs::exists(uploads() / "run.exe"));

  // Posted again, the picture is saved under a new name.
  out = post(body);
  EXPECT_NE(out.text.find("Saved: beach1.gif"), std::string::npos) << out.text;
}

TEST_F(UploadCgiExample, ABodyAboveTheConfiguredLimitIsRefused) {
  ASSERT_EQ(init("--upload-limit 50").status, 0);
  // Run again without the option, init keeps the stored limit.
  ASSERT_EQ(init("").status, 0);
  Output out = post(MultipartBuilder().file("pic", "big.gif", "image/gif", std::string(100, 'x')).close());
  EXPECT_NE(out.status, 0);
  EXPECT_NE(out.text.find("fileup.Upload: 上传的数据有"), std::string::npos) << out.text;
  EXPECT_TRUE(fs::is_empty(uploads()));
}

TEST_F(UploadCgiExample, WithoutRegistrationTheProgIdIsUnknown) {
  Output out = post(MultipartBuilder().field("a", "1").close());
  EXPECT_NE(out.status, 0);
  EXPECT_NE(out.text.find("ActiveX component can't create object"), std::string::npos) << out.text;
}

}  // namespace
}  // namespace corvela::upload
