// Tests of the locale collation behind vbTextCompare ordering: alphabetic
// order with accents kept and case ignored, pinyin order in zh-CN, and the
// hyphen and apostrophe that only break ties.
#include "platform/text/collation.h"

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace corvela::text {
namespace {

constexpr int kEnUs = 1033;
constexpr int kZhCn = 2052;

struct OrderCase {
  const char* a;
  const char* b;
  int expected;
};

// Checks each case both ways round, so an ordering that is not antisymmetric
// (a tie-break that favours the left side, say) fails too.
void expectOrders(int lcid, std::initializer_list<OrderCase> cases) {
  for (const OrderCase& c : cases) {
    EXPECT_EQ(compareCollated(c.a, c.b, lcid), c.expected) << lcid << ": \"" << c.a << "\" vs \"" << c.b << '"';
    EXPECT_EQ(compareCollated(c.b, c.a, lcid), -c.expected) << lcid << ": \"" << c.b << "\" vs \"" << c.a << '"';
  }
}

TEST(CollationTest, EnglishOrdersAccentsBesideTheirLetterAndIgnoresCase) {
  expectOrders(kEnUs, {
                          {"ä", "b", -1},           // code points would put ä after b
                          {"Z", "ä", 1},            // ... and after Z
                          {"é", "f", -1},
                          {"Ä", "ä", 0},            // case ignored
                          {"abc", "ABD", -1},
                          {"a", "ä", -1},           // the accent still counts
                          {"äa", "ab", -1},         // but only after the letters
                          {"Straße", "STRASSE", 0}, // ß, æ and œ as the pairs they stand for
                          {"Encyclopædia", "ENCYCLOPAEDIA", 0}, {"Œuvre", "oeuvre", 0}, {"Strasse", "Straßf", -1},
                          {"ＡＢＣ", "abc", 0},     // width ignored
                          {"", "a", -1},
                          {"10", "9", -1},          // digits one by one, not as numbers
                      });
}

TEST(CollationTest, HyphenAndApostropheOnlyBreakTies) {
  expectOrders(kEnUs, {
                          {"coop", "co-op", -1},    // equal letters: the plain word first
                          {"co-op", "coo", 1},      // "coop" > "coo", the hyphen aside
                          {"co-op", "cop", -1},
                          {"O'Neil", "Ona", 1},     // "ONeil" > "Ona"
                          {"CO-OP", "co-op", 0},    // same marks in the same place
                          {"-b", "a", 1}, {"-", "", 1},
                          {"co-op", "coo-p", -1},   // then by where the mark stands
                          {"ä-b", "a-c", -1},
                      });
}

TEST(CollationTest, ChineseOrdersHanByPinyinOtherLocalesByCodePoint) {
  expectOrders(kZhCn, {
                          {"中", "国", 1},          // zhong after guo, though U+4E2D < U+56FD
                          {"阿", "波", -1},         // a before bo: the reverse of code point order
                          {"北京", "上海", -1},
                          {"z", "阿", -1},          // Latin letters before Han
                          {"ä", "b", -1}, {"Ä", "ä", 0}, {"ß", "SS", 0},
                      });
  // One thread switching locales must not be handed the other's collator.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(compareCollated("阿", "波", kZhCn), -1);
    EXPECT_EQ(compareCollated("阿", "波", kEnUs), 1);  // outside zh-CN, Han by code point
  }
}

TEST(CollationTest, EveryThreadGetsWorkingCollators) {
  std::vector<std::thread> threads;
  std::atomic<int> wrong{0};
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&wrong] {
      for (int i = 0; i < 100; ++i) {
        if (compareCollated("中", "国", kZhCn) != 1) ++wrong;
        if (compareCollated("ä", "B", kEnUs) != -1) ++wrong;
      }
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(wrong.load(), 0);
}

TEST(CollationTest, InvalidUtf8OrdersAsReplacementCharacter) {
  EXPECT_EQ(compareCollated("\xFF", "\xEF\xBF\xBD", kEnUs), 0);
  EXPECT_EQ(compareCollated("a\x80", "a\xEF\xBF\xBD", kEnUs), 0);
  EXPECT_EQ(compareCollated("a\x80", "b", kEnUs), -1);
}

}  // namespace
}  // namespace corvela::text
