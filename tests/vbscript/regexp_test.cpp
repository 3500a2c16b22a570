// RegExp on PCRE2: JScript's pattern dialect where PCRE2 differs, Unicode
// text (offsets in characters), Replace templates and functions, the
// late-bound members of RegExp/Matches/Match/SubMatches, and the errors.
#include "platform/vbscript/regexp.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"

namespace corvela::vbs {
namespace {

struct Flags {
  bool ignoreCase = false, global = true, multiline = false;
};

std::shared_ptr<RegExp> makeRegExp(std::string pattern, Flags flags = {}) {
  auto re = std::make_shared<RegExp>();
  re->setPattern(std::move(pattern));
  re->setIgnoreCase(flags.ignoreCase);
  re->setGlobal(flags.global);
  re->setMultiline(flags.multiline);
  return re;
}

// Every match as "value@firstIndex", joined by spaces.
std::string matchesOf(RegExp& re, std::string_view text) {
  const std::shared_ptr<Object> held = re.Execute(text);
  auto& matches = static_cast<MatchCollection&>(*held);
  std::string out;
  for (int32_t i = 0; i < matches.Count(); ++i) {
    const std::shared_ptr<Object> match = matches.Item(i);
    const auto& m = static_cast<const Match&>(*match);
    if (!out.empty()) out += ' ';
    out += m.Value() + "@" + std::to_string(m.FirstIndex());
  }
  return out;
}

int errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ComError& e) {
    return e.number();
  }
  return 0;
}

struct DialectCase {
  const char* pattern;
  Flags flags;
  std::string text;
  const char* expected;
};

TEST(RegExp, JScriptDialectOnPcre2) {
  const DialectCase cases[] = {
      {"\\d+", {}, "ab١٢3x45", "3@4 45@6"},             // \d is ASCII only
      {"\\w+", {}, "héllo", "h@0 llo@2"},                // so is \w
      {"\\bo", {}, "é o", "o@2"},
      {".", {}, "a\r\nb\xe2\x80\xa8" "c", "a@0 b@3 c@5"}, // "." stops at every line terminator
      {"^b", {false, true, true}, "a\rb", "b@2"},        // \r alone ends a line under Multiline
      {"a$", {false, true, true}, "a\r\na", "a@0 a@3"}, {"^a", {}, "b\na", ""},
      {"a$", {}, "a\n", ""},                              // $ only at the very end
      {"\\v", {}, "\n\x0b", "\x0b@1"},                   // \v is U+000B, not any vertical space
      {"[\\b]", {}, "b\x08", "\x08@1"}, {"\\u4e2d", {}, "中文", "中@0"},
      {"\\x41\\u", {}, "Au", "Au@0"},                    // \u without four hex digits is "u"
      {"\\A\\Q", {}, "AQ", "AQ@0"},                      // unknown escapes are the letters
      {"[[:alpha:]]", {}, "a]", "a]@0"},                 // no POSIX classes
      {"[\\w-.]+", {}, "a-.b c", "a-.b@0 c@5"},           // "-" beside \w is a plain "-"
      {"[.-\\d]+", {}, "x.-5", ".-5@1"}, {"[a-c-e]+", {}, "b-ed", "b-e@0"},
      {"a{,2}", {}, "a{,2}", "a{,2}@0"},                 // not a quantifier
      {"a{2}", {}, "aaa", "aa@0"},
      {"\\1(a)", {}, "a", "a@0"},                        // a reference to an unset group is empty
      {"(a)\\1", {}, "aa", "aa@0"},
      {"\\2(a)", {}, std::string("\x02" "a"), "\x02" "a@0"},  // no group 2: octal
      {"[]a", {}, "a", ""},                              // [] matches nothing
      {"[^]", {}, "\n", "\n@0"},                          // [^] matches anything
      {"ÄÖ", {true}, "xäö", "äö@1"}, {"straße", {true}, "STRASSE Straße", "Straße@8"},
      {"世界", {}, "你好世界，世界", "世界@2 世界@5"},
      {"x*", {}, "ab", "@0 @1 @2"},                       // empty matches step one character
      {"a|", {}, "ba", "@0 a@1 @2"},
      {"a", {false, false}, "aaa", "a@0"},                // not Global: the first only
      {"\\cJ", {}, "\n", "\n@0"},
  };
  for (const DialectCase& c : cases) {
    auto re = makeRegExp(c.pattern, c.flags);
    EXPECT_EQ(matchesOf(*re, c.text), c.expected) << "pattern " << c.pattern;
  }
}

