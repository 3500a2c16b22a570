// Reading the request body from the page's Request object or from CGI
// standard input, refused above the size limit.
#include "upload/request_body.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "platform/automation/com_error.h"
#include "platform/automation/object_context.h"
#include "platform/registry/registry.h"
#include "upload/upload_errors.h"

namespace corvela::upload {
namespace {

constexpr std::string_view kTooLargeText = "上传的数据有 %1 字节，超过了允许的 %2 字节，未予接收。";
constexpr std::string_view kBadLimitText = "上传大小限制的设置不是字节数：";
constexpr std::string_view kMultipartType = "multipart/form-data";
constexpr const char* kContentTypeVariable = "CONTENT_TYPE";
constexpr const char* kContentLengthVariable = "CONTENT_LENGTH";
constexpr int64_t kLargestBody = std::numeric_limits<int32_t>::max();

std::optional<int64_t> wholeNumber(std::string_view text) {
  int64_t number = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0) return std::nullopt;
  return number;
}

void refuseIfTooLarge(int64_t size) {
  int64_t limit = maxRequestBytes();
  if (size <= limit) return;
  std::string text(kTooLargeText);
  text.replace(text.find("%1"), 2, std::to_string(size));
  text.replace(text.find("%2"), 2, std::to_string(limit));
  throw ComError(kRequestTooLargeError, kUploadErrorSource, text);
}

std::vector<uint8_t> takeBytes(Variant value) {
  if (value.isArray() && value.rawArray()->isBytes) {
    // The array was made for this call alone, so its bytes can move out.
    return std::move(value.mutableArray()->bytes);
  }
  std::string text = value.toString();
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> readFromRequestObject(Object& request) {
  int32_t total = request.get("TotalBytes").toLong();
  if (total <= 0) return {};
  refuseIfTooLarge(total);
  Variant count(total);
  return takeBytes(request.call("BinaryRead", std::span<Variant>(&count, 1)));
}

bool isMultipart(const char* contentType) {
  if (!contentType) return false;
  std::string_view type = contentType;
  if (type.size() < kMultipartType.size()) return false;
  for (size_t i = 0; i < kMultipartType.size(); ++i) {
    char c = type[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != kMultipartType[i]) return false;
  }
  return true;
}

// Up to `size` bytes of standard input; fewer when the client went away.
std::vector<uint8_t> readStandardInput(size_t size) {
  std::vector<uint8_t> body(size);
  size_t done = 0;
  while (done < size) {
    ssize_t got = ::read(STDIN_FILENO, body.data() + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  body.resize(done);
  return body;
}

std::vector<uint8_t> readFromCgi() {
  if (!isMultipart(std::getenv(kContentTypeVariable))) return {};
  const char* lengthText = std::getenv(kContentLengthVariable);
  // A missing length or one that is no number announces no body.
  std::optional<int64_t> length = wholeNumber(lengthText ? lengthText : "");
  if (!length || *length == 0) return {};
  refuseIfTooLarge(*length);
  return readStandardInput(static_cast<size_t>(*length));
}

}  // namespace

int64_t maxRequestBytes() {
  std::optional<std::string> stored = registry::readValue(kUploadSettingsKey, kMaxRequestBytesValue);
  if (!stored) return kDefaultMaxRequestBytes;
  std::optional<int64_t> limit = wholeNumber(*stored);
  if (!limit) throw ComError(kBadSizeLimitError, kUploadErrorSource, std::string(kBadLimitText) + *stored);
  return std::min(*limit, kLargestBody);
}

std::vector<uint8_t> readRequestBody() {
  ObjectContext* context = ObjectContext::current();
  if (context && context->request) return readFromRequestObject(*context->request);
  return readFromCgi();
}

}  // namespace corvela::upload
