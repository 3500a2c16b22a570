// Where the body comes from: the page's Request object in the object
// context, or CGI standard input; and the size limit, which refuses a large
// request before any of it is read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "core/core_fixture.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/object_context.h"
#include "platform/registry/registry.h"
#include "support/temp_env.h"
#include "upload/multipart_builder.h"
#include "upload/request_body.h"
#include "upload/upload.h"
#include "upload/upload_errors.h"

namespace corvela::upload {
namespace {

using testing::MultipartBuilder;

// What a web page host puts into the object context: TotalBytes and
// BinaryRead(count), counting the bytes handed out.
class FakeRequest : public DispatchObject<FakeRequest> {
 public:
  static constexpr std::string_view kClassName = "Request";
  static const DispatchTable<FakeRequest>& dispatchTable() {
    static const DispatchTable<FakeRequest> table = Members<FakeRequest>()
        .readOnly<&FakeRequest::TotalBytes>("TotalBytes")
        .method<&FakeRequest::BinaryRead>("BinaryRead")
        .build();
    return table;
  }
  explicit FakeRequest(std::string body) : body_(std::move(body)) {}
  int32_t TotalBytes() const { return static_cast<int32_t>(body_.size()); }
  Variant BinaryRead(ByRef<int32_t> count) {
    bytesRead += *count;
    return Variant::bytes(std::vector<uint8_t>(body_.begin(), body_.begin() + *count));
  }
  int32_t bytesRead = 0;

 private:
  std::string body_;
};

// Standard input replaced by a pipe holding the given bytes; what is left
// unread can be read back.
class PipedStdin {
 public:
  explicit PipedStdin(const std::string& bytes) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    EXPECT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fds[1]);
    saved_ = ::dup(STDIN_FILENO);
    ::dup2(fds[0], STDIN_FILENO);
    ::close(fds[0]);
  }
  ~PipedStdin() {
    ::dup2(saved_, STDIN_FILENO);
    ::close(saved_);
  }
  std::string rest() const {
    std::string out;
    char buffer[4096];
    for (ssize_t got; (got = ::read(STDIN_FILENO, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(got));
    return out;
  }

 private:
  int saved_;
};

class UploadRequest : public corvela::testing::IsolatedTest {
 protected:
  void setLimit(std::string_view value) {
    ASSERT_TRUE(registry::createKey(kUploadSettingsKey));
    ASSERT_TRUE(registry::writeValue(kUploadSettingsKey, kMaxRequestBytesValue, value));
  }
  void expectError(int32_t number, const std::string& description) {
    EXPECT_EQ(corvela::testing::raised([] { upload up; }),
              (corvela::testing::Raised{number, "fileup.Upload", description}));
  }
  void expectTooLarge(int limit) {
    expectError(kRequestTooLargeError, "上传的数据有 " + std::to_string(body_.size()) + " 字节，超过了允许的 " +
                                           std::to_string(limit) + " 字节，未予接收。");
  }
  // A CGI request's environment.
  struct Cgi {
    corvela::testing::ScopedEnv type, length;
    Cgi(const std::string& contentType, const std::string& contentLength)
        : type("CONTENT_TYPE", contentType), length("CONTENT_LENGTH", contentLength) {}
  };
  const std::string body_ = MultipartBuilder().field("title", "t").file("f", "a.txt", "text/plain", "abc").close();
};

TEST_F(UploadRequest, ReadsThePagesRequestFromTheObjectContext) {
  auto request = std::make_shared<FakeRequest>(body_);
  ContextScope scope;
  ObjectContext::current()->request = request;
  auto up = std::static_pointer_cast<upload>(createObject("ZerinUpload.upload"));
  EXPECT_EQ(request->bytesRead, static_cast<int32_t>(body_.size()));
  EXPECT_EQ(up->TotalBytes(), static_cast<int32_t>(body_.size()));
  EXPECT_EQ(up->Form()->Item(Variant("title"))->value().toString(), "t");
  EXPECT_EQ(up->Files()->Item(Variant("f"))->FileSize().toLong(), 3);
}

TEST_F(UploadRequest, ARequestAboveTheLimitIsRefusedUnread) {
  setLimit("100");
  auto request = std::make_shared<FakeRequest>(body_);
  ContextScope scope;
  ObjectContext::current()->request = request;
  expectTooLarge(100);
  EXPECT_EQ(request->bytesRead, 0);
  setLimit(std::to_string(body_.size()));
  upload up;
  EXPECT_EQ(up.Files()->Count(), 1);
}

TEST_F(UploadRequest, ALimitThatIsNoNumberIsReported) {
  ContextScope scope;
  ObjectContext::current()->request = std::make_shared<FakeRequest>(body_);
  for (const char* bad : {"abc", "-1", "10MB", ""}) {
    setLimit(bad);
    expectError(kBadSizeLimitError, std::string("上传大小限制的设置不是字节数：") + bad);
  }
}

TEST_F(UploadRequest, WithoutAPageRequestACgiBodyIsReadFromStandardInput) {
  Cgi cgi("multipart/form-data; boundary=" + std::string(testing::kTestBoundary), std::to_string(body_.size()));
  PipedStdin input(body_ + "next request");
  upload up;
  EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(body_.size()));
  EXPECT_EQ(up.Files()->Item(Variant("f"))->FileName().toString(), "a.txt");
  EXPECT_EQ(input.rest(), "next request");
}

TEST_F(UploadRequest, ACgiBodyAboveTheLimitIsLeftUnread) {
  setLimit("10");
  Cgi cgi("multipart/form-data; boundary=x", std::to_string(body_.size()));
  PipedStdin input(body_);
  expectTooLarge(10);
  EXPECT_EQ(input.rest(), body_);
}

TEST_F(UploadRequest, CgiRequestsThatCarryNoMultipartBodyReadNothing) {
  struct Case {
    const char* type;
    const char* length;
  } cases[] = {{"application/x-www-form-urlencoded", "20"}, {"multipart/form-data; boundary=x", "abc"},
               {"multipart/form-data; boundary=x", ""}, {"multipart/mixed; boundary=x", "20"}};
  for (const Case& c : cases) {
    Cgi cgi(c.type, c.length);
    PipedStdin input(body_);
    upload up;
    EXPECT_EQ(up.TotalBytes(), 0) << c.type << " " << c.length;
    EXPECT_EQ(input.rest(), body_) << c.type << " " << c.length;
  }
}

TEST_F(UploadRequest, ACgiBodyCutShortByTheClientKeepsWhatArrived) {
  Cgi cgi("Multipart/Form-Data; boundary=x", std::to_string(body_.size() + 1000));
  PipedStdin input(body_);
  upload up;
  EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(body_.size()));
  EXPECT_EQ(up.Form()->Count(), 1);
}

}  // namespace
}  // namespace corvela::upload