TEST(RegExp, MatchesCarrySubMatchesAndCharacterLengths) {
  auto re = makeRegExp("(\\d+)年(\\d+)?月|(x)");
  auto matches = re->Execute("是2003年月");
  auto& collection = static_cast<MatchCollection&>(*matches);
  ASSERT_EQ(collection.Count(), 1);
  const std::shared_ptr<Object> match = collection.Item(0);
  auto& m = static_cast<Match&>(*match);
  EXPECT_EQ(m.Value(), "2003年月");
  EXPECT_EQ(m.FirstIndex(), 1);
  EXPECT_EQ(m.Length(), 6);
  const std::shared_ptr<Object> subMatches = m.SubMatches();
  auto& sub = static_cast<SubMatches&>(*subMatches);
  ASSERT_EQ(sub.Count(), 3);
  EXPECT_EQ(sub.Item(0).toString(), "2003");
  EXPECT_TRUE(sub.Item(1).isEmpty()) << "a group that took no part is Empty";
  EXPECT_TRUE(sub.Item(2).isEmpty());
  EXPECT_EQ(errorOf([&] { sub.Item(3); }), 5);
  EXPECT_EQ(errorOf([&] { collection.Item(-1); }), 5);
}

struct ReplaceCase {
  const char* pattern;
  Flags flags;
  const char* text;
  const char* replacement;
  const char* expected;
};

