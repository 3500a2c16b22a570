// Clicks, votes and comments: the rate limits at their exact boundaries,
// alone and under concurrent requests, the exact refusals, and texts that
// would break SQL built without quoting.
#include "content/content_feedback.h"

#include <atomic>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "content_fixture.h"
#include "platform/automation/object.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::content::feedback {
namespace {

using testing::CoreTest;

constexpr double kSecond = 1.0 / 86400;

// A fixed moment, so the boundaries are exact to the second.
OleDate at(double secondsAfter) {
  double base = 0;
  oleDateFromParts({.year = 2024, .month = 3, .day = 9, .hour = 10, .minute = 15, .second = 0}, base);
  return OleDate{base + secondsAfter * kSecond};
}

// A rate-limited action and what refuses it.
struct Limited {
  const char* name;
  const char* table;
  int windowSeconds;
  const char* source;
  const char* text;
  std::function<void(int32_t cid, const std::string& ip, OleDate now)> act;
};

const std::vector<Limited>& limitedActions() {
  static const std::vector<Limited> actions = {
      {"vote", "Vote", 20 * 60, kVoteSource, kVoteLimitText,
       [](int32_t cid, const std::string& ip, OleDate now) { VoteContentAt(cid, 4, ip, now); }},
      {"comment", "Comment", 60, kCommentSource, kCommentLimitText,
       [](int32_t cid, const std::string& ip, OleDate now) { PostCommentAt(cid, ip, "reader", "text", now); }},
  };
  return actions;
}

class ContentFeedbackTest : public CoreTest {
 protected:
  int rows(const Limited& action) { return std::stoi(scalar(std::string("SELECT COUNT(*) FROM ") + action.table)); }

  // Runs the action from `threads` threads released together; the number
  // that were stored. Every refusal must be the limit's own error.
  int concurrently(const Limited& action, int threads, int32_t cid, const std::string& ip, OleDate now) {
    std::atomic<int> stored = 0;
    std::vector<Raised> errors(threads);
    runTogether(threads, [&](int i) {
      errors[i] = raised([&] { action.act(cid, ip, now); });
      if (errors[i].number == 0) ++stored;
    });
    const Raised limit{kRateLimitError, action.source, action.text};
    for (const Raised& e : errors) EXPECT_EQ(e.number ? e : limit, limit) << action.name << ": unexpected error";
    return stored;
  }
};

TEST_F(ContentFeedbackTest, AddClickCountsOnItsArticleOnlyStartingFromNoCount) {
  sql("INSERT INTO cms_content (id,title) VALUES (1,'a')");
  sql("INSERT INTO cms_content (id,title,clicks) VALUES (2,'b',7)");
  AddClick(1);
  AddClick(1);
  AddClick(2);
  AddClick(99);
  EXPECT_EQ(scalar("SELECT clicks FROM cms_content WHERE id=1"), "2") << "a row with no count starts at 0";
  EXPECT_EQ(scalar("SELECT clicks FROM cms_content WHERE id=2"), "8");
}

TEST_F(ContentFeedbackTest, LimitsHoldUntilTheWindowHasPassedToTheSecond) {
  for (const Limited& action : limitedActions()) {
    SCOPED_TRACE(action.name);
    action.act(1, "10.0.0.1", at(0));
    EXPECT_EQ(raised([&] { action.act(1, "10.0.0.1", at(action.windowSeconds - 1)); }),
              (Raised{kRateLimitError, action.source, action.text}))
        << "a second request inside the window is refused";
    EXPECT_EQ(rows(action), 1) << "a refused request stores nothing";
    EXPECT_NO_THROW(action.act(1, "10.0.0.1", at(action.windowSeconds))) << "exactly at the window's end";
    EXPECT_NO_THROW(action.act(2, "10.0.0.1", at(action.windowSeconds))) << "another article";
    EXPECT_NO_THROW(action.act(1, "10.0.0.2", at(action.windowSeconds))) << "another address";
    EXPECT_EQ(rows(action), 4);
  }
}

TEST_F(ContentFeedbackTest, ConcurrentRequestsFromOneAddressStoreOneRowPerWindow) {
  constexpr int kThreads = 8;
  for (const Limited& action : limitedActions()) {
    SCOPED_TRACE(action.name);
    EXPECT_EQ(concurrently(action, kThreads, 5, "192.168.1.9", at(0)), 1);
    EXPECT_EQ(concurrently(action, kThreads, 5, "192.168.1.9", at(action.windowSeconds - 1)), 0);
    EXPECT_EQ(concurrently(action, kThreads, 5, "192.168.1.9", at(action.windowSeconds)), 1);
    EXPECT_EQ(rows(action), 2);
  }
}

TEST_F(ContentFeedbackTest, ConcurrentRequestsOnDifferentArticlesAreAllStored) {
  constexpr int kThreads = 6;
  for (const Limited& action : limitedActions()) {
    SCOPED_TRACE(action.name);
    runTogether(kThreads, [&](int i) { action.act(100 + i, "10.1.1.1", at(0)); });
    EXPECT_EQ(rows(action), kThreads);
    EXPECT_EQ(scalar(std::string("SELECT COUNT(DISTINCT id) FROM ") + action.table), std::to_string(kThreads));
  }
}

TEST_F(ContentFeedbackTest, VoteStoresScoreAddressAndTime) {
  VoteContentAt(3, -2, "::1", at(30));
  EXPECT_EQ(scalar("SELECT Contentid || ' ' || Score || ' ' || ip || ' ' || LastVote FROM Vote"),
            "3 -2 ::1 2024-03-09 10:15:30");
}

TEST_F(ContentFeedbackTest, TrickyTextsAreStoredIntactAndLimitedByTheirExactAddress) {
  int32_t cid = 1;
  for (const std::string& text : testing::trickyTexts()) {
    SCOPED_TRACE(text);
    PostCommentAt(cid, text, text, text, at(0));
    auto rs = ListComment(cid);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->value("ip").toString(), text);
    EXPECT_EQ(rs->value("UserName").toString(), text);
    EXPECT_EQ(rs->value("Comment").toString(), text);
    EXPECT_THROW(PostCommentAt(cid, text, "x", "y", at(1)), ComError);
    VoteContentAt(cid, 1, text, at(0));
    EXPECT_THROW(VoteContentAt(cid, 1, text, at(1)), ComError);
    ++cid;
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM Comment"), std::to_string(testing::trickyTexts().size()));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM Vote"), std::to_string(testing::trickyTexts().size()));
}

