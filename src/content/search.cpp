// Search over the SearchMetadata rows.
//
// The engine once pasted the channel path into the statement unchanged, so a
// path with a quote broke the search and a crafted one could run any SQL;
// the path and every query word enter here as LIKE patterns that match
// themselves literally.
#include "content/search.h"

#include <string>

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/sql_inputs.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::content {
namespace {

constexpr char kWordSeparator = '|';

// The rows of the channel and of every channel below it.
std::string channelCondition(std::string_view channelPath) {
  while (!channelPath.empty() && channelPath.back() == '/') channelPath.remove_suffix(1);
  if (channelPath.empty()) return "ChannelPath LIKE '%'";
  return "(ChannelPath=" + core::quotedSqlText(channelPath) + " OR ChannelPath LIKE '" +
         core::likeLiteralText(channelPath) + "/%'" + core::kLikeEscape + ")";
}

// " AND (MetaData LIKE '%word%' OR Title LIKE '%word%')" for each word; an
// empty word asks for nothing.
std::string wordConditions(std::string_view query) {
  std::string conditions;
  size_t start = 0;
  while (start <= query.size()) {
    size_t end = query.find(kWordSeparator, start);
    if (end == std::string_view::npos) end = query.size();
    std::string_view word = query.substr(start, end - start);
    if (!word.empty()) {
      const std::string pattern = "'%" + core::likeLiteralText(word) + "%'" + core::kLikeEscape;
      conditions += " AND (MetaData LIKE " + pattern + " OR Title LIKE " + pattern + ")";
    }
    start = end + 1;
  }
  return conditions;
}

// The found rows, then one point for each of them, in one transaction.
std::shared_ptr<db::Recordset> selectAndScore(const std::string& columns, const std::string& condition) {
  return core::runVoting(nullptr, [&] {
    core::comDAL dal;
    auto rows = dal.DoSelect("SELECT " + columns + " FROM SearchMetadata WHERE " + condition + " ORDER BY Contentid");
    dal.execCommand("UPDATE SearchMetadata SET Points=COALESCE(Points,0)+1 WHERE " + condition);
    return rows;
  });
}

}  // namespace

std::shared_ptr<db::Recordset> Search::Find(std::string_view ChannelPath, std::string_view Query) {
  return selectAndScore("Title,Filepath,Summary,SubmitDate,Points,Clicks",
                        channelCondition(ChannelPath) + wordConditions(Query));
}

void Search::AddClicks(std::string_view FileName) {
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("UPDATE SearchMetaData SET Clicks=COALESCE(Clicks,0)+1 WHERE FilePath=" +
                               core::quotedSqlText(FileName));
  });
}

std::shared_ptr<db::Recordset> Search::ListAfterDate(std::string_view ChannelPath, OleDate aDate) {
  return selectAndScore("Title,FilePath,Summary,SubmitDate,Points,Clicks",
                        channelCondition(ChannelPath) + " AND SubmitDate >" +
                            core::SqlValue(Variant::fromDate(aDate.days)));
}

const DispatchTable<Search>& Search::dispatchTable() {
  static const DispatchTable<Search> table = Members<Search>()
      .method<&Search::Find>("Search")
      .method<&Search::AddClicks>("AddClicks")
      .method<&Search::ListAfterDate>("ListAfterDate")
      .build();
  return table;
}

}  // namespace corvela::content
