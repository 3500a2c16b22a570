// SitePath: ValidateUri, the mapping, and the check that the resolved path
// stays below the resolved site directory.
//
// ValidateUri looks at the text only. A symbolic link inside the site that
// points elsewhere (news -> /etc) passes it, and the engine once read and
// wrote through such links; here the path is resolved first.
#include "sitefiles/site_path_guard.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/path_parts.h"
#include "core/site_paths.h"
#include "core/uri_validation.h"
#include "platform/automation/com_error.h"

namespace corvela::sitefiles {
namespace {

namespace stdfs = std::filesystem;

[[noreturn]] void refuse() { throw ComError(core::kInvalidUrlError, core::kInvalidUrlSource, core::kInvalidUrlText); }

stdfs::path withoutTrailingSeparator(const stdfs::path& path) {
  stdfs::path normal = path.lexically_normal();
  return normal.has_relative_path() && normal.filename().empty() ? normal.parent_path() : normal;
}

bool isWithin(const stdfs::path& root, const stdfs::path& path) {
  auto rootEnd = root.end();
  if (!root.empty() && root.filename().empty()) --rootEnd;  // "/srv/site/" ends in an empty name
  auto [rootStop, pathStop] = std::mismatch(root.begin(), rootEnd, path.begin(), path.end());
  return rootStop == rootEnd;
}

// The site directory with its links resolved; as written when it does not
// exist (every operation on it then fails with the file system's error).
stdfs::path resolvedSite() {
  std::string site = core::NormaliseSeparators(core::siteDirectoryFor("URIMap"));
  std::error_code error;
  stdfs::path resolved = stdfs::canonical(site, error);
  return error ? stdfs::path(site).lexically_normal() : resolved;
}

// The resolved path must lie inside the resolved site, and no part of the
// path may be a dangling link (what it names could be created outside the
// site later, by the very write being checked).
void checkConfined(const stdfs::path& site, const std::string& path) {
  std::error_code error;
  stdfs::path resolvedPath = stdfs::weakly_canonical(path, error);
  if (error) refuse();
  if (!isWithin(site, resolvedPath)) refuse();
  stdfs::path walked;
  for (const stdfs::path& part : stdfs::path(path)) {
    walked /= part;
    stdfs::file_status status = stdfs::symlink_status(walked, error);
    if (error) break;  // nothing more exists below here
    if (stdfs::is_symlink(status) && !stdfs::exists(walked, error)) refuse();
  }
}

}  // namespace

std::string SitePath(std::string_view uri) {
  core::ValidateUri(uri);
  std::string path = core::UriToPath(uri);
  checkConfined(resolvedSite(), path);
  return path;
}

bool IsSiteRoot(std::string_view physicalPath) {
  std::error_code error;
  stdfs::path resolved = stdfs::weakly_canonical(stdfs::path(core::NormaliseSeparators(physicalPath)), error);
  if (error) return false;
  return withoutTrailingSeparator(resolved) == withoutTrailingSeparator(resolvedSite());
}

}  // namespace corvela::sitefiles
