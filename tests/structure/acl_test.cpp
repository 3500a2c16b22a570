// ACL: one row per pair, deletion, listing, and texts that must not break
// the statements (records_script reaches it by ProgID).
#include "structure/acl.h"

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/db/recordset.h"
#include "support/tricky_texts.h"

namespace corvela::structure {
namespace {

using testing::CoreTest;

class ACLTest : public CoreTest {
 protected:
  ACL acl;
};

TEST_F(ACLTest, OneRowPerPairDeletionAndListing) {
  acl.AddEntry("CHANNEL_12", "alice");
  acl.AddEntry("CHANNEL_12", "alice");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_acl"), "1");
  EXPECT_TRUE(acl.HasEntry("CHANNEL_12", "alice"));
  EXPECT_FALSE(acl.HasEntry("CHANNEL_12", "bob"));
  EXPECT_FALSE(acl.HasEntry("CHANNEL_1", "alice")) << "resource names match whole";
  acl.DeleteEntry("CHANNEL_12", "alice");
  EXPECT_FALSE(acl.HasEntry("CHANNEL_12", "alice"));
  acl.DeleteEntry("CHANNEL_12", "alice");  // a missing pair is no error

  EXPECT_TRUE(acl.ListAllEntry("CHANNEL_5")->eof());
  acl.AddEntry("CHANNEL_5", "alice");
  acl.AddEntry("CHANNEL_5", "bob");
  acl.AddEntry("CHANNEL_6", "alice");
  auto rs = acl.ListAllEntry("CHANNEL_5");
  EXPECT_EQ(rs->recordCount(), 2);
  for (; !rs->eof(); rs->moveNext()) {
    EXPECT_EQ(rs->value("resource").toString(), "CHANNEL_5");
    EXPECT_GT(rs->value("id").toLong(), 0);
  }
}

TEST_F(ACLTest, TrickyResourcesAndUsersRoundTrip) {
  for (const std::string& text : testing::trickyTexts()) {
    acl.AddEntry(text, text);
    EXPECT_TRUE(acl.HasEntry(text, text)) << text;
    auto rs = acl.ListAllEntry(text);
    ASSERT_FALSE(rs->eof()) << text;
    EXPECT_EQ(rs->value("resource").toString(), text);
    EXPECT_EQ(rs->value("userid").toString(), text);
    EXPECT_EQ(rs->recordCount(), 1) << text << ": no other entry matched";
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_acl"), std::to_string(testing::trickyTexts().size()));
  for (const std::string& text : testing::trickyTexts()) acl.DeleteEntry(text, text);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM cms_acl"), "0");
}

}  // namespace
}  // namespace corvela::structure
