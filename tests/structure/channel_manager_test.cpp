// ChannelManager: the stored tree, paths and ids, renames, branch deletion
// (all or nothing), storing limits, and changes of two managers at once.
#include "structure/channel_manager.h"

#include <functional>

#include <gtest/gtest.h>

#include "platform/automation/collection.h"
#include "platform/text/utf8.h"
#include "platform/xml/xml_node.h"
#include "structure/channel.h"
#include "structure_fixture.h"

namespace corvela::structure {
namespace {

class ChannelManagerTest : public StructureTest {
 protected:
  // /News (news) with Sports (sports) and World (world) below it, Sports
  // with Football (football); Blog (blog) at the top level.
  void buildTree() {
    news = newChannel("News");
    sports = newChannel("Sports");
    world = newChannel("World");
    football = newChannel("Football");
    blog = newChannel("Blog");
    storeTree("<?xml version=\"1.0\" encoding=\"gb2312\"?><structure><News id=" + idAttr(news) + "><Sports id=" +
              idAttr(sports) + "><Football id=" + idAttr(football) + "/></Sports><World id=" + idAttr(world) +
              "/></News><Blog id=" + idAttr(blog) + "/></structure>");
    tree.Init();
  }
  std::vector<std::string> names(const std::shared_ptr<Collection>& channels) {
    std::vector<std::string> out;
    for (size_t i = 0; i < channels->size(); ++i) out.push_back(channels->at(i).toObject()->get("Name").toString());
    return out;
  }
  std::string storedTree() { return scalar("SELECT structure FROM cms_channels"); }

