// Mapping between site URIs ("/news/a.html") and physical paths below the
// site directory named by the SiteDirectory setting.
#pragma once

#include <string>
#include <string_view>

namespace corvela::core {

// The site directory (one trailing "/" removed) + the trimmed URI with "/" in
// front. An empty URI maps to the site directory + "/". ".." segments are
// not resolved here (ValidateUri refuses those that climb out). Raises 12289
// "URIMap" "RegReadErr" when SiteDirectory is empty or unreadable.
std::string UriToPath(std::string_view uri);

// UriToPath in its two parts: the site directory without a trailing "/",
// and the URI below it, starting with "/".
struct MappedUri {
  std::string site;
  std::string below;
};
MappedUri MapUri(std::string_view uri);

// The part of a physical path below the site directory, as a URI. Raises
// 12289 "GetUri" "RegReadErr" when SiteDirectory is empty or unreadable, and
// 12289 "GetUri" "File Not is a valid resource in Site" for a path outside it.
std::string PathToUri(std::string_view path);

// SiteDirectory as read from the settings, or a raised 12289 under source.
std::string siteDirectoryFor(const char* source);

inline constexpr int kSitePathError = 12289;

}  // namespace corvela::core
