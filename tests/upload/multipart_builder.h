// Builds multipart/form-data bodies the way browsers write them, for the
// upload tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvela::upload::testing {

inline constexpr std::string_view kTestBoundary = "----WebKitFormBoundary7MA4YWxkTrZu0gW";

class MultipartBuilder {
 public:
  explicit MultipartBuilder(std::string_view boundary = kTestBoundary) : boundary_("--" + std::string(boundary)) {}

  MultipartBuilder& field(std::string_view name, std::string_view value) {
    body_ += boundary_ + "\r\nContent-Disposition: form-data; name=\"" + std::string(name) + "\"\r\n\r\n" +
             std::string(value) + "\r\n";
    return *this;
  }
  MultipartBuilder& file(std::string_view name, std::string_view fileName, std::string_view contentType,
                         std::string_view data) {
    body_ += boundary_ + "\r\nContent-Disposition: form-data; name=\"" + std::string(name) + "\"; filename=\"" +
             std::string(fileName) + "\"\r\nContent-Type: " + std::string(contentType) + "\r\n\r\n" +
             std::string(data) + "\r\n";
    return *this;
  }
  // Appends raw text (a hand-made part).
  MultipartBuilder& raw(std::string_view text) {
    body_ += text;
    return *this;
  }
  const std::string& boundaryLine() const { return boundary_; }
  std::string close() const { return body_ + boundary_ + "--\r\n"; }
  std::string open() const { return body_; }

 private:
  std::string boundary_;
  std::string body_;
};

inline std::vector<uint8_t> bytesOf(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace corvela::upload::testing
