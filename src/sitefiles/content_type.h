// The MIME type of a site file from its extension, read from the file-type
// table in the registry ("HKEY_CLASSES_ROOT\.ext", value "Content Type"),
// which `corvela init` seeds with the common web types.
#pragma once

#include <string>
#include <string_view>

namespace corvela::sitefiles {

// The registered type of the extension, or "text/" + ext when there is
// none; lower case, with the server-page types (text/asp, text/php3,
// text/php4, text/php, text/jsp, text/shtml) read as text/html. The
// replacement is by substring, so text/aspx becomes text/htmlx.
std::string ContentTypeOfExtension(std::string_view extension);

struct KnownContentType {
  std::string_view extension;  // without the dot
  std::string_view type;
};

// The common web types `corvela init` registers.
extern const KnownContentType kCommonContentTypes[];
extern const size_t kCommonContentTypeCount;

inline constexpr std::string_view kContentTypeValue = "Content Type";
inline constexpr std::string_view kClassesRootKey = "HKEY_CLASSES_ROOT";

}  // namespace corvela::sitefiles
