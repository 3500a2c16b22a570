// Channel: the id counter shared with columns and magazines, validation and
// cuts, texts that must not break statements, the tree rename on save, the
// cascade of Del (all or nothing), counts and attachments, and access
// entries and properties passed down the branch.
#include "structure/channel.h"

#include <gtest/gtest.h>

#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "structure/acl.h"
#include "structure/channel_manager.h"
#include "structure/column.h"
#include "structure/magazine.h"
#include "structure/property.h"
#include "structure/schema.h"
#include "structure_fixture.h"
#include "support/tricky_texts.h"

namespace corvela::structure {
namespace {

class ChannelTest : public StructureTest {
 protected:
  // News with Sports below it, Sports with Football, in the tree.
  void buildBranch() {
    news = newChannel("News");
    sports = newChannel("Sports");
    football = newChannel("Football");
    storeTree("<?xml version=\"1.0\"?><structure><News id=" + idAttr(news) + "><Sports id=" + idAttr(sports) +
              "><Football id=" + idAttr(football) + "/></Sports></News></structure>");
  }
  int32_t news = 0, sports = 0, football = 0;
};

TEST_F(ChannelTest, ChannelsColumnsAndMagazinesShareOneIdCounter) {
  EXPECT_EQ(newChannel("A"), 1);
  EXPECT_EQ(newColumn(), 2);
  Magazine magazine;
  magazine.setName("Monthly");
  magazine.Save();
  EXPECT_EQ(magazine.ID(), 3);
  EXPECT_EQ(newChannel("B"), 4);
}

TEST_F(ChannelTest, SaveReportsEveryEmptyRequiredField) {
  struct Case {
    const char *name, *templ, *method, *message;
  } cases[] = {
      {"", "", "x", "There is some error in your input:The Column Name can not be empty!The TemplateFile can not be empty!"},
      {"a", "x", "", "There is some error in your input:The NameMethod can not be empty!"},
      {"", "", "", "There is some error in your input:The Column Name can not be empty!The TemplateFile can not be "
                   "empty!The NameMethod can not be empty!"},
  };
  for (const Case& c : cases) {
    Channel channel;
    channel.setName(c.name);
    channel.setTemplate(c.templ);
    channel.setNameMethod(c.method);
    EXPECT_EQ(raised([&] { channel.Save(); }), (Raised{1051, "", c.message}));
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "0");
}

TEST_F(ChannelTest, DefaultsCutsAndTrickyTextsRoundTrip) {
  Channel channel;
  EXPECT_EQ(channel.ID(), -1);
  EXPECT_EQ(channel.Name(), " ");
  EXPECT_EQ(channel.IndexPagesize(), 20);
  EXPECT_EQ(channel.ReserveDays(), 7);
  EXPECT_TRUE(channel.IsOpen());
  channel.setName(std::string(60, 'n'));
  channel.setTemplate(std::string(99, 't') + "😀");
  channel.setNameMethod("/x");
  channel.Save();
  Channel loaded;
  loaded.Load(channel.ID());
  EXPECT_EQ(loaded.Name(), std::string(50, 'n'));
  EXPECT_EQ(loaded.Template(), std::string(99, 't')) << "a character of two units is not split";
  EXPECT_EQ(loaded.IndexTemplate(), " ") << "empty texts are stored as one space";
  EXPECT_EQ(loaded.Alias(), "");

  for (const std::string& text : testing::trickyTexts()) {
    Channel channel;
    channel.setName(text);
    channel.setAlias(text);
    channel.setTemplate(text);
    channel.setNameMethod(text);
    channel.setIndexTemplate(text);
    channel.setIndexPath(text);
    channel.setUploadDir(text);
    channel.Save();
    Channel loaded;
    loaded.Load(channel.ID());
    for (const std::string& field : {loaded.Name(), loaded.Alias(), loaded.Template(), loaded.NameMethod(),
                                     loaded.IndexTemplate(), loaded.IndexPath(), loaded.UploadDir()})
      EXPECT_EQ(field, text);
  }
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), std::to_string(testing::trickyTexts().size() + 1));
}

TEST_F(ChannelTest, SavingAnExistingChannelRenamesItsElementAndMovesItLast) {
  buildBranch();
  int32_t world = newChannel("World");
  storeTree("<?xml version=\"1.0\"?><structure><News id=\"" + std::to_string(news) + "\"/><World id=\"" +
            std::to_string(world) + "\"/></structure>");
  Channel channel;
  channel.Load(news);
  channel.setName("新闻");
  channel.setAlias("O'Brien");
  channel.Save();
  EXPECT_EQ(scalar("SELECT structure FROM cms_channels"),
            "<?xml version=\"1.0\"?><structure><World id=\"" + std::to_string(world) + "\"/><新闻 id=\"" +
                std::to_string(news) + "\"/></structure>");
  EXPECT_EQ(scalar("SELECT alias FROM cms_channel WHERE id=" + std::to_string(news)), "O'Brien");
}

