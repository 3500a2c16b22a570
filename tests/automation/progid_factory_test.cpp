// The ProgID factory: registered classes, the engine loaded on demand for
// "Corvela." ProgIDs, and in-process servers named in the registry.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/automation/progid_factory.h"
#include "platform/registry/registry.h"
#include "support/temp_env.h"

namespace corvela {
namespace {

int createError(std::string_view progId, std::string* source = nullptr) {
  try {
    createObject(progId);
  } catch (const ComError& e) {
    if (source) *source = e.source();
    return e.number();
  }
  return 0;
}

class ProgIdFactoryTest : public testing::IsolatedTest {
 protected:
  void registerServer(const std::string& progId, const std::string& library) {
    std::string key = "HKEY_CLASSES_ROOT\\" + progId;
    ASSERT_TRUE(registry::createKey(key));
    ASSERT_TRUE(registry::writeValue(key, "InprocServer", library));
  }
};

TEST_F(ProgIdFactoryTest, RegisteredClassesMatchCaselesslyAndOthersRaise429) {
  int made = 0;
  registerClass("Test.Counter", [&made] {
    ++made;
    return std::make_shared<Collection>();
  });
  EXPECT_EQ(createObject("test.COUNTER")->className(), "Collection");
  EXPECT_EQ(createObject("Test.Counter")->className(), "Collection");
  EXPECT_EQ(made, 2) << "every call creates a new object";
  // An unknown ProgID raises 429 with the run-time source.
  std::string source;
  EXPECT_EQ(createError("Nobody.Here", &source), 429);
  EXPECT_EQ(source, "Microsoft VBScript runtime error");
}

TEST_F(ProgIdFactoryTest, InprocServerFromTheRegistryAndNoOtherKey) {
  registerServer("Plugin.Thing", TEST_INPROC_SERVER);
  std::shared_ptr<Object> object = createObject("Plugin.Thing");
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->className(), "PluginThing");
  EXPECT_EQ(object->get("ProgId").toString(), "Plugin.Thing");

  // The library is there but does not know this ProgID.
  registerServer("Plugin.Other", TEST_INPROC_SERVER);
  EXPECT_EQ(createError("Plugin.Other"), 429);
  // The registry names a library that does not exist.
  registerServer("Plugin.Missing", (root_.path() / "missing.so").string());
  EXPECT_EQ(createError("Plugin.Missing"), 429);
}

TEST_F(ProgIdFactoryTest, RegistryServerTakesThePlaceOfAReplaceableClass) {
  registerReplaceableClass("Plugin.Thing", [] { return std::make_shared<Collection>(); });
  EXPECT_EQ(createObject("plugin.thing")->className(), "Collection") << "no server registered yet";
  registerServer("Plugin.Thing", TEST_INPROC_SERVER);
  EXPECT_EQ(createObject("Plugin.Thing")->className(), "PluginThing");
  // A ProgID cannot reach other registry keys.
  ASSERT_TRUE(registry::createKey("HKEY_CLASSES_ROOT\\Outer"));
  EXPECT_EQ(createError("Outer\\..\\Plugin.Thing"), 429);
  EXPECT_EQ(createError("Outer/../Plugin.Thing"), 429);
  EXPECT_EQ(createError(""), 429);
}

TEST_F(ProgIdFactoryTest, EngineProgIdLoadsTheEngineLibraryOnce) {
  testing::ScopedEnv libDir("CORVELA_LIB_DIR", TEST_FAKE_ENGINE_DIR);
  std::shared_ptr<Object> object = createObject("corvela.fakeenginething");
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(object->className(), "Collection");
  EXPECT_EQ(createError("Corvela.NoSuchClass"), 429);
}

}  // namespace
}  // namespace corvela
