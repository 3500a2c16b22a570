// Collection: ordering, keys, Before/After, Remove, enumeration and the
// late-bound members scripts use.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "automation/fake_objects.h"
#include "platform/automation/collection.h"

namespace corvela {
namespace {

using testing::errorOf;

std::string itemsOf(Collection& c) {
  std::string out;
  auto e = c.newEnum();
  Variant v;
  while (e->next(v)) out += v.toString() + ",";
  return out;
}

// A collection holding "a" and "b" under their own keys and "c" without one.
void addABC(Collection& c) {
  c.add(Variant("a"), "a");
  c.add(Variant("b"), "b");
  c.add(Variant("c"));
}

TEST(CollectionTest, KeysAreCaselessAndUnique) {
  Collection c;
  c.Add(Variant("one"), Variant("First"));
  c.Add(Variant("two"));
  c.Add(Variant("three"), Variant("\xC3\x84rger"));  // Ärger
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Item(Variant("FIRST")).toString(), "one");
  EXPECT_EQ(c.Item(Variant("\xC3\xA4RGER")).toString(), "three");
  EXPECT_EQ(c.Item(Variant(2)).toString(), "two");
  EXPECT_EQ(c.Item(Variant(1.6)).toString(), "two");  // index rounds like CLng
  ASSERT_NE(c.find("first"), nullptr);
  EXPECT_EQ(c.find("missing"), nullptr);

  EXPECT_EQ(errorOf([&] { c.Add(Variant("again"), Variant("first")); }), 457);
  EXPECT_EQ(c.Count(), 3) << "a rejected Add must not insert";
  EXPECT_EQ(errorOf([&] { c.Item(Variant(0)); }), 9);
  EXPECT_EQ(errorOf([&] { c.Item(Variant(4)); }), 9);
  EXPECT_EQ(errorOf([&] { c.Item(Variant("nope")); }), 5);
}

TEST(CollectionTest, BeforeAndAfterPlaceTheItem) {
  struct Case { const char* label; Variant before, after; const char* order; int error; } cases[] = {
      {"before index", Variant(1), Variant::missing(), "x,a,b,c,", 0},
      {"before key", Variant("B"), Variant::missing(), "a,x,b,c,", 0},
      {"after index", Variant::missing(), Variant(3), "a,b,c,x,", 0},
      {"after key", Variant::missing(), Variant("a"), "a,x,b,c,", 0}, {"both", Variant(1), Variant(2), "a,b,c,", 5},
      {"bad index", Variant(4), Variant::missing(), "a,b,c,", 9},
      {"bad key", Variant::missing(), Variant("zz"), "a,b,c,", 5},
  };
  for (const Case& k : cases) {
    Collection c;
    addABC(c);
    EXPECT_EQ(errorOf([&] { c.Add(Variant("x"), Variant::missing(), k.before, k.after); }), k.error) << k.label;
    EXPECT_EQ(itemsOf(c), k.order) << k.label;
  }
}

TEST(CollectionTest, RemoveFreesTheKeyAndShiftsIndexes) {
  Collection c;
  addABC(c);
  c.Remove(Variant("B"));
  EXPECT_EQ(itemsOf(c), "a,c,");
  EXPECT_EQ(c.find("b"), nullptr);
  c.Add(Variant("b2"), Variant("b"));
  c.Remove(Variant(1));
  EXPECT_EQ(itemsOf(c), "c,b2,");
  EXPECT_EQ(c.Item(Variant(1)).toString(), "c");
  EXPECT_EQ(c.Item(Variant("B")).toString(), "b2") << "keys still find their items after the shift";
  EXPECT_EQ(errorOf([&] { c.Remove(Variant(3)); }), 9);
  EXPECT_EQ(errorOf([&] { c.Remove(Variant("a")); }), 5);
}

TEST(CollectionTest, EnumerationWalksASnapshot) {
  Collection c;
  c.add(Variant(1));
  c.add(Variant(2));
  auto e = c.newEnum();
  c.Remove(Variant(1));
  c.add(Variant(3));
  std::vector<int> seen;
  Variant v;
  while (e->next(v)) seen.push_back(v.toLong());
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(CollectionTest, LateBoundMembers) {
  auto c = std::make_shared<Collection>();
  Object& o = *c;
  std::vector<Variant> addArgs{Variant("v"), Variant("k")};
  o.call("add", addArgs);
  std::vector<Variant> onlyItem{Variant("w"), Variant::missing(), Variant(1)};
  o.call("Add", onlyItem);
  EXPECT_EQ(o.get("COUNT").toLong(), 2);

  std::vector<Variant> index{Variant("K")};
  Variant result;
  o.invoke(DISPID_VALUE, static_cast<InvokeKind>(InvokeMethod | InvokeGet), index, result);
  EXPECT_EQ(result.toString(), "v");
  std::vector<Variant> first{Variant(1)};
  EXPECT_EQ(o.get("Item", first).toString(), "w");
  EXPECT_EQ(Variant(std::shared_ptr<Object>(c)).typeName(), "Collection");
  EXPECT_EQ(errorOf([&] { o.get("Item"); }), 450);
}

}  // namespace
}  // namespace corvela