  ChannelManager tree;
  int32_t news = 0, sports = 0, world = 0, football = 0, blog = 0;
};

TEST_F(ChannelManagerTest, InitStoresTheEmptyTreeOnce) {
  sql("INSERT INTO IDManager (tablename,id) VALUES ('cms_channels',7)");
  EXPECT_TRUE(tree.Init());
  EXPECT_TRUE(ChannelManager().Init());
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channels"), "1");
  EXPECT_EQ(scalar("SELECT id FROM cms_channels"), "7");
  EXPECT_EQ(storedTree(), kEmptyTree);
  EXPECT_EQ(tree.Structure(), kEmptyTree);
}

TEST_F(ChannelManagerTest, PathsWithAndWithoutTheTrailingSlash) {
  buildTree();
  struct Case {
    const char* path;
    int32_t id;
  } found[] = {{"/News", news}, {"/News/", news}, {"/News/Sports", sports}, {"/News/Sports/", sports},
               {"/News/Sports/Football", football}};
  for (const Case& c : found) EXPECT_EQ(tree.GetChannelID(c.path), c.id) << c.path;
  const std::pair<std::function<void()>, Raised> errors[] = {
      {[&] { tree.GetChannelID("News/Sports"); }, {555, "ChannelManager.GetChannelID", "InvalidChannel"}},
      {[&] { tree.GetChannelID("/News/Nothing"); }, {555, "ChannelManager.GetChannelID", "NoChannel"}},
      {[&] { tree.DelChannel("News"); }, {555, "ChannelManager.AddColumn", "InvlaidColumn"}},
      {[&] { tree.RenameChannel("x", "y"); }, {555, "ChannelManager.RenameChannel", "InvalidChannel"}},
      {[&] { tree.RenameChannel("/x", "y"); }, {555, "ChannelManager.RenameChannel", "NoChannel"}},
      {[&] { tree.SubChannels("x"); }, {555, "Project.AddColumn", "InvalidColumn"}},
      {[&] { tree.ParentChannel("/x"); }, {555, "ChannelManager.ParentChannel", "InvalidChannel"}},
      {[&] { tree.DelChannel2(999); }, {555, "Project.Delcolumn", "NoColumn"}},
      {[&] { tree.GetPath(999); }, {555, "Project.GetPath", "Nocolumn"}},
  };
  for (const auto& [call, error] : errors) EXPECT_EQ(raised(call), error) << error.source;
}

TEST_F(ChannelManagerTest, PathsParentsAndChildren) {
  buildTree();
  EXPECT_EQ(tree.GetPath(football), "/News/Sports/Football");
  EXPECT_EQ(tree.GetPath(blog), "/Blog");
  EXPECT_EQ(tree.ParentChannel("/News/Sports")->ID(), news);
  EXPECT_EQ(tree.ParentChannel("/Blog/")->ID(), blog) << "a top-level channel is its own parent";
  EXPECT_EQ(names(tree.RootChannels()), (std::vector<std::string>{"News", "Blog"}));
  EXPECT_EQ(names(tree.SubChannels("/News/")), (std::vector<std::string>{"Sports", "World"}));
  EXPECT_EQ(names(tree.SubChannels("/")), (std::vector<std::string>{"News", "Blog"})) << "the root's children only";
  EXPECT_TRUE(tree.SubChannels("/Nothing")->size() == 0);
}

TEST_F(ChannelManagerTest, RenameKeepsTheIdAndBranchAndMovesToTheEnd) {
  buildTree();
  tree.RenameChannel("/News/Sports", "体育");
  EXPECT_EQ(tree.GetChannelID("/News/体育"), sports);
  EXPECT_EQ(tree.GetChannelID("/News/体育/Football"), football);
  EXPECT_EQ(names(tree.SubChannels("/News")), (std::vector<std::string>{"World", "Sports"}))
      << "channel rows keep their own names";
  EXPECT_NE(storedTree().find("<World id=\"" + std::to_string(world) + "\"/><体育"), std::string::npos) << storedTree();
  EXPECT_EQ(storedTree().rfind("<?xml version=\"1.0\" encoding=\"gb2312\"?>", 0), 0u) << "declaration kept";
  std::string before = storedTree();
  EXPECT_NE(raised([&] { tree.RenameChannel("/Blog", "not valid"); }).number, 0);
  EXPECT_EQ(storedTree(), before);
}

TEST_F(ChannelManagerTest, DelChannelRemovesTheBranchRowsThenTheElements) {
  buildTree();
  addSectionRows(sports, 100);
  addSectionRows(football, 101);
  addSectionRows(blog, 102);
  tree.DelChannel("/News/Sports/");
  EXPECT_EQ(countSectionRows(sports, 100) + countSectionRows(football, 101), 0);
  EXPECT_EQ(countSectionRows(blog, 102), 7);
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "3");
  EXPECT_EQ(raised([&] { tree.GetChannelID("/News/Sports"); }).description, "NoChannel");
  EXPECT_EQ(storedTree().find("Football"), std::string::npos);
  sql("DELETE FROM cms_channel WHERE id=" + std::to_string(world));
  tree.DelChannel2(news);
  EXPECT_EQ(names(tree.RootChannels()), (std::vector<std::string>{"Blog"}));
  EXPECT_EQ(storedTree().find("World"), std::string::npos) << "an element without its row goes too";
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "1");
}

TEST_F(ChannelManagerTest, ADeletionThatFailsHalfWayLeavesEverythingAsItWas) {
  buildTree();
  addSectionRows(sports, 100);
  addSectionRows(football, 101);
  // The second channel's cascade fails after the first one's went through.
  sql("CREATE TRIGGER refuse BEFORE DELETE ON cms_attach WHEN old.columnid=" + std::to_string(sports) +
      " BEGIN SELECT RAISE(ABORT,'refused'); END");
  std::string before = storedTree();
  EXPECT_NE(raised([&] { tree.DelChannel("/News/Sports"); }).number, 0);
  EXPECT_EQ(countSectionRows(sports, 100), 7);
  EXPECT_EQ(countSectionRows(football, 101), 7);
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "5");
  EXPECT_EQ(storedTree(), before);
  EXPECT_EQ(tree.GetChannelID("/News/Sports/Football"), football);
}

