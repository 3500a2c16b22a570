// Tests of TextStreams over standard streams (GetStandardStream): reading
// input a line at a time as it arrives, console line ends on output, and
// the errors of misuse.
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/scripting/file_system_object.h"
#include "platform/scripting/text_stream.h"
#include "script_call.h"

namespace corvela::scripting {
namespace {

// A temporary C stream holding `bytes`, positioned at its start.
std::FILE* streamWith(std::string_view bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

std::string contentsOf(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string out;
  int c;
  while ((c = std::fgetc(file)) != EOF) out += static_cast<char>(c);
  return out;
}

TEST(StandardStreamTest, ReadsLinesPiecesAndTheRestOfTheInput) {
  std::FILE* file = streamWith("one\r\ntwo\nthree\rfour");
  std::shared_ptr<Object> in = TextStream::overStream(file, true, false);
  EXPECT_EQ(call(in, "ReadLine").toString(), "one");
  EXPECT_EQ(get(in, "Line").toLong(), 2);
  EXPECT_EQ(call(in, "Read", {Variant(2)}).toString(), "tw");
  EXPECT_FALSE(get(in, "AtEndOfLine").toBool());
  call(in, "Skip", {Variant(1)});
  EXPECT_TRUE(get(in, "AtEndOfLine").toBool());
  call(in, "SkipLine");
  EXPECT_EQ(call(in, "Read", {Variant(7)}).toString(), "three\rf");
  EXPECT_EQ(get(in, "Line").toLong(), 4);
  EXPECT_EQ(call(in, "ReadAll").toString(), "our");
  EXPECT_TRUE(get(in, "AtEndOfStream").toBool());
  EXPECT_EQ(errorNumberOf([&] { call(in, "ReadLine"); }), 62);
  EXPECT_EQ(errorNumberOf([&] { call(in, "Write", {"x"}); }), 54);
  std::fclose(file);
}

TEST(StandardStreamTest, ReadsUnicodeInput) {
  std::string bytes("\xFF\xFE" "a\0\xE9\0\n\0b\0", 10);
  std::FILE* file = streamWith(bytes);
  std::shared_ptr<Object> in = TextStream::overStream(file, true, true);
  EXPECT_EQ(call(in, "ReadLine").toString(), "a\xC3\xA9");
  EXPECT_EQ(call(in, "ReadLine").toString(), "b");
  EXPECT_TRUE(get(in, "AtEndOfStream").toBool());
  std::fclose(file);
}

TEST(StandardStreamTest, AnswersALineBeforeTheInputEnds) {
  // The writer sends the second line only after the reader has the first,
  // so a stream that waited for the end of input would see neither.
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::FILE* readEnd = ::fdopen(fds[0], "r");
  std::mutex mutex;
  std::condition_variable firstLineRead;
  bool done = false;
  std::atomic<bool> writerGaveUp = false;
  std::thread writer([&] {
    ASSERT_EQ(::write(fds[1], "first\n", 6), 6);
    std::unique_lock lock(mutex);
    if (!firstLineRead.wait_for(lock, std::chrono::seconds(20), [&] { return done; })) writerGaveUp = true;
    ASSERT_EQ(::write(fds[1], "second\n", 7), 7);
    ::close(fds[1]);
  });
  std::shared_ptr<Object> in = TextStream::overStream(readEnd, true, false);
  EXPECT_EQ(call(in, "ReadLine").toString(), "first");
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  firstLineRead.notify_one();
  EXPECT_EQ(call(in, "ReadLine").toString(), "second");
  EXPECT_TRUE(get(in, "AtEndOfStream").toBool());
  writer.join();
  EXPECT_FALSE(writerGaveUp) << "the first line was only returned once the input ended";
  std::fclose(readEnd);
}

TEST(StandardStreamTest, WritesConsoleLineEndsAndLeavesTheStreamOpenOnClose) {
  std::FILE* file = std::tmpfile();
  std::shared_ptr<Object> out = TextStream::overStream(file, false, false);
  call(out, "WriteLine", {"a"});
  call(out, "Write", {"b"});
  call(out, "WriteBlankLines", {Variant(2)});
  call(out, "WriteLine");
  EXPECT_EQ(get(out, "Line").toLong(), 5);
  EXPECT_EQ(errorNumberOf([&] { call(out, "ReadLine"); }), 54);
  call(out, "Close");
  EXPECT_EQ(errorNumberOf([&] { call(out, "Write", {"c"}); }), 52);
  EXPECT_EQ(std::fputs("d", file), 1) << "closing the script's stream closed the process's stream";
  EXPECT_EQ(contentsOf(file), "a\nb\n\n\nd");
  std::fclose(file);
}

TEST(StandardStreamTest, WritesUnicodeWithoutAByteOrderMark) {
  std::FILE* file = std::tmpfile();
  std::shared_ptr<Object> out = TextStream::overStream(file, false, true);
  call(out, "Write", {"h\xC3\xA9"});
  EXPECT_EQ(contentsOf(file), std::string("h\0\xE9\0", 4));
  std::fclose(file);
}

TEST(StandardStreamTest, FileSystemObjectHandsOutTheThreeStreams) {
  auto fso = std::make_shared<FileSystemObject>();
  struct Case {
    int which;
    int readError;   // reading an output stream raises 54
    int writeError;  // writing the input stream raises 54
  };
  // Only the misuse is exercised, so the test's own stdin/stdout stay untouched.
  for (Case c : {Case{0, 0, 54}, Case{1, 54, 0}, Case{2, 54, 0}}) {
    std::shared_ptr<Object> stream = callObject(fso, "GetStandardStream", {Variant(c.which)});
    EXPECT_EQ(stream->className(), "TextStream");
    if (c.writeError) {
      EXPECT_EQ(errorNumberOf([&] { call(stream, "Write", {""}); }), c.writeError) << c.which;
    }
    if (c.readError) {
      EXPECT_EQ(errorNumberOf([&] { call(stream, "ReadLine"); }), c.readError) << c.which;
    }
  }
  for (int bad : {-1, 3, 4})
    EXPECT_EQ(errorNumberOf([&] { call(fso, "GetStandardStream", {Variant(bad)}); }), 5) << bad;
}

}  // namespace
}  // namespace corvela::scripting
