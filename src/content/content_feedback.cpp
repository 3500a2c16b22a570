// Clicks, votes and comments over cms_content, Vote and Comment.
//
// The engine once checked the rate limit with one statement and inserted
// with another, so two requests from one address arriving together were
// both stored. The insert here carries the same check as a condition; it
// runs inside the write transaction of the call (begun before the statement
// by the object context), so it sees every row committed before it and no
// other writer can commit in between.
#include "content/content_feedback.h"

#include <string>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/sql_literals.h"
#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::content::feedback {
namespace {

constexpr double kMinutesPerDay = 24 * 60;
constexpr int kVoteWindowMinutes = 20;
constexpr int kCommentWindowMinutes = 1;

std::string dateLiteral(double oleDate) { return core::SqlValue(Variant::fromDate(oleDate)); }

// The rows of `table` from the address on the article stamped later than
// `minutes` before now: the rows that forbid another one now.
std::string recentRowsQuery(std::string_view table, std::string_view timeColumn, std::string_view ip, int32_t cid,
                            int minutes, OleDate now) {
  return "SELECT id from " + std::string(table) + " WHERE ip=" + core::quotedSqlText(ip) +
         " AND Contentid=" + std::to_string(cid) + " AND " + std::string(timeColumn) + ">" +
         dateLiteral(now.days - minutes / kMinutesPerDay);
}

// Stores a row unless the rate limit forbids it. `columns` and `values`
// name and give the row without its id; `recent` is its limit's query.
// False when the limit forbids the row (nothing stored).
bool insertWithinLimit(std::string_view table, std::string_view columns, const std::string& values,
                       const std::string& recent) {
  core::comDAL dal;
  if (!dal.DoSelect(recent)->eof()) return false;
  const int32_t id = core::newID(table);
  dal.execCommand("INSERT INTO " + std::string(table) + "(id," + std::string(columns) + ") SELECT " +
                  std::to_string(id) + "," + values + " WHERE NOT EXISTS (" + recent + ")");
  // A concurrent request from the address committed first: this id stays
  // unused, a gap in the counter.
  return dal.connection()->lastChanges() > 0;
}

}  // namespace

void AddClick(int32_t cid) {
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("UPDATE cms_content SET clicks=COALESCE(clicks,0)+1 WHERE id=" + std::to_string(cid));
  });
}

void VoteContent(int32_t cid, int16_t Score, std::string_view ip) {
  VoteContentAt(cid, Score, ip, OleDate{oleDateNow()});
}

void VoteContentAt(int32_t cid, int16_t Score, std::string_view ip, OleDate now) {
  core::runVoting(nullptr, [&] {
    const std::string values = std::to_string(cid) + "," + std::to_string(Score) + "," + core::quotedSqlText(ip) +
                               "," + dateLiteral(now.days);
    if (!insertWithinLimit("Vote", "Contentid,Score,ip,LastVote", values,
                           recentRowsQuery("Vote", "LastVote", ip, cid, kVoteWindowMinutes, now)))
      throw ComError(kRateLimitError, kVoteSource, kVoteLimitText);
  });
}

std::shared_ptr<db::Recordset> ListComment(int32_t cid) {
  return core::runVoting(nullptr, [&] {
    return core::comDAL().DoSelect("SELECT * FROM Comment WHERE Contentid=" + std::to_string(cid) +
                                   " ORDER BY id DESC");
  });
}

void PostComment(int32_t cid, std::string_view ip, std::string_view Username, std::string_view Comment) {
  PostCommentAt(cid, ip, Username, Comment, OleDate{oleDateNow()});
}

void PostCommentAt(int32_t cid, std::string_view ip, std::string_view Username, std::string_view Comment,
                   OleDate now) {
  core::runVoting(nullptr, [&] {
    const std::string values = std::to_string(cid) + "," + core::quotedSqlText(ip) + "," + dateLiteral(now.days) +
                               "," + core::quotedSqlText(Username) + "," + core::quotedSqlText(Comment);
    if (!insertWithinLimit("Comment", "Contentid,ip,LastPost,UserName,Comment", values,
                           recentRowsQuery("Comment", "LastPost", ip, cid, kCommentWindowMinutes, now)))
      throw ComError(kRateLimitError, kCommentSource, kCommentLimitText);
  });
}

void DeleteComment(int32_t cid) {
  core::runVoting(nullptr, [&] { core::comDAL().execCommand("DELETE from COMMENT where ID=" + std::to_string(cid)); });
}

}  // namespace corvela::content::feedback
