// Config: getters hand back what the registry read gives, and the two
// checked setters refuse what does not work without storing it.
#include <filesystem>

#include <gtest/gtest.h>

#include "core/config.h"
#include "core/settings_key.h"
#include "core_fixture.h"
#include "platform/registry/registry.h"

namespace corvela::core {
namespace {

using testing::CoreTest;
using testing::raised;
using testing::Raised;

class ConfigTest : public CoreTest {
 protected:
  void expect6145(const std::function<void()>& call, const std::string& description) {
    EXPECT_EQ(raised(call), (Raised{6145, "Corvela.Config", description})) << description;
  }
  Config config;
};

TEST_F(ConfigTest, GettersReadTheSettingsAndAMissingValueIsTheTextError) {
  EXPECT_EQ(config.ConnString(), connString());
  EXPECT_EQ(config.SiteDirectory(), siteDir());
  EXPECT_EQ(config.TempPath(), tempDir());
  EXPECT_EQ(config.GetConfig("NeverWritten"), "Error");
  removeSetting(kTempPathValue);
  EXPECT_EQ(config.TempPath(), "Error");
}

TEST_F(ConfigTest, SetConfigAcceptsAnyNameAndIgnoresCase) {
  config.SetConfig("plugin", "Acme.Plugin");
  EXPECT_EQ(config.GetConfig("PLUGIN"), "Acme.Plugin");
  config.SetConfig("Extra", "  x  ");
  EXPECT_EQ(config.GetConfig("Extra"), "x  ");
}

TEST_F(ConfigTest, SetConfigWithoutTheSettingsKeyChangesNothingSilently) {
  registry::deleteKey(kSettingsKey);
  config.SetConfig("plugin", "x");
  config.setSiteDirectory("/srv/other");
  EXPECT_FALSE(registry::keyExists(kSettingsKey));
  EXPECT_EQ(config.GetConfig("plugin"), "Error");
}

TEST_F(ConfigTest, ConnStringIsStoredOnlyWhenItOpens) {
  std::string bad[] = {"Provider=Nonsense;Data Source=x", "Provider=SQLite;Data Source=/no/such/folder/x.db", ""};
  for (const std::string& text : bad) {
    expect6145([&] { config.setConnString(text); }, "错误的数据库连接串：" + text);
    EXPECT_EQ(config.ConnString(), connString());
  }
  std::string other = "Provider=SQLite;Data Source=" + (dataDir() / "other.db").string();
  config.setConnString(other);
  EXPECT_EQ(config.ConnString(), other);
}

TEST_F(ConfigTest, TempPathIsCreatedTwoLevelsDeepOrRefusedAndNotStored) {
  std::string underFile = (dataDir() / "test.db" / "temp").string();  // a file stands in the way
  expect6145([&] { config.setTempPath(underFile); }, "错误的临时目录：" + underFile);
  expect6145([&] { config.setTempPath(""); }, "错误的临时目录：");
  EXPECT_EQ(config.TempPath(), tempDir());
  std::string deep = (dataDir() / "t1" / "t2").string();
  config.setTempPath(deep);
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_EQ(config.TempPath(), deep);
}

TEST_F(ConfigTest, SiteDirectoryIsStoredWithoutCheckEvenEmpty) {
  config.setSiteDirectory("/does/not/exist");
  EXPECT_EQ(config.SiteDirectory(), "/does/not/exist");
  config.setSiteDirectory("");
  EXPECT_EQ(config.SiteDirectory(), "");
}

TEST_F(ConfigTest, ValuesTooLongToReadBackAreRefusedByEverySetter) {
  // 254 bytes in the system code page read back; 255 would only ever read
  // as "Error" (and a ConnString so stored would break every command).
  std::string fits(254, 'a');
  std::string tooLong(255, 'a');
  std::string accented;  // 128 two-byte characters: 256 bytes
  for (int i = 0; i < 128; ++i) accented += "\u00e9";
  struct Setter { const char* name; std::function<void(const std::string&)> set; } setters[] = {
      {"ConnString", [&](const std::string& v) { config.setConnString(v); }},
      {"SiteDirectory", [&](const std::string& v) { config.setSiteDirectory(v); }},
      {"TempPath", [&](const std::string& v) { config.setTempPath(v); }},
      {"plugin", [&](const std::string& v) { config.SetConfig("plugin", v); }},
  };
  for (const Setter& setter : setters) {
    std::string before = config.GetConfig(setter.name);
    for (const std::string& value : {tooLong, accented}) {
      expect6145([&] { setter.set(value); }, std::string("Setting value longer than 254 bytes: ") + setter.name);
      EXPECT_EQ(config.GetConfig(setter.name), before) << setter.name;
    }
  }
  config.SetConfig("plugin", fits);
  EXPECT_EQ(config.GetConfig("plugin"), fits);
  std::string folder = (dataDir() / std::string(200, 't')).string();
  ASSERT_LE(folder.size(), 254u);
  config.setSiteDirectory(folder);
  EXPECT_EQ(config.SiteDirectory(), folder);
}

TEST_F(ConfigTest, LateBoundMembersInSlotOrder) {
  auto object = createObject("Corvela.Config");
  const char* names[] = {"ConnString", "SiteDirectory", "TempPath", "SetConfig", "GetConfig"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(object->memberId(names[i]), i + 1) << names[i];
  object->let("SiteDirectory", Variant("/srv/www"));
  EXPECT_EQ(object->get("sitedirectory").toString(), "/srv/www");
  Variant args[] = {Variant("deployplugin"), Variant("Deploy.Hook")};
  object->call("SetConfig", args);
  EXPECT_EQ(object->call("GetConfig", std::span<Variant>(args, 1)).toString(), "Deploy.Hook");
}

}  // namespace
}  // namespace corvela::core
