// Refusing site URIs that climb out of the site root, and the URL decoding
// that lets the check see encoded dots (%2e%2e) too.
#pragma once

#include <string>
#include <string_view>

namespace corvela::core {

// Returns when every ".." segment of the URI, and of the form with its
// well-formed %XX escapes decoded, cancels a segment before it; otherwise
// raises 513 "Lumisto Standard Edition" "InvalidURL". A NUL character is
// refused the same way: the file system would end the path there, at a
// name that was never checked. A "%" that starts no escape is a plain
// character of the name.
void ValidateUri(std::string_view uri);

// URL decoding: "+" is a space, %XX a byte. Runs of escaped bytes are read
// in the system code page, so %B0%A1 is one GB2312 character when that is
// the code page; with UTF-8 a run that is not valid UTF-8 raises 513
// "InvalidURL" instead of producing broken text.
std::string UrlDecode(std::string_view text);

inline constexpr int kInvalidUrlError = 513;
inline constexpr const char* kInvalidUrlSource = "Lumisto Standard Edition";
inline constexpr const char* kInvalidUrlText = "InvalidURL";

}  // namespace corvela::core