TEST(RegExp, ReplaceTemplates) {
  const ReplaceCase cases[] = {
      {"(\\w+) (\\w+)", {}, "hello world", "$2 $1", "world hello"}, {"o", {}, "foo", "[$&]", "f[o][o]"},
      {"b", {}, "abc", "<$`|$'>", "a<a|c>c"}, {"b", {}, "abc", "$$", "a$c"},
      {"(b)", {}, "abc", "$2$0$", "a$2$0$c"},             // no group 2, no $0: left as written
      {"(b)", {}, "abc", "$10", "ab0c"},                  // $10 with one group is $1 then "0"
      {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", {}, "abcdefghij", "$10$9", "ji"}, {"(x)?b", {}, "abc", "[$1]", "a[]c"},
      {"o", {false, false}, "foo", "0", "f0o"},
      {"世", {}, "你好世界世界", "🌍", "你好🌍界🌍界"}, {"^", {false, true, true}, "a\nb", "> ", "> a\n> b"},
      {"L", {true}, "hello", "1", "he11o"},
  };
  for (const ReplaceCase& c : cases) {
    auto re = makeRegExp(c.pattern, c.flags);
    EXPECT_EQ(re->Replace(c.text, c.replacement), c.expected) << "pattern " << c.pattern << " with " << c.replacement;
  }
}

// Stands in for a GetRef function: returns "<arguments joined by |>".
class JoiningFunction : public Object {
 public:
  std::string_view className() const override { return "Object"; }
  DispId memberId(std::string_view) const override { return DISPID_UNKNOWN; }
  void invoke(DispId id, InvokeKind kind, std::span<Variant> args, Variant& result) override {
    EXPECT_EQ(id, DISPID_VALUE);
    EXPECT_TRUE(kind & InvokeMethod);
    std::string text = "<";
    for (size_t i = 0; i < args.size(); ++i) text += (i ? "|" : "") + args[i].toString();
    result = Variant(text + ">");
  }
};

TEST(RegExp, ReplaceWithAFunctionPassesMatchGroupsOffsetAndText) {
  auto re = makeRegExp("(\\d)(x)?");
  JoiningFunction function;
  EXPECT_EQ(re->ReplaceWith("é1-2x", function), "é<1|1||1|é1-2x>-<2x|2|x|3|é1-2x>");
}

TEST(RegExp, PatternErrorsSurfaceWhenThePatternIsUsed) {
  const std::pair<const char*, int> cases[] = {
      {"(a", 5020},    {"[a", 5019},       {"[z-a]", 5021},  {"*a", 5018},      {"a**", 5018},
      {"a*+", 5018},   {"a{2}{3}", 5018},  {"(*ACCEPT)", 5018}, {"(?<=a)b", 5017}, {"(?<n>a)", 5017},
      {"(?i)a", 5017}, {"a)", 5017},       {"a\\", 5017},    {"a???", 5018},
  };
  for (const auto& [pattern, number] : cases) {
    auto re = std::make_shared<RegExp>();
    EXPECT_EQ(errorOf([&] { re->setPattern(pattern); }), 0) << pattern;
    try {
      re->Test("a");
      ADD_FAILURE() << pattern << " compiled";
    } catch (const ComError& e) {
      EXPECT_EQ(e.number(), number) << pattern;
      EXPECT_EQ(e.source(), kRuntimeErrorSource);
      EXPECT_EQ(e.description(), standardErrorText(number));
    }
  }
  EXPECT_EQ(errorOf([] { makeRegExp("a??")->Test("a"); }), 0) << "one lazy mark is fine";
  for (int attempt = 0; attempt < 2; ++attempt)
    EXPECT_EQ(errorOf([] { makeRegExp("(b")->Test("b"); }), 5020) << "a bad pattern fails every time it is used";
}

TEST(RegExp, ObjectsSharingAPatternKeepTheirOwnFlagsAndResults) {
  auto plain = makeRegExp("^a.");
  auto caseless = makeRegExp("^a.", {true});
  auto lines = makeRegExp("^a.", {false, true, true});
  EXPECT_EQ(matchesOf(*plain, "ab\nAc\nac"), "ab@0");
  EXPECT_EQ(matchesOf(*caseless, "Ab"), "Ab@0");
  EXPECT_EQ(matchesOf(*lines, "ab\nAc\nac"), "ab@0 ac@6");
  std::vector<std::thread> threads;
  std::vector<std::string> results(4);
  for (size_t t = 0; t < results.size(); ++t) {
    threads.emplace_back([&results, t] {
      auto re = makeRegExp("(\\d+)");
      for (int i = 0; i < 200; ++i) results[t] = matchesOf(*re, "x" + std::to_string(t) + "y22");
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (size_t t = 0; t < results.size(); ++t)
    EXPECT_EQ(results[t], std::to_string(t) + "@1 22@3") << "thread " << t;
}

TEST(RegExp, RunawayBacktrackingRaisesInsteadOfHanging) {
  auto re = makeRegExp("(a+)+$");
  EXPECT_EQ(errorOf([&] { re->Test(std::string(40, 'a') + "!"); }), 28);
}

TEST(RegExp, LongSubjectsDoNotRunOutOfMatcherStack) {
  std::string text;
  for (int i = 0; i < 50000; ++i) text += "ab";
  text += 'c';
  for (const char* pattern : {"(a|b)*c", "^([^\"]|\"\")*$", "(.)*c"}) {
    auto re = makeRegExp(pattern);
    EXPECT_EQ(errorOf([&] { EXPECT_TRUE(re->Test(text)) << pattern; }), 0) << pattern;
  }
}

Variant invokeByName(Object& object, std::string_view name, int kind, std::vector<Variant> args = {}) {
  const DispId id = object.memberId(name);
  EXPECT_NE(id, DISPID_UNKNOWN) << name;
  Variant result;
  object.invoke(id, static_cast<InvokeKind>(kind), args, result);
  return result;
}

// Scripts reach these members late-bound; the corpus programs regexp*.vbs
// and inspect_b.vbs run the common uses (Replace, Execute, For Each, the
// type names). What they do not reach is pinned here.
TEST(RegExp, LateBoundMembersAsScriptsUseThem) {
  std::shared_ptr<Object> re = createRegExp();
  invokeByName(*re, "pattern", InvokeLet, {Variant("(\\w)(\\d)")});
  invokeByName(*re, "GLOBAL", InvokeLet, {Variant(true)});
  invokeByName(*re, "IgnoreCase", InvokeLet, {Variant(1)});
  EXPECT_EQ(invokeByName(*re, "Pattern", InvokeGet).toString(), "(\\w)(\\d)");
  EXPECT_EQ(invokeByName(*re, "IgnoreCase", InvokeGet).type(), VarType::Boolean);
  EXPECT_TRUE(invokeByName(*re, "Test", InvokeMethod, {Variant("xA1")}).rawBool());
  // Booleans reach Replace as Automation writes them, not as CStr does.
  EXPECT_EQ(invokeByName(*re, "Replace", InvokeMethod, {Variant(false), Variant("x")}).toString(), "0");

  const Variant matches = invokeByName(*re, "Execute", InvokeMethod, {Variant("a1 b2 c3")});
  ASSERT_TRUE(matches.isObject());
  Variant index(1);
  Variant second;
  matches.rawObject()->invoke(DISPID_VALUE, InvokeGet, std::span<Variant>(&index, 1), second);
  ASSERT_TRUE(second.isObject());
  EXPECT_EQ(second.dereferenced().toString(), "b2") << "Value is the default member";
  const Variant sub = invokeByName(*second.rawObject(), "SubMatches", InvokeGet);
  EXPECT_EQ(invokeByName(*sub.rawObject(), "Item", InvokeGet, {Variant(1)}).toString(), "2");
  EXPECT_EQ(invokeByName(*second.rawObject(), "SubMatches", InvokeMethod | InvokeGet, {Variant(0)}).toString(), "b")
      << "m.SubMatches(0) indexes the collection";
  EXPECT_EQ(errorOf([&] { invokeByName(*re, "Test", InvokeMethod, {}); }), 450);
  EXPECT_EQ(re->memberId("LastIndex"), DISPID_UNKNOWN);
}

}  // namespace
}  // namespace corvela::vbs