TEST_F(ChannelManagerTest, TwoManagersChangingAtOnceKeepBothChanges) {
  buildTree();
  ChannelManager other;
  other.Init();
  tree.RenameChannel("/Blog", "Diary");
  other.DelChannel("/News/World");  // loaded before the rename
  ChannelManager fresh;
  fresh.Init();
  EXPECT_EQ(fresh.GetChannelID("/Diary"), blog);
  EXPECT_EQ(raised([&] { fresh.GetChannelID("/News/World"); }).description, "NoChannel");
}

TEST_F(ChannelManagerTest, StructureTextIsStoredIntactOrCutWhole) {
  tree.Init();
  tree.setStructure("<?xml version=\"1.0\"?><structure><O id=\"1\" t=\"it's 100%\"/></structure>");
  tree.SaveConfig();
  EXPECT_EQ(storedTree(), "<?xml version=\"1.0\"?><structure><O id=\"1\" t=\"it's 100%\"/></structure>");

  std::string filler(65534, 'a');
  for (const std::string& tail : {std::string("'"), std::string("😀"), std::string("中'")}) {
    tree.setStructure(filler + tail);
    tree.SaveConfig();
    std::string stored = storedTree();
    EXPECT_TRUE(text::isValidUtf8(stored));
    EXPECT_LE(text::codePointCount(stored), 65535u);
    EXPECT_EQ(stored.substr(0, filler.size()), filler);
  }
  tree.setStructure(filler + "中'");
  tree.SaveConfig();
  EXPECT_EQ(storedTree(), filler + "中") << "the doubled quote does not fit and is left out whole";
  tree.setStructure("   ");
  tree.SaveConfig();
  EXPECT_EQ(storedTree(), kEmptyTree);
}

TEST_F(ChannelManagerTest, ATreeThatDoesNotParseLoadsEmptyAndChangesThatWouldLoseItAreRefused) {
  sql("INSERT INTO cms_channels (id,structure) VALUES (1,'<structure><a id=\"1\">')");
  tree.Init();
  EXPECT_EQ(tree.RootChannels()->size(), 0u);
  EXPECT_EQ(raised([&] { tree.GetChannelID("/a"); }), (Raised{555, "ChannelManager.GetChannelID", "NoChannel"}));
  EXPECT_EQ(raised([&] { tree.AddChannel("/b", "/t", "/n"); }).number, 555);
  EXPECT_EQ(storedTree(), "<structure><a id=\"1\">") << "a tree cut short is kept for repair";
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "0");

  sql("UPDATE cms_channels SET structure='<structure><" + std::string(65500, 'a') + " id=\"1\"/></structure>'");
  tree.Init();
  std::string before = storedTree();
  EXPECT_EQ(raised([&] { tree.AddChannel("/b", "/t", "/n"); }).number, 555) << "the result would be cut";
  EXPECT_EQ(storedTree(), before);

  sql("UPDATE cms_channels SET structure=' '");
  tree.Init();
  EXPECT_EQ(tree.AddChannel("/b", "/t", "/n"), 1) << "a blank tree holds nothing to lose";
}

TEST_F(ChannelManagerTest, AddChannelPutsRowAndElementTogether) {
  tree.Init();
  int32_t id = tree.AddChannel("/新闻", "/t.htm", "/n.htm");
  int32_t child = tree.AddChannel("/新闻/Sports/", "/t.htm", "/n.htm");
  tree.Init();
  EXPECT_EQ(tree.GetChannelID("/新闻/Sports"), child);
  EXPECT_EQ(tree.GetPath(id), "/新闻");
  EXPECT_EQ(raised([&] { tree.AddChannel("/新闻/Sports", "/t", "/n"); }).description, "ChannelExists");
  EXPECT_EQ(raised([&] { tree.AddChannel("/None/X", "/t", "/n"); }).description, "NoChannel");
  EXPECT_NE(raised([&] { tree.AddChannel("/a b", "/t", "/n"); }).number, 0);
  EXPECT_EQ(scalar("SELECT count(*) FROM cms_channel"), "2") << "refused adds write no row";
}

}  // namespace
}  // namespace corvela::structure
