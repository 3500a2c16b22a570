// The search row of an article (SearchMetadata): what site search reads. The
// generator writes it per page; deleting an article removes it; moving an
// article to another channel moves its channel path along.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/oledate.h"

namespace corvela::content {

struct SearchRow {
  int32_t contentId = -1;
  std::string channelPath;
  std::string title;
  std::string summary;
  std::string filePath;
  OleDate submitDate;
  std::string metadata;
};

// The summary of a page: its first 300 characters without paragraph and
// line-break tags, every other tag turned into a comment ("<" becomes "<!--",
// ">" becomes "-->"), cut to 255 characters.
std::string searchSummary(std::string_view pageText);

// Inserts the row (Points and Clicks 0) or updates it (they stay), metadata
// included. Runs in the caller's transaction.
void writeSearchRow(const SearchRow& row);

// The path search rows give a channel or column: its path in the channel
// tree, or "/" + magazine name + "/" + column name for a magazine column;
// none when the id names neither.
std::optional<std::string> searchChannelPath(int32_t columnId);

// Points an existing search row of the article at the channel path of its
// new column; nothing when it has no row or the column has no path.
void moveSearchRow(int32_t contentId, int32_t columnId);

}  // namespace corvela::content
