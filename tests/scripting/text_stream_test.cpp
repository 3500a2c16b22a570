// Tests of TextStream reading and writing through FileSystemObject: line
// ends, positions, code pages, Unicode files and the errors of misuse.
#include "script_call.h"

namespace corvela::scripting {
namespace {

constexpr int kForReading = 1, kForWriting = 2, kForAppending = 8;

class TextStreamTest : public FsoTest {
 protected:
  std::shared_ptr<Object> open(const std::string& name, int mode = kForReading, bool create = false,
                               int format = 0) {
    return callObject(fso_, "OpenTextFile", {Variant(at(name)), Variant(mode), Variant(create), Variant(format)});
  }
};

TEST_F(TextStreamTest, ReadLineAcceptsEveryLineEnd) {
  make("lines.txt", "one\r\ntwo\nthree\rfour\r\n\r\nlast");
  auto stream = open("lines.txt");
  std::vector<std::string> lines;
  std::vector<int> lineNumbers;
  while (!get(stream, "AtEndOfStream").toBool()) {
    lines.push_back(call(stream, "ReadLine").toString());
    lineNumbers.push_back(get(stream, "Line").toLong());
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four", "", "last"}));
  EXPECT_EQ(lineNumbers, (std::vector<int>{2, 3, 4, 5, 6, 6}));
  EXPECT_EQ(errorNumberOf([&] { call(stream, "ReadLine"); }), 62);
  EXPECT_EQ(errorNumberOf([&] { call(stream, "ReadAll"); }), 62);
  EXPECT_EQ(errorNumberOf([&] { call(stream, "Read", {Variant(1)}); }), 62);
  EXPECT_EQ(errorNumberOf([&] { call(stream, "SkipLine"); }), 62);
}

TEST_F(TextStreamTest, ReadCountsCharactersNotBytes) {
  make("mixed.txt", "中文ab\r\ncd");
  auto stream = open("mixed.txt");
  EXPECT_EQ(call(stream, "Read", {Variant(3)}).toString(), "中文a");
  EXPECT_EQ(get(stream, "Column").toLong(), 4);
  EXPECT_FALSE(get(stream, "AtEndOfLine").toBool());
  call(stream, "Skip", {Variant(1)});
  EXPECT_TRUE(get(stream, "AtEndOfLine").toBool());
  EXPECT_EQ(call(stream, "Read", {Variant(3)}).toString(), "\r\nc");
  EXPECT_EQ(get(stream, "Line").toLong(), 2);
  EXPECT_EQ(get(stream, "Column").toLong(), 2);
  EXPECT_EQ(call(stream, "ReadAll").toString(), "d");
  EXPECT_TRUE(get(stream, "AtEndOfStream").toBool());
  // An empty file is at its end at once.
  make("empty.txt", "");
  auto empty = open("empty.txt");
  EXPECT_TRUE(get(empty, "AtEndOfStream").toBool());
  EXPECT_EQ(errorNumberOf([&] { call(empty, "ReadAll"); }), 62);
}

TEST_F(TextStreamTest, WritesLinesWithCrLfAndAppends) {
  auto stream = callObject(fso_, "CreateTextFile", {Variant(at("out.txt"))});
  call(stream, "Write", {Variant("a")});
  call(stream, "WriteLine", {Variant("b")});
  call(stream, "WriteLine");
  call(stream, "WriteBlankLines", {Variant(2)});
  EXPECT_EQ(get(stream, "Line").toLong(), 5);
  EXPECT_EQ(get(stream, "Column").toLong(), 1);
  call(stream, "Write", {Variant("中")});
  EXPECT_EQ(get(stream, "Column").toLong(), 2);
  call(stream, "Close");
  EXPECT_EQ(bytesOf("out.txt"), "ab\r\n\r\n\r\n\r\n中");

  auto append = open("out.txt", kForAppending);
  call(append, "Write", {Variant("!")});
  call(append, "Close");
  EXPECT_EQ(bytesOf("out.txt"), "ab\r\n\r\n\r\n\r\n中!");

  auto rewrite = open("out.txt", kForWriting);
  call(rewrite, "Close");
  EXPECT_EQ(bytesOf("out.txt"), "");
}

TEST_F(TextStreamTest, AnsiFilesUseTheSystemCodePage) {
  corvela::testing::ScopedEnv codepage("CORVELA_CODEPAGE", "GB2312");
  auto stream = callObject(fso_, "CreateTextFile", {Variant(at("gb.txt")), Variant(true), Variant(false)});
  call(stream, "Write", {Variant("中文😀")});
  call(stream, "Close");
  EXPECT_EQ(bytesOf("gb.txt"), "\xD6\xD0\xCE\xC4?");
  EXPECT_EQ(call(open("gb.txt"), "ReadAll").toString(), "中文?");
}

TEST_F(TextStreamTest, UnicodeFilesAreUtf16WithByteOrderMark) {
  auto stream = callObject(fso_, "CreateTextFile", {Variant(at("u.txt")), Variant(true), Variant(true)});
  call(stream, "WriteLine", {Variant("Aé")});
  call(stream, "Close");
  EXPECT_EQ(bytesOf("u.txt"), std::string("\xFF\xFE" "A\0\xE9\0\r\0\n\0", 10));
  auto append = open("u.txt", kForAppending, false, -1);
  call(append, "Write", {Variant("中")});
  call(append, "Close");
  EXPECT_EQ(bytesOf("u.txt").size(), 12u) << "appending adds no second byte-order mark";

  EXPECT_EQ(call(open("u.txt", kForReading, false, -1), "ReadLine").toString(), "Aé");
  EXPECT_EQ(call(open("u.txt", kForReading, false, -2), "ReadAll").toString(), "Aé\r\n中")
      << "the system default recognises the byte-order mark";
  // A UTF-8 byte-order mark is not text.
  make("bom.txt", "\xEF\xBB\xBFhello");
  EXPECT_EQ(call(open("bom.txt"), "ReadAll").toString(), "hello");
}

TEST_F(TextStreamTest, MisuseRaisesVBScriptErrors) {
  make("r.txt", "x");
  make("exists.txt", "keep");
  auto reader = open("r.txt");
  auto writer = open("w.txt", kForWriting, true);
  auto closed = open("r.txt");
  call(closed, "Close");
  call(closed, "Close");  // closing twice is harmless
  const struct { const char* what; std::function<void()> action; int number; } cases[] = {
      {"write to a reading stream", [&] { call(reader, "Write", {Variant("x")}); }, 54},
      {"read from a writing stream", [&] { call(writer, "ReadLine"); }, 54},
      {"end test on a writing stream", [&] { get(writer, "AtEndOfStream"); }, 54},
      {"read after close", [&] { call(closed, "ReadLine"); }, 52},
      {"negative Read", [&] { call(reader, "Read", {Variant(-1)}); }, 5},
      {"negative WriteBlankLines", [&] { call(writer, "WriteBlankLines", {Variant(-1)}); }, 5},
      {"open missing for reading", [&] { open("missing.txt"); }, 53},
      {"open missing for appending", [&] { open("missing.txt", kForAppending); }, 53},
      {"open in missing folder", [&] { open("no/such.txt", kForWriting, true); }, 76},
      {"unknown iomode", [&] { open("r.txt", 3); }, 5},
      {"unknown format", [&] { open("r.txt", kForReading, false, 7); }, 5},
      {"create over existing without overwrite",
       [&] { call(fso_, "CreateTextFile", {Variant(at("exists.txt")), Variant(false)}); }, 58},
  };
  for (const auto& c : cases) EXPECT_EQ(errorNumberOf(c.action), c.number) << c.what;
  EXPECT_EQ(bytesOf("exists.txt"), "keep");
  EXPECT_FALSE(exists("missing.txt"));
  auto created = open("new.txt", kForReading, true);
  EXPECT_TRUE(get(created, "AtEndOfStream").toBool());
  EXPECT_TRUE(exists("new.txt"));
}

}  // namespace
}  // namespace corvela::scripting