TEST_F(ContentFeedbackTest, CommentsListNewestFirstAndDeleteRemovesExactlyOne) {
  PostCommentAt(7, "a", "first", "1", at(0));
  PostCommentAt(7, "b", "second", "2", at(0));
  PostCommentAt(8, "a", "elsewhere", "3", at(0));
  PostCommentAt(7, "c", "third", "4", at(0));
  auto names = [](int32_t cid) {
    std::string out;
    for (auto rs = ListComment(cid); !rs->eof(); rs->moveNext()) out += rs->value("UserName").toString() + ",";
    return out;
  };
  EXPECT_EQ(names(7), "third,second,first,");
  const std::string secondId = scalar("SELECT id FROM Comment WHERE UserName='second'");
  DeleteComment(std::stoi(secondId));
  EXPECT_EQ(names(7), "third,first,");
  EXPECT_EQ(names(8), "elsewhere,");
}

TEST_F(ContentFeedbackTest, ScriptsReachTheMembersThroughContent) {
  sql("INSERT INTO cms_content (id,title,clicks) VALUES (9,'a',0)");
  std::shared_ptr<Object> article = createObject("Corvela.Content");
  Variant click[] = {Variant(9)};
  article->call("AddClick", click);
  EXPECT_EQ(scalar("SELECT clicks FROM cms_content WHERE id=9"), "1");
  Variant vote[] = {Variant(9), Variant(5), Variant("10.9.9.9")};
  article->call("VoteContent", vote);
  EXPECT_EQ(raised([&] { article->call("VoteContent", vote); }).source, kVoteSource) << "a second vote is refused";
  Variant comment[] = {Variant(9), Variant("10.9.9.9"), Variant("王"), Variant("好文章")};
  article->call("PostComment", comment);
  Variant list[] = {Variant(9)};
  auto rows = article->call("ListComment", list).toObject();
  EXPECT_EQ(rows->get("RecordCount").toLong(), 1);
  Variant remove[] = {Variant(std::stoi(scalar("SELECT id FROM Comment")))};
  article->call("DeleteComment", remove);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM Comment"), "0");
}

}  // namespace
}  // namespace corvela::content::feedback
