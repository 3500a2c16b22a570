// SitePath: ValidateUri, the mapping, and the check that the path, followed
// as the file system will follow it, stays below the resolved site directory.
//
// ValidateUri looks at the text only. A symbolic link inside the site that
// points elsewhere (news -> /etc) passes it, and the engine once read and
// wrote through such links; here the path is resolved first.
#include "sitefiles/site_path_guard.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
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
stdfs::path resolvedSite(const std::string& site) {
  std::error_code error;
  stdfs::path resolved = stdfs::canonical(site, error);
  return error ? stdfs::path(site).lexically_normal() : resolved;
}

// A site that cannot be resolved is refused only when a dangling link is
// along its path; otherwise it does not exist and nothing below it can.
void checkUnresolvedSite(const std::string& site) {
  std::error_code error;
  stdfs::path walked;
  for (const stdfs::path& part : stdfs::path(site)) {
    walked /= part;
    stdfs::file_status status = stdfs::symlink_status(walked, error);
    if (error) return;
    if (stdfs::is_symlink(status) && !stdfs::exists(walked, error)) refuse();
  }
}

// Walks the URI below the resolved site one name at a time, the way the
// kernel will: a link is resolved where it stands and must land inside the
// site, ".." leaves the directory actually reached, and what does not exist
// yet continues by name. A dangling link is refused: what it names could be
// created outside the site later, by the very write being checked. One lstat
// per existing name; links cost a resolution each.
void checkConfined(const std::string& site, const std::string& below) {
  std::error_code error;
  stdfs::path root = stdfs::canonical(site, error);
  if (error) return checkUnresolvedSite(site);
  stdfs::path reached = root;
  bool existing = true;
  for (const stdfs::path& part : stdfs::path(below).relative_path()) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      reached = reached.parent_path();
      if (!isWithin(root, reached)) refuse();
      continue;
    }
    reached /= part;
    if (!existing) continue;
    struct stat info;
    if (::lstat(reached.c_str(), &info) != 0) {
      if (errno != ENOENT && errno != ENOTDIR) refuse();
      existing = false;
      continue;
    }
    if (!S_ISLNK(info.st_mode)) continue;
    reached = stdfs::canonical(reached, error);
    if (error || !isWithin(root, reached)) refuse();
  }
}

}  // namespace

std::string SitePath(std::string_view uri) {
  core::ValidateUri(uri);
  core::MappedUri mapped = core::MapUri(uri);
  checkConfined(mapped.site.empty() ? "/" : mapped.site, mapped.below);
  return mapped.site + mapped.below;
}

bool IsSiteRoot(std::string_view physicalPath) {
  std::error_code error;
  stdfs::path resolved = stdfs::weakly_canonical(stdfs::path(core::NormaliseSeparators(physicalPath)), error);
  if (error) return false;
  std::string site = core::NormaliseSeparators(core::siteDirectoryFor("URIMap"));
  return withoutTrailingSeparator(resolved) == withoutTrailingSeparator(resolvedSite(site));
}

}  // namespace corvela::sitefiles
