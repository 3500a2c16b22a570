// The example CGI program end to end: `corvela init` registers the upload
// library under its ProgIDs, and `corvela run` (which links nothing of it)
// creates ZerinUpload.upload through that registration and reads the body
// from standard input.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_runner.h"
#include "support/temp_env.h"
#include "upload/multipart_builder.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;
namespace fs = std::filesystem;

using corvela::testing::CommandOutcome;
using corvela::testing::readFileText;

class UploadCgiExample : public corvela::testing::IsolatedTest {
 protected:
  UploadCgiExample() : bin_(corvela::testing::buildDir() / "bin") {
    fs::create_directories(uploads());
  }
  fs::path uploads() const { return root_.path() / "uploads"; }
  // Runs the example with the body on standard input; stderr joins stdout.
  CommandOutcome post(const std::string& body) {
    return corvela::testing::runShell(
        root_.path(),
        "PATH='" + bin_.string() + "':\"$PATH\" CONTENT_TYPE='multipart/form-data; boundary=x' CONTENT_LENGTH=" +
            std::to_string(body.size()) + " UPLOAD_FOLDER='" + uploads().string() + "' '" EXAMPLES_DIR
            "/upload/upload.cgi' 2>&1",
        body);
  }
  CommandOutcome init(const std::string& options) { return corvela::testing::runCorvela(root_.path(), "init " + options); }
  fs::path bin_;
};

TEST_F(UploadCgiExample, SavesThePicturesAndListsTheFields) {
  ASSERT_EQ(init("").status, 0);
  std::string body = MultipartBuilder()
                         .field("title", "<Holiday>")
                         .file("pic", "C:\\photos\\beach.gif", "image/gif", "GIF89a")
                         .file("prog", "run.exe", "application/octet-stream", "MZ")
                         .close();
  CommandOutcome out = post(body);
  ASSERT_EQ(out.status, 0) << out.out;
  EXPECT_NE(out.out.find("Content-Type: text/html; charset=utf-8\n\n"), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("<li>title = &lt;Holiday&gt;</li>"), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("Refused run.exe"), std::string::npos) << out.out;
  EXPECT_NE(out.out.find("Saved: beach.gif"), std::string::npos) << out.out;
  EXPECT_EQ(readFileText(uploads() / "beach.gif"), "GIF89a");
  EXPECT_FALSE(fs::exists(uploads() / "run.exe"));

  // Posted again, the picture is saved under a new name.
  out = post(body);
  EXPECT_NE(out.out.find("Saved: beach1.gif"), std::string::npos) << out.out;
}

TEST_F(UploadCgiExample, ABodyAboveTheConfiguredLimitIsRefused) {
  ASSERT_EQ(init("--upload-limit 50").status, 0);
  // Run again without the option, init keeps the stored limit.
  ASSERT_EQ(init("").status, 0);
  CommandOutcome out = post(MultipartBuilder().file("pic", "big.gif", "image/gif", std::string(100, 'x')).close());
  EXPECT_NE(out.status, 0);
  EXPECT_NE(out.out.find("fileup.Upload: 上传的数据有"), std::string::npos) << out.out;
  EXPECT_TRUE(fs::is_empty(uploads()));
}

TEST_F(UploadCgiExample, WithoutRegistrationTheProgIdIsUnknown) {
  CommandOutcome out = post(MultipartBuilder().field("a", "1").close());
  EXPECT_NE(out.status, 0);
  EXPECT_NE(out.out.find("ActiveX component can't create object"), std::string::npos) << out.out;
}

}  // namespace
}  // namespace corvela::upload
