// The content plug-in: a component named by the "plugin" setting that is
// told when the first page of an article is saved or deleted (to keep a
// search index or a mirror in step, say). What it does is its own affair: a
// missing setting, a component that cannot be created and every error it
// raises are ignored, so a plug-in never fails a save or a delete.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvela::content {

// UpdateEntry(FileName, Status) on the plug-in.
void notifyPluginUpdate(std::string_view fileName, int32_t status);
// DelEntry(FileName) on the plug-in.
void notifyPluginDelete(std::string_view fileName);

}  // namespace corvela::content
