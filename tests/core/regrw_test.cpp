// RegRW: key-name splitting, the 255-byte read buffer, trimming, and writes
// that never create keys.
#include <gtest/gtest.h>

#include "core/regrw.h"
#include "platform/registry/registry.h"
#include "support/temp_env.h"

namespace corvela::core {
namespace {

using testing::IsolatedTest;
using testing::ScopedEnv;

constexpr std::string_view kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela";

class RegRWTest : public IsolatedTest {
 protected:
  RegRWTest() { registry::createKey(kKey); }
  void store(std::string_view name, std::string_view value) { ASSERT_TRUE(registry::writeValue(kKey, name, value)); }
};

TEST(RegRWSplit, RootsAndSubkeys) {
  struct Case { std::string name; RegRW::RootKey root; std::string subkey; } cases[] = {
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvela", RegRW::RootKey::LocalMachine, "SOFTWARE\\Corvela"},
      {"HKEY_CLASSES_ROOT\\UTF8.Encoder", RegRW::RootKey::ClassesRoot, "UTF8.Encoder"},
      {"HKEY_CURRENT_USER", RegRW::RootKey::CurrentUser, ""}, {"HKEY_DYN_DATA\\x", RegRW::RootKey::DynData, "x"},
      {"hkey_local_machine\\SOFTWARE", RegRW::RootKey::None, ""},  // roots compare exactly
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\", RegRW::RootKey::None, ""}, {"SOFTWARE\\Corvela", RegRW::RootKey::None, ""},
      {"HKEY_NOWHERE\\x", RegRW::RootKey::None, ""}, {"", RegRW::RootKey::None, ""},
  };
  for (const auto& c : cases) {
    RegRW::SplitKey split = RegRW::splitKeyName(c.name);
    EXPECT_EQ(split.root, c.root) << c.name;
    EXPECT_EQ(split.subkey, c.subkey) << c.name;
  }
}

TEST_F(RegRWTest, MissingKeyOrValueReadsAsErrorAndRefusedRootAsEmpty) {
  EXPECT_EQ(RegRW::readValue(kKey, "NoSuchValue"), "Error");
  EXPECT_EQ(RegRW::readValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Nowhere", "ConnString"), "Error");
  // A refused root reads as empty.
  EXPECT_EQ(RegRW::readValue("HKEY_BOGUS\\SOFTWARE\\Corvela", "x"), "");
  EXPECT_EQ(RegRW::readValue("SOFTWARE\\Corvela", "x"), "");
}

TEST_F(RegRWTest, TrimsLeadingSpacesKeepsTrailingAndCutsAtNul) {
  struct Case { std::string stored, read; } cases[] = {
      {"  /srv/site", "/srv/site"}, {"/srv/site  ", "/srv/site  "}, {"   ", ""}, {"", ""},
      {std::string("ab\0cd", 5), "ab"}, {std::string(" \0x", 3), ""},
  };
  for (const auto& c : cases) {
    store("V", c.stored);
    EXPECT_EQ(RegRW::readValue(kKey, "V"), c.read);
  }
}

TEST_F(RegRWTest, ValuesOf255BytesOrMoreReadAsError) {
  ScopedEnv codePage("CORVELA_CODEPAGE", "UTF-8");
  for (size_t size : {254, 255, 1000}) {
    store("V", std::string(size, 'x'));
    EXPECT_EQ(RegRW::readValue(kKey, "V"), size < 255 ? std::string(size, 'x') : "Error") << size;
  }
}

TEST_F(RegRWTest, TheLimitCountsBytesOfTheSystemCodePage) {
  std::string chinese;
  for (int i = 0; i < 127; ++i) chinese += "栏";  // 2 bytes each in GB2312, 3 in UTF-8
  store("V", chinese);
  {
    ScopedEnv codePage("CORVELA_CODEPAGE", "GB2312");
    EXPECT_EQ(RegRW::readValue(kKey, "V"), chinese);
    store("V", chinese + "栏");
    EXPECT_EQ(RegRW::readValue(kKey, "V"), "Error");
  }
  ScopedEnv codePage("CORVELA_CODEPAGE", "UTF-8");
  store("V", chinese.substr(0, 84 * 3));
  EXPECT_EQ(RegRW::readValue(kKey, "V"), chinese.substr(0, 84 * 3));
  store("V", chinese.substr(0, 85 * 3));
  EXPECT_EQ(RegRW::readValue(kKey, "V"), "Error");
}

TEST_F(RegRWTest, WriteStoresIntoExistingKeyOnly) {
  RegRW::writeValue(kKey, "SiteDirectory", "/srv/site");
  EXPECT_EQ(RegRW::readValue(kKey, "SiteDirectory"), "/srv/site");
  RegRW::writeValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other", "x", "y");
  EXPECT_FALSE(registry::keyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other"));
  EXPECT_EQ(RegRW::readValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Other", "x"), "Error");
}

}  // namespace
}  // namespace corvela::core
