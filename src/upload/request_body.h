// Where the upload object's request body comes from. Inside a web request
// the object context carries the page's Request object, read with
// TotalBytes and BinaryRead as ASP pages were. With no request there, the
// process is taken for a CGI program: CONTENT_LENGTH bytes of standard
// input when CONTENT_TYPE is multipart/form-data, else nothing.
//
// A request larger than the size limit is refused (kRequestTooLargeError)
// before a byte of it is read. The limit is the value "MaxRequestBytes" of
// the key "HKEY_LOCAL_MACHINE\SOFTWARE\ZerinUpload", in bytes, and
// kDefaultMaxRequestBytes when the key or value does not exist.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvela::upload {

inline constexpr std::string_view kUploadSettingsKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\ZerinUpload";
inline constexpr std::string_view kMaxRequestBytesValue = "MaxRequestBytes";
// What IIS allows a request body by default (maxAllowedContentLength).
inline constexpr int64_t kDefaultMaxRequestBytes = 30000000;

// The limit from the registry; kBadSizeLimitError when the value is not a
// whole number of bytes. Never above what TotalBytes (32 bits) can report.
int64_t maxRequestBytes();

// The body of the current request, read whole.
std::vector<uint8_t> readRequestBody();

}  // namespace corvela::upload
