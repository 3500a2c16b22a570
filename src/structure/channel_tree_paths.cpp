// Channel paths turned into selections of the tree document.
#include "structure/channel_tree_paths.h"

#include "platform/automation/com_error.h"
#include "structure/channel_manager.h"

namespace corvela::structure {

std::string channelPath(std::string_view path, const char* source, const char* description) {
  if (path.empty() || path.front() != '/') throw ComError(kChannelTreeError, source, description);
  path.remove_prefix(1);
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  return std::string(path);
}

std::string channelXPath(std::string_view checkedPath) { return "/structure/" + std::string(checkedPath); }

std::string channelIdXPath(int32_t id) { return "/structure//node()[@id=\"" + std::to_string(id) + "\"]"; }

}  // namespace corvela::structure
