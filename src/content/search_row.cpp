// SearchMetadata rows: summary, insert or update, and the channel path.
#include "content/search_row.h"

#include <array>
#include <string>

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "structure/channel_manager.h"
#include "structure/column.h"
#include "structure/magazine.h"

namespace corvela::content {
namespace {

using core::SqlValue;

constexpr size_t kSummarySource = 300;
constexpr size_t kSummaryLimit = 255;
constexpr std::array<std::string_view, 6> kDroppedTags = {"<P>", "<p>", "</P>", "</p>", "<br>", "<BR>"};

void removeAll(std::string& text, std::string_view what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

}  // namespace

std::string searchSummary(std::string_view pageText) {
  std::string start = core::cutToLimit(pageText, kSummarySource);
  for (std::string_view tag : kDroppedTags) removeAll(start, tag);
  std::string commented;
  commented.reserve(start.size());
  for (char c : start) {
    if (c == '<') commented += "<!--";
    else if (c == '>') commented += "-->";
    else commented += c;
  }
  return core::cutToLimit(commented, kSummaryLimit);
}

void writeSearchRow(const SearchRow& row) {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    const std::string id = std::to_string(row.contentId);
    const Variant date = Variant::fromDate(row.submitDate.days);
    if (dal.DoSelect("SELECT ContentID from SearchMetadata WHERE Contentid=" + id)->eof()) {
      dal.execCommand("INSERT INTO SearchMetadata (Contentid,ChannelPath,Title,Summary,FilePath,Submitdate,Points,Clicks) "
                      "VALUES (" + id + "," + SqlValue(Variant(row.channelPath)) + "," + SqlValue(Variant(row.title)) +
                      "," + SqlValue(Variant(row.summary)) + "," + SqlValue(Variant(row.filePath)) + "," +
                      SqlValue(date) + ",0,0)");
    } else {
      dal.execCommand("UPDATE Searchmetadata SET Channelpath=" + SqlValue(Variant(row.channelPath)) +
                      ",Filepath=" + SqlValue(Variant(row.filePath)) + ",Title=" + SqlValue(Variant(row.title)) +
                      ",Summary=" + SqlValue(Variant(row.summary)) + ",SubmitDate=" + SqlValue(date) +
                      " WHERE Contentid=" + id);
    }
    std::string metadata[] = {row.metadata};
    dal.connection()->execute("UPDATE SearchMetadata SET MetaData=? WHERE ContentID=" + id, metadata);
  });
}

std::optional<std::string> searchChannelPath(int32_t columnId) {
  structure::ChannelManager tree;
  tree.Init();
  try {
    return tree.GetPath(columnId);
  } catch (const ComError& error) {
    if (error.number() != structure::kChannelTreeError) throw;
  }
  structure::Column column;
  structure::Magazine magazine;
  try {
    column.Load(columnId);
    magazine.Load(column.MagazineID());
  } catch (const ComError& error) {
    if (error.number() != core::kNoRecordError) throw;
    return std::nullopt;
  }
  return "/" + magazine.Name() + "/" + column.Name();
}

void moveSearchRow(int32_t contentId, int32_t columnId) {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    const std::string id = std::to_string(contentId);
    if (dal.DoSelect("SELECT ContentID from SearchMetadata WHERE Contentid=" + id)->eof()) return;
    if (std::optional<std::string> path = searchChannelPath(columnId))
      dal.execCommand("UPDATE SearchMetadata SET ChannelPath=" + SqlValue(Variant(*path)) + " WHERE ContentID=" + id);
  });
}

}  // namespace corvela::content
