// The one door from a caller's site URI to a physical path: every member of
// SiteFolder, Folder and File that touches the disk maps its URIs here, so
// no URI reaches outside the site directory by any route.
#pragma once

#include <string>
#include <string_view>

namespace corvela::sitefiles {

// The physical path of a site URI. Raises 513 "Lumisto Standard Edition"
// "InvalidURL" when ValidateUri refuses the URI (".." climbing above the
// root, also %-encoded or with "\" separators; a NUL), and when the path,
// with the symbolic links along it resolved, would lie outside the site
// directory (a link inside the site pointing out, or a dangling link whose
// target cannot be checked). The mapping's own 12289 errors pass through.
std::string SitePath(std::string_view uri);

// True when the physical path is the site directory itself.
bool IsSiteRoot(std::string_view physicalPath);

}  // namespace corvela::sitefiles
