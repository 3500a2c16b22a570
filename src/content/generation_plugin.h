// RunPlugin on the content plug-in (the component named by the "plugin"
// setting) after an article's first page is written, with the channel path,
// the page URI, the title, the file's size, creation and modification
// times, content type, the author, the file's lock holder and the status.
// A missing setting skips the call; a component that cannot be made or that
// fails is ignored: the page is already written.
#pragma once

#include <string_view>

namespace corvela::sitefiles {
class File;
}

namespace corvela::content {

class Content;

void runPluginForPage(std::string_view channelPath, sitefiles::File& file, const Content& article);

}  // namespace corvela::content
