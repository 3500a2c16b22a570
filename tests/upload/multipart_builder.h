// Builds multipart/form-data bodies the way browsers write them, and checks
// the Form and Files a body was parsed into, for the upload tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "upload/upload.h"

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

// What a body should parse into.
struct ExpectedFile {
  std::string controlName, fileName, contentType, content;
};
struct ParseCase {
  const char* what;
  std::string body;
  std::vector<std::pair<std::string, std::string>> fields;
  std::vector<ExpectedFile> files;
};

inline std::string contentOf(const cFile& file) {
  Variant content = file.FileContent();
  if (!content.isArray() || !content.rawArray()->isBytes) return "<not bytes>";
  const auto& bytes = content.rawArray()->bytes;
  return std::string(bytes.begin(), bytes.end());
}

inline void expectParsed(upload& up, const ParseCase& c) {
  SCOPED_TRACE(c.what);
  auto form = up.Form();
  ASSERT_EQ(form->Count(), static_cast<int32_t>(c.fields.size()));
  for (size_t i = 0; i < c.fields.size(); ++i) {
    auto field = form->Item(Variant(static_cast<int32_t>(i + 1)));
    EXPECT_EQ(field->controlName().toString(), c.fields[i].first);
    EXPECT_EQ(field->value().toString(), c.fields[i].second);
  }
  auto files = up.Files();
  ASSERT_EQ(files->Count(), static_cast<int32_t>(c.files.size()));
  for (size_t i = 0; i < c.files.size(); ++i) {
    auto file = files->at(i);
    EXPECT_EQ(file->controlName().toString(), c.files[i].controlName);
    EXPECT_EQ(file->FileName().toString(), c.files[i].fileName);
    EXPECT_EQ(file->ContentType().toString(), c.files[i].contentType);
    EXPECT_EQ(file->FileSize().toLong(), static_cast<int32_t>(c.files[i].content.size()));
    EXPECT_EQ(contentOf(*file), c.files[i].content);
  }
}

inline std::vector<uint8_t> bytesOf(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

}  // namespace corvela::upload::testing
