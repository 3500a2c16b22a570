// Timed publishing over a channel tree served by a stand-in ChannelManager
// (registered under the engine's ProgID), with articles in a real database.
#include "deployservice/timed_publishing.h"

#include <map>

#include <gtest/gtest.h>

#include "deploy_fixture.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/oledate.h"
#include "platform/automation/progid_factory.h"

namespace corvela::deployservice {
namespace {

// The tree: /news (1) with /news/sport (2) below it, and /about (3). The
// channels whose index was made, in order, and the one whose index fails.
std::vector<std::string> generated;
std::string failing;

class StandInChannel : public DispatchObject<StandInChannel> {
 public:
  static constexpr std::string_view kClassName = "Channel";
  static const DispatchTable<StandInChannel>& dispatchTable() {
    static const DispatchTable<StandInChannel> table = Members<StandInChannel>()
                                                           .readOnly<&StandInChannel::ID>("ID")
                                                           .readOnly<&StandInChannel::Name>("Name")
                                                           .method<&StandInChannel::GenerateIndex>("GenerateIndex")
                                                           .build();
    return table;
  }
  StandInChannel(int32_t id, std::string name) : id_(id), name_(std::move(name)) {}
  int32_t ID() const { return id_; }
  std::string Name() const { return name_; }
  void GenerateIndex() {
    if (failing == name_) throw ComError(12289, "Corvela.Channel", "index failed");
    generated.push_back(name_);
  }

 private:
  int32_t id_;
  std::string name_;
};

class StandInManager : public DispatchObject<StandInManager> {
 public:
  static constexpr std::string_view kClassName = "ChannelManager";
  static const DispatchTable<StandInManager>& dispatchTable() {
    static const DispatchTable<StandInManager> table = Members<StandInManager>()
                                                           .method<&StandInManager::Init>("Init")
                                                           .readOnly<&StandInManager::RootChannels>("RootChannels")
                                                           .method<&StandInManager::SubChannels>("SubChannels")
                                                           .build();
    return table;
  }
  void Init() {}
  std::shared_ptr<Collection> RootChannels() { return channels({{1, "news"}, {3, "about"}}); }
  std::shared_ptr<Collection> SubChannels(std::string_view path) {
    if (path == "/news") return channels({{2, "sport"}});
    return channels({});
  }

 private:
  static std::shared_ptr<Collection> channels(std::vector<std::pair<int32_t, std::string>> list) {
    auto collection = std::make_shared<Collection>();
    for (auto& [id, name] : list) collection->add(Variant(std::shared_ptr<Object>(std::make_shared<StandInChannel>(id, name))));
    return collection;
  }
};

class TimedPublishingTest : public testing::DeployServiceTest {
 protected:
  void SetUp() override {
    createObject("Corvela.comDAL");  // the engine is loaded before the stand-in replaces its class
    realManager_ = registerClass("Corvela.ChannelManager", [] { return std::make_shared<StandInManager>(); });
    generated.clear();
    failing.clear();
  }
  // Later tests in this process create the engine's own ChannelManager.
  void TearDown() override { registerClass("Corvela.ChannelManager", realManager_); }
  ObjectFactory realManager_;
  void article(int id, int channel, int status, const std::string& publishDate) {
    sql("INSERT INTO cms_content (id,columnid,status,publishdate) VALUES (" + std::to_string(id) + "," +
        std::to_string(channel) + "," + std::to_string(status) + ",'" + publishDate + "')");
  }
  std::string statuses() { return scalar("SELECT group_concat(status, '') FROM (SELECT status FROM cms_content ORDER BY id)"); }
  // 2003-01-05 09:03:07 as an OLE date.
  static double at(int second) { return 37626.0 + (9 * 3600 + 3 * 60 + second) / 86400.0; }
};

TEST_F(TimedPublishingTest, DueArticlesArePublishedAtTheExactBoundary) {
  article(1, 1, 3, "2003-01-05 09:03:06");  // one second before now: due
  article(2, 1, 3, "2003-01-05 09:03:07");  // the current second: waits
  article(3, 1, 2, "2003-01-05 09:00:00");  // not submitted: untouched
  article(4, 2, 3, "2003-01-05 09:02:07");  // nested channel, reached through /news
  article(5, 2, 3, "2003-01-05 09:02:08");
  article(6, 3, 3, "2003-01-06 00:00:00");  // in the future
  TimedPublishing(context_, [] { return at(7); }).runPass();
  EXPECT_EQ(statuses(), "532553");
  EXPECT_EQ(generated, (std::vector<std::string>{"news", "sport"})) << "each due channel once, parents first";

  generated.clear();
  TimedPublishing(context_, [] { return at(8); }).runPass();
  EXPECT_EQ(statuses(), "552553");
  EXPECT_EQ(generated, std::vector<std::string>{"news"});
}

TEST_F(TimedPublishingTest, AFailingIndexKeepsTheArticlesPublishedAndEndsThePass) {
  article(1, 1, 3, "2003-01-05 09:00:00");
  article(2, 3, 3, "2003-01-05 09:00:00");
  failing = "news";
  EXPECT_EQ(testing::raised([&] { TimedPublishing(context_, [] { return at(7); }).runPass(); }),
            (testing::Raised{12289, "Corvela.Channel", "index failed"}))
      << "the failure of GenerateIndex was swallowed";
  EXPECT_EQ(statuses(), "53") << "the next channels wait for the next pass";
  failing.clear();
  TimedPublishing(context_, [] { return at(7); }).runPass();
  EXPECT_EQ(statuses(), "55");
}

}  // namespace
}  // namespace corvela::deployservice
