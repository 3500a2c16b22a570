// TemplateColumn views of channels, as templates see the current channel,
// its sub-channels and its parent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace corvela::structure {
class Channel;
class ChannelManager;
}  // namespace corvela::structure

namespace corvela::tmpl {

class TemplateColumn;

// The text after the last "/" or "\".
std::string lastPathSegment(std::string_view path);

// A view of the channel at `path`: Init(ID), Name (last segment of the
// channel's Name), Alias, Path and CoverPage (IndexPath).
std::shared_ptr<TemplateColumn> channelView(const structure::Channel& channel, std::string_view path);

// An initialised ChannelManager.
std::shared_ptr<structure::ChannelManager> loadedChannelTree();

// The article list of a channel (published articles with pages, one row per
// article with its first page's file name), ordered by the cms_content column
// given, newest first.
std::string channelArticleListQuery(int32_t channelId, std::string_view orderColumn);

}  // namespace corvela::tmpl
