// Tests of Scripting.Dictionary through its late-bound members.
#include "platform/scripting/dictionary.h"

#include "platform/automation/progid_factory.h"
#include "platform/scripting/scripting_classes.h"
#include "script_call.h"

namespace corvela::scripting {
namespace {

std::vector<std::string> keysOf(const std::shared_ptr<Object>& d) {
  Variant keys = call(d, "Keys");
  std::vector<std::string> out;
  for (const Variant& key : keys.rawArray()->items) out.push_back(key.toString());
  return out;
}

class DictionaryTest : public ::testing::Test {
 protected:
  Variant invoke(DispId id, InvokeKind kind, std::vector<Variant> args) {
    Variant result;
    d_->invoke(id, kind, args, result);
    return result;
  }
  std::shared_ptr<Object> d_ = std::make_shared<Dictionary>();
};

TEST_F(DictionaryTest, KeysOfDifferentKindsAreDistinctButEqualNumbersAreOne) {
  call(d_, "Add", {Variant(1), "long one"});
  call(d_, "Add", {Variant("1"), "text one"});
  call(d_, "Add", {Variant(true), "true"});
  call(d_, "Add", {Variant(), "empty"});
  call(d_, "Add", {Variant::fromDate(1.0), "date"});
  EXPECT_EQ(get(d_, "Count").toLong(), 5);
  const struct { Variant key; const char* item; } lookups[] = {
      {Variant::fromInteger(1), "long one"}, {Variant(1.0), "long one"}, {Variant::fromByte(1), "long one"},
      {Variant::fromCurrency(10000), "long one"}, {Variant("1"), "text one"}, {Variant(true), "true"},
      {Variant(), "empty"}, {Variant::fromDate(1.0), "date"},
  };
  for (const auto& lookup : lookups) EXPECT_EQ(get(d_, "Item", {lookup.key}).toString(), lookup.item);
  EXPECT_FALSE(call(d_, "Exists", {Variant(-1)}).toBool()) << "True is not the number -1 here";
  EXPECT_FALSE(call(d_, "Exists", {Variant("01")}).toBool());
  // Objects are keys by identity.
  auto first = std::make_shared<Dictionary>();
  auto second = std::make_shared<Dictionary>();
  call(d_, "Add", {Variant(std::shared_ptr<Object>(first)), "first"});
  EXPECT_TRUE(call(d_, "Exists", {Variant(std::shared_ptr<Object>(first))}).toBool());
  EXPECT_FALSE(call(d_, "Exists", {Variant(std::shared_ptr<Object>(second))}).toBool());
}

TEST_F(DictionaryTest, ErrorsCarryVBScriptNumbers) {
  call(d_, "Add", {Variant("a"), Variant(1)});
  const struct { const char* what; std::function<void()> action; int number; } cases[] = {
      {"duplicate Add", [&] { call(d_, "Add", {Variant("a"), Variant(2)}); }, 457},
      {"Remove of a missing key", [&] { call(d_, "Remove", {Variant("zz")}); }, 32811},
      {"Key of a missing key", [&] { d_->let("Key", Variant("x")); }, 450},
      {"CompareMode with items", [&] { d_->let("CompareMode", Variant(1)); }, 5},
      {"array as key", [&] { call(d_, "Add", {Variant::array(std::vector<Variant>{}), Variant(1)}); }, 13},
      {"Add with one argument", [&] { call(d_, "Add", {Variant("b")}); }, 450},
  };
  for (const auto& c : cases) EXPECT_EQ(errorNumberOf(c.action), c.number) << c.what;
  EXPECT_EQ(errorNumberOf([&] { invoke(d_->memberId("Key"), InvokeLet, {"missing", "new"}); }), 32811);
  EXPECT_EQ(get(d_, "Count").toLong(), 1);
  // Reading a missing item adds it empty.
  Variant value = get(d_, "Item", {Variant("ghost")});
  EXPECT_TRUE(value.isEmpty());
  EXPECT_TRUE(call(d_, "Exists", {Variant("ghost")}).toBool());
  EXPECT_EQ(get(d_, "Count").toLong(), 2);
}

TEST_F(DictionaryTest, DefaultMemberReadsAndWritesItems) {
  invoke(DISPID_VALUE, InvokeLet, {"k", Variant(42)});
  EXPECT_EQ(invoke(DISPID_VALUE, static_cast<InvokeKind>(InvokeMethod | InvokeGet), {"k"}).toLong(), 42);
  invoke(d_->memberId("ITEM"), InvokeSet, {"k", Variant(std::shared_ptr<Object>(std::make_shared<Dictionary>()))});
  EXPECT_TRUE(get(d_, "Item", {Variant("k")}).isObject());
}

TEST_F(DictionaryTest, KeepsInsertionOrderThroughRenamesAndRemovals) {
  for (int i = 0; i < 200; ++i) call(d_, "Add", {Variant("k" + std::to_string(i)), Variant(i)});
  for (int i = 0; i < 200; i += 2) call(d_, "Remove", {Variant("k" + std::to_string(i))});
  invoke(d_->memberId("Key"), InvokeLet, {"k1", "first"});
  std::vector<std::string> keys = keysOf(d_);
  ASSERT_EQ(keys.size(), 100u);
  EXPECT_EQ(keys[0], "first");
  EXPECT_EQ(keys[1], "k3");
  EXPECT_EQ(keys[99], "k199");
  EXPECT_EQ(get(d_, "Item", {Variant("first")}).toLong(), 1);
  Variant items = call(d_, "Items");
  EXPECT_EQ(items.rawArray()->items[1].toLong(), 3);
  EXPECT_EQ(items.rawArray()->bounds[0].lower, 0);

  std::vector<std::string> enumerated;
  auto it = d_->newEnum();
  for (Variant key; it->next(key);) enumerated.push_back(key.toString());
  EXPECT_EQ(enumerated, keys);

  call(d_, "RemoveAll");
  EXPECT_EQ(get(d_, "Count").toLong(), 0);
  EXPECT_TRUE(keysOf(d_).empty());
}

TEST_F(DictionaryTest, TextCompareModeFoldsCase) {
  d_->let("CompareMode", Variant(1));
  EXPECT_EQ(get(d_, "CompareMode").toLong(), 1);
  call(d_, "Add", {Variant("Straße"), Variant(1)});
  call(d_, "Add", {Variant("ΣΟΦΙΑ"), Variant(2)});
  EXPECT_TRUE(call(d_, "Exists", {Variant("STRAßE")}).toBool());
  EXPECT_EQ(get(d_, "Item", {Variant("σοφια")}).toLong(), 2);
  EXPECT_EQ(errorNumberOf([&] { call(d_, "Add", {Variant("straße"), Variant(3)}); }), 457);
  EXPECT_EQ(keysOf(d_)[0], "Straße") << "keys keep the case they were added with";

  auto binary = std::make_shared<Dictionary>();
  call(binary, "Add", {Variant("A"), Variant(1)});
  EXPECT_FALSE(call(binary, "Exists", {Variant("a")}).toBool());
}

TEST(ScriptingClassesTest, RegisteredProgIdsCreateObjects) {
  registerScriptingClasses();
  EXPECT_EQ(createObject("Scripting.Dictionary")->className(), "Dictionary");
  EXPECT_EQ(createObject("scripting.filesystemobject")->className(), "FileSystemObject");
}

}  // namespace
}  // namespace corvela::scripting
