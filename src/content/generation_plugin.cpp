// The content plug-in's RunPlugin call.
#include "content/generation_plugin.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "content/content.h"
#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/object.h"
#include "sitefiles/file.h"

namespace corvela::content {
namespace {

constexpr const char* kRunPlugin = "RunPlugin";

}  // namespace

void runPluginForPage(std::string_view channelPath, sitefiles::File& file, const Content& article) {
  std::string progId = core::RegRW::readValue(core::kSettingsKey, core::kPluginValue);
  if (progId == core::kReadFailed) return;
  try {
    std::vector<Variant> args = {Variant(channelPath),
                                 Variant(file.Name()),
                                 Variant(article.Title()),
                                 file.Size(),
                                 Variant::fromDate(file.DateCreated().days),
                                 Variant::fromDate(file.DateLastModified().days),
                                 Variant(file.ContentType()),
                                 Variant(article.Author()),
                                 Variant(file.Locked_By()),
                                 Variant(article.Status())};
    createObject(progId)->call(kRunPlugin, args);
  } catch (const std::exception&) {
    // Somebody else's component (see the header): its failures stay its own.
  }
}

}  // namespace corvela::content
