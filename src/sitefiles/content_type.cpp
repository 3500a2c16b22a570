// Content types through the registry read of RegRW.
#include "sitefiles/content_type.h"

#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/text/utf8.h"

namespace corvela::sitefiles {
namespace {

// Types that web servers deliver as HTML after running the page.
constexpr std::string_view kServerPageTypes[] = {"text/asp", "text/php3", "text/php4",
                                                 "text/php", "text/jsp",  "text/shtml"};
constexpr std::string_view kHtmlType = "text/html";

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

const KnownContentType kCommonContentTypes[] = {
    {"htm", "text/html"},        {"html", "text/html"},        {"shtml", "text/html"},
    {"txt", "text/plain"},       {"css", "text/css"},          {"js", "application/x-javascript"},
    {"xml", "text/xml"},         {"xsl", "text/xml"},          {"gif", "image/gif"},
    {"jpg", "image/jpeg"},       {"jpeg", "image/jpeg"},       {"png", "image/png"},
    {"bmp", "image/bmp"},        {"ico", "image/x-icon"},      {"svg", "image/svg+xml"},
    {"swf", "application/x-shockwave-flash"},                  {"pdf", "application/pdf"},
    {"zip", "application/zip"},  {"doc", "application/msword"}, {"xls", "application/vnd.ms-excel"},
    {"mp3", "audio/mpeg"},       {"wav", "audio/wav"},         {"mp4", "video/mp4"},
    {"avi", "video/x-msvideo"},
};
const size_t kCommonContentTypeCount = std::size(kCommonContentTypes);

std::string ContentTypeOfExtension(std::string_view extension) {
  std::string key = std::string(kClassesRootKey) + "\\." + std::string(extension);
  std::string type = core::RegRW::readValue(key, kContentTypeValue);
  if (type == core::kReadFailed) type = "text/" + std::string(extension);
  type = text::toLower(type);
  for (std::string_view serverPage : kServerPageTypes) replaceAll(type, serverPage, kHtmlType);
  return type;
}

}  // namespace corvela::sitefiles
