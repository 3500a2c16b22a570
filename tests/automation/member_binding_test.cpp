// Declarative member tables: conversions from the C++ signature, defaults of
// optional parameters, by-reference write-back and the count checks.
#include "platform/automation/member_binding.h"

#include <gtest/gtest.h>

#include "automation/fake_objects.h"

namespace corvela {
namespace {

class Item : public DispatchObject<Item> {
 public:
  static constexpr std::string_view kClassName = "Item";
  static const DispatchTable<Item>& dispatchTable();
};

const DispatchTable<Item>& Item::dispatchTable() {
  static const DispatchTable<Item> table = Members<Item>().build();
  return table;
}

int32_t lastCounted = 0;
int32_t countTimes(int32_t times, int32_t step) { return lastCounted = times * step; }
void countOnce(ByRef<int32_t> counter) { *counter += 1; }

class Bound : public DispatchObject<Bound> {
 public:
  static constexpr std::string_view kClassName = "Bound";
  static const DispatchTable<Bound>& dispatchTable();

  std::string Join(std::string_view text, int32_t times, bool upper) {
    std::string out;
    for (int32_t i = 0; i < times; ++i) out += text;
    if (upper)
      for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
  }
  void Swap(ByRef<int32_t> a, ByRef<std::string> b) {
    std::string old = *b;
    *b = std::to_string(*a);
    *a = static_cast<int32_t>(old.size());
  }
  int16_t Small() const { return 7; }
  OleDate Day(OleDate d) { return OleDate{d.days + 1}; }
  std::string Name() const { return name_; }
  void setName(const std::string& name) { name_ = name; }
  Variant Cell(int32_t row, int32_t col) { return Variant(row * 10 + col); }
  void setCell(int32_t row, int32_t col, const Variant& value) { last_ = row * 10 + col + value.toLong(); }
  std::shared_ptr<Item> Child() { return child_; }
  void setChild(std::shared_ptr<Item> child) { child_ = std::move(child); }
  bool Raw(const Variant& v) { return v.isObject(); }

  std::string name_;
  int32_t last_ = 0;
  std::shared_ptr<Item> child_;
};

const DispatchTable<Bound>& Bound::dispatchTable() {
  static const DispatchTable<Bound> table = Members<Bound>()
                                                .method<&Bound::Join>("Join", {2, false})
                                                .method<&Bound::Swap>("Swap")
                                                .readOnly<&Bound::Small>("Small")
                                                .method<&Bound::Day>("Day")
                                                .property<&Bound::Name, &Bound::setName>("Name")
                                                .asDefault()
                                                .property<&Bound::Cell, &Bound::setCell>("Cell", {0})
                                                .property<&Bound::Child, &Bound::setChild>("Child")
                                                .method<&Bound::Raw>("Raw")
                                                .method<&countTimes>("CountTimes", {1})
                                                .method<&countOnce>("CountOnce")
                                                .build();
  return table;
}

Variant callOn(Object& o, std::string_view name, std::vector<Variant> args, InvokeKind kind = InvokeMethod) {
  Variant result;
  o.invoke(o.memberId(name), kind, args, result);
  return result;
}

using testing::errorOf;

TEST(MemberBinding, ConvertsArgumentsAndFillsTrailingDefaults) {
  Bound b;
  EXPECT_EQ(callOn(b, "Join", {"ab"}).toString(), "abab");
  EXPECT_EQ(callOn(b, "Join", {"ab", "3"}).toString(), "ababab");
  EXPECT_EQ(callOn(b, "Join", {"ab", Variant::missing(), true}).toString(), "ABAB");
  EXPECT_EQ(callOn(b, "Small", {}, InvokeGet).type(), VarType::Integer);
  Variant day = callOn(b, "Day", {Variant::fromDate(100)});
  EXPECT_EQ(day.type(), VarType::Date);
  EXPECT_EQ(day.rawDate(), 101);
}

TEST(MemberBinding, FreeFunctionsBindWithTheirOwnArgumentsAndCountsFollowTheSignature) {
  Bound b;
  EXPECT_EQ(callOn(b, "CountTimes", {"6", 7}).toLong(), 42);
  EXPECT_EQ(callOn(b, "CountTimes", {5}).toLong(), 5);
  EXPECT_EQ(lastCounted, 5);
  EXPECT_EQ(errorOf([&] { callOn(b, "CountTimes", {}); }), 450);
  std::vector<Variant> args{Variant(1)};
  Variant result;
  b.invoke(b.memberId("CountOnce"), InvokeMethod, args, result);
  EXPECT_EQ(args[0].toLong(), 2);
  EXPECT_EQ(errorOf([&] { callOn(b, "Join", {}); }), 450);
  EXPECT_EQ(errorOf([&] { callOn(b, "Join", {"a", 1, true, 4}); }), 450);
  EXPECT_EQ(errorOf([&] { callOn(b, "Join", {Variant::missing(), 2}); }), 449);
  EXPECT_EQ(errorOf([&] { callOn(b, "Join", {"a", "x"}); }), 13);
}

TEST(MemberBinding, ByRefWritesBackIntoTheCallersArgumentsThroughDefaultPadding) {
  Bound b;
  std::vector<Variant> args{Variant(12), Variant("four")};
  Variant result;
  b.invoke(b.memberId("Swap"), InvokeMethod, args, result);
  EXPECT_EQ(args[0].toLong(), 4);
  EXPECT_EQ(args[1].toString(), "12");
  std::vector<Variant> padded{Variant("x"), Variant::missing()};
  b.invoke(b.memberId("Join"), InvokeMethod, padded, result);
  EXPECT_EQ(result.toString(), "xx");
  EXPECT_TRUE(padded[1].isMissing()) << "an omitted argument stays omitted";
  EXPECT_EQ(padded[0].toString(), "x") << "a given argument is handed back";
}

TEST(MemberBinding, PropertiesTakeIndexesAndTheValueLast) {
  Bound b;
  callOn(b, "Name", {"n1"}, InvokeLet);
  EXPECT_EQ(b.name_, "n1");
  Variant result;
  b.invoke(DISPID_VALUE, InvokeGet, {}, result);
  EXPECT_EQ(result.toString(), "n1") << "asDefault marks the default member";
  EXPECT_EQ(callOn(b, "Cell", {2, 3}, InvokeGet).toLong(), 23);
  EXPECT_EQ(callOn(b, "Cell", {2}, InvokeGet).toLong(), 20);
  callOn(b, "Cell", {4, 5, 100}, InvokeLet);
  EXPECT_EQ(b.last_, 145);
}

TEST(MemberBinding, ObjectParametersAcceptNothingAndRefuseOtherClasses) {
  Bound b;
  auto item = std::make_shared<Item>();
  callOn(b, "Child", {Variant(std::shared_ptr<Object>(item))}, InvokeSet);
  EXPECT_EQ(b.child_, item);
  EXPECT_EQ(callOn(b, "Child", {}, InvokeGet).rawObject(), item);
  callOn(b, "Child", {Variant::nothing()}, InvokeSet);
  EXPECT_EQ(b.child_, nullptr);
  auto other = std::make_shared<Bound>();
  EXPECT_EQ(errorOf([&] { callOn(b, "Child", {Variant(std::shared_ptr<Object>(other))}, InvokeSet); }), 13);
  EXPECT_TRUE(callOn(b, "Raw", {Variant(std::shared_ptr<Object>(other))}).toBool())
      << "a Variant parameter receives the argument undereferenced";
}

}  // namespace
}  // namespace corvela