TEST_F(ChannelTest, SavingAChannelMissingFromTheTreeChangesNothing) {
  int32_t id = newChannel("Orphan");
  Channel channel;
  channel.Load(id);
  channel.setAlias("changed");
  EXPECT_EQ(raised([&] { channel.Save(); }), (Raised{555, "Project.GetPath", "Nocolumn"}));
  EXPECT_EQ(scalar("SELECT alias FROM cms_channel WHERE id=" + std::to_string(id)), "");
}

TEST_F(ChannelTest, DelRemovesWhatHangsOnTheChannelOnlyAllOrNothing) {
  int32_t a = newChannel("A"), b = newChannel("B");
  addSectionRows(a, 100);
  addSectionRows(b, 101);
  Channel channel;
  EXPECT_TRUE(channel.Del(a));
  EXPECT_EQ(channel.Name(), "A") << "holds the deleted channel's values";
  EXPECT_EQ(countSectionRows(a, 100), 0);
  EXPECT_EQ(countSectionRows(b, 101), 7);
  EXPECT_EQ(raised([&] { channel.Del(a); }), (Raised{1050, "", "NoRecord"}));
  EXPECT_EQ(raised([&] { channel.Load(a); }), (Raised{1050, "", "NoRecord"}));

  sql("CREATE TRIGGER refuse BEFORE DELETE ON cms_acl BEGIN SELECT RAISE(ABORT,'refused'); END");
  EXPECT_NE(raised([&] { Channel().Del(b); }).number, 0) << "the last step fails: nothing is deleted";
  EXPECT_EQ(countSectionRows(b, 101), 7);
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "1");
}

TEST_F(ChannelTest, CountsOpenStatusAndAttachments) {
  int32_t a = newChannel("A"), b = newChannel("B");
  int32_t content = 100;
  for (int status : {1, 2, 3, 3, 5}) addSectionRows(a, content++, status);
  addSectionRows(b, content++, 3);
  Channel channel;
  channel.Load(a);
  EXPECT_EQ(channel.ContentCount(a), 5);
  EXPECT_EQ(channel.NewContentCount(a), 2);
  EXPECT_TRUE(channel.GetOpenStatus(a));
  auto rows = std::dynamic_pointer_cast<db::Recordset>(channel.AttachPublish().toObject());
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->recordCount(), 5) << "the attachments of this channel only";
  EXPECT_EQ(rows->value("columnid").toLong(), a);
}

TEST_F(ChannelTest, AccessEntriesOfSavedChannelsAndTheirBranch) {
  Channel unsaved;
  unsaved.AddACLEntry("alice");
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_acl"), "0");

  buildBranch();
  Channel top, leaf;
  top.Load(news);
  top.AddACLEntry("alice");
  top.AddACLEntry("O'Brien");
  leaf.Load(football);
  leaf.AddACLEntry("mallory");
  top.ApplyACLToChild();
  ACL acl;
  for (int32_t id : {sports, football}) {
    std::string resource = "CHANNEL_" + std::to_string(id);
    EXPECT_TRUE(acl.HasEntry(resource, "alice"));
    EXPECT_TRUE(acl.HasEntry(resource, "O'Brien"));
  }
  EXPECT_FALSE(acl.HasEntry("CHANNEL_" + std::to_string(football), "mallory")) << "cleared before copying";
  top.DeleteACLEntry("alice");
  EXPECT_FALSE(acl.HasEntry("CHANNEL_" + std::to_string(news), "alice"));
  top.ClearACLEntry();
  EXPECT_TRUE(acl.ListAllEntry("CHANNEL_" + std::to_string(news))->eof());
}

TEST_F(ChannelTest, CustomPropertiesGoDownTheBranch) {
  buildBranch();
  Channel top;
  top.Load(news);
  top.ChannelSchema()->AddProperty("Source", "来源", "string", "text", "");
  top.ApplySchemaToChild();
  Channel leaf;
  leaf.Load(football);
  EXPECT_EQ(leaf.ChannelSchema()->GetPropertyByName("Source")->Alias(), "来源");
  EXPECT_EQ(scalar("SELECT count(*) FROM ChannelSchema"), "3") << "built-ins are not copied as rows";
}

}  // namespace
}  // namespace corvela::structure
