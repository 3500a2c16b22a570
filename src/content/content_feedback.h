// What readers leave on an article: clicks, votes and comments. These are
// the Content members AddClick, VoteContent, ListComment, PostComment and
// DeleteComment; they depend only on their arguments, never on the article
// the Content object holds, so they live here as functions and Content's
// member table binds them.
//
// One address may vote once per article in 20 minutes and comment once per
// article in a minute. The limit holds under concurrent requests: the insert
// itself re-checks the limit inside the database's write lock, so of two
// requests that pass the first check together only one is stored.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/automation/oledate.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::content::feedback {

inline constexpr int32_t kRateLimitError = 6145;
inline constexpr const char* kVoteSource = "VoteContent";
inline constexpr const char* kVoteLimitText = "同一个IP地址20分钟之内只能投票一次！";
inline constexpr const char* kCommentSource = "PostComment";
inline constexpr const char* kCommentLimitText = "同一个IP地址1分钟之内只能发表评论一条！";

// Counts one click on the article.
void AddClick(int32_t cid);

// Records the reader's score; 6145 when the address voted on the article
// less than 20 minutes ago (a vote exactly 20 minutes later is accepted).
void VoteContent(int32_t cid, int16_t Score, std::string_view ip);
void VoteContentAt(int32_t cid, int16_t Score, std::string_view ip, OleDate now);

// The article's comments, newest first.
std::shared_ptr<db::Recordset> ListComment(int32_t cid);

// Stores the comment; 6145 when the address commented on the article less
// than a minute ago.
void PostComment(int32_t cid, std::string_view ip, std::string_view Username, std::string_view Comment);
void PostCommentAt(int32_t cid, std::string_view ip, std::string_view Username, std::string_view Comment,
                   OleDate now);

// Deletes one comment by its own id (not the article's).
void DeleteComment(int32_t cid);

}  // namespace corvela::content::feedback
