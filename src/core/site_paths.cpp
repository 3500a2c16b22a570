// UriToPath and PathToUri. Physical paths are Linux paths and compare
// exactly: the engine once lower-cased both sides because Windows file names
// ignore case, but on Linux a lower-cased URI names another file (or none),
// so the part below the site directory keeps its case here.
#include "core/site_paths.h"

#include "core/path_parts.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/com_error.h"

namespace corvela::core {
namespace {

constexpr const char* kUriMapSource = "URIMap";
constexpr const char* kGetUriSource = "GetUri";
constexpr const char* kRegReadErr = "RegReadErr";
constexpr const char* kOutsideSite = "File Not is a valid resource in Site";

}  // namespace

std::string siteDirectoryFor(const char* source) {
  std::string site = RegRW::readValue(kSettingsKey, kSiteDirectoryValue);
  if (site.empty() || site == kReadFailed) throw ComError(kSitePathError, source, kRegReadErr);
  return site;
}

MappedUri MapUri(std::string_view uri) {
  MappedUri mapped{NormaliseSeparators(siteDirectoryFor(kUriMapSource)), NormaliseSeparators(trimSpaces(uri))};
  if (mapped.below.empty() || mapped.below.front() != '/') mapped.below.insert(mapped.below.begin(), '/');
  if (!mapped.site.empty() && mapped.site.back() == '/') mapped.site.pop_back();
  return mapped;
}

std::string UriToPath(std::string_view uri) {
  MappedUri mapped = MapUri(uri);
  return mapped.site + mapped.below;
}

std::string PathToUri(std::string_view path) {
  std::string site = NormaliseSeparators(trimSpaces(siteDirectoryFor(kGetUriSource)));
  std::string p = NormaliseSeparators(trimSpaces(path));
  if (p.compare(0, site.size(), site) != 0) throw ComError(kSitePathError, kGetUriSource, kOutsideSite);
  std::string rest = p.substr(site.size());
  // "/srv/site2/x" merely starts with the text "/srv/site"; it is not below it.
  bool atBoundary = rest.empty() || rest.front() == '/' || (!site.empty() && site.back() == '/');
  if (!atBoundary) throw ComError(kSitePathError, kGetUriSource, kOutsideSite);
  return rest;
}

}  // namespace corvela::core
