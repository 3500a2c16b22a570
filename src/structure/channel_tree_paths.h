// Channel paths and the errors of the channel tree. A path names a channel by
// the tag names from the root: /News/Sports, with or without one trailing
// "/"; it must start with "/".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvela::structure {

// Sources and descriptions of the tree's 555 errors, exactly as callers show
// them ("InvlaidColumn" and "Nocolumn" included).
inline constexpr const char* kDelChannelPathSource = "ChannelManager.AddColumn";
inline constexpr const char* kDelChannelPathText = "InvlaidColumn";
inline constexpr const char* kDelColumnSource = "Project.Delcolumn";
inline constexpr const char* kNoColumnText = "NoColumn";
inline constexpr const char* kGetPathSource = "Project.GetPath";
inline constexpr const char* kGetPathNoColumnText = "Nocolumn";
inline constexpr const char* kGetChannelIdSource = "ChannelManager.GetChannelID";
inline constexpr const char* kRenameSource = "ChannelManager.RenameChannel";
inline constexpr const char* kSubChannelsSource = "Project.AddColumn";
inline constexpr const char* kInvalidColumnText = "InvalidColumn";
inline constexpr const char* kParentSource = "ChannelManager.ParentChannel";
inline constexpr const char* kInvalidChannelText = "InvalidChannel";
inline constexpr const char* kNoChannelText = "NoChannel";
// Adding a channel by path (the admin tool).
inline constexpr const char* kAddChannelSource = "ChannelManager.AddChannel";
inline constexpr const char* kChannelExistsText = "ChannelExists";

// The path without its leading "/" and one trailing "/" ("" for "/");
// raises 555 with the source and description given when it does not start
// with "/".
std::string channelPath(std::string_view path, const char* source, const char* description);
// "/structure/" + the checked path.
std::string channelXPath(std::string_view checkedPath);
// The element whose id attribute is the id: /structure//node()[@id="12"].
std::string channelIdXPath(int32_t id);

}  // namespace corvela::structure
