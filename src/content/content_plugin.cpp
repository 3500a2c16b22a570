// Late-bound calls to the content plug-in; its object lives for one call.
#include "content/content_plugin.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "core/regrw.h"
#include "core/settings_key.h"
#include "platform/automation/object.h"

namespace corvela::content {
namespace {

constexpr const char* kUpdateEntry = "UpdateEntry";
constexpr const char* kDelEntry = "DelEntry";

// The plug-in is somebody else's code: whatever it raises (a ComError, or
// any other exception from a library it loads) must not reach the article's
// save or delete, which has already succeeded.
void callPlugin(const char* member, std::vector<Variant> args) {
  std::string progId = core::RegRW::readValue(core::kSettingsKey, core::kPluginValue);
  if (progId == core::kReadFailed) return;
  try {
    std::shared_ptr<Object> plugin = createObject(progId);
    plugin->call(member, args);
  } catch (const std::exception&) {
  }
}

}  // namespace

void notifyPluginUpdate(std::string_view fileName, int32_t status) {
  callPlugin(kUpdateEntry, {Variant(fileName), Variant(status)});
}

void notifyPluginDelete(std::string_view fileName) { callPlugin(kDelEntry, {Variant(fileName)}); }

}  // namespace corvela::content
