// The URL helpers that templates call through "System".
#pragma once

#include <string>
#include <string_view>

namespace corvela::tmpl {

// The URL of newUrl relative to the page at baseUrl: "../" for every folder
// of the base page below the folders both share, then the rest of newUrl.
std::string urlMap(std::string_view baseUrl, std::string_view newUrl);

// Characters that take more than one byte in the system code page become
// "%XX" per byte (upper-case hex); everything else passes unchanged but
// spaces, which become "%20".
std::string urlEncode(std::string_view text);

// Characters from code 127 up become "%XX" per UTF-8 byte; spaces "%20".
std::string urlEncodeUtf(std::string_view text);

}  // namespace corvela::tmpl
