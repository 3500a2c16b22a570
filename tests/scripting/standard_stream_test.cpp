// Tests of TextStreams over standard streams (GetStandardStream): reading
// input a line at a time as it arrives, console line ends on output and a
// Close that leaves the process's stream open. The corpus script
// fso_stdstream_a.vbs covers the misuse errors under `corvela run`.
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include "platform/scripting/text_stream.h"
#include "script_call.h"

namespace corvela::scripting {
namespace {

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
  for (int c; (c = std::fgetc(file)) != EOF;) out += static_cast<char>(c);
  return out;
}

TEST(StandardStreamTest, ReadsLinesPiecesAndTheRestOfTheInput) {
  std::FILE* file = streamWith("one\r\ntwo\nthree\rfour");
  std::shared_ptr<Object> in = TextStream::overStream(file, true, false);
  EXPECT_EQ(call(in, "ReadLine").toString(), "one");
  EXPECT_EQ(call(in, "Read", {Variant(2)}).toString(), "tw");
  call(in, "Skip", {Variant(1)});
  EXPECT_TRUE(get(in, "AtEndOfLine").toBool());
  call(in, "SkipLine");
  EXPECT_EQ(call(in, "Read", {Variant(7)}).toString(), "three\rf");
  EXPECT_EQ(get(in, "Line").toLong(), 4);
  EXPECT_EQ(call(in, "ReadAll").toString(), "our");
  EXPECT_TRUE(get(in, "AtEndOfStream").toBool());
  std::fclose(file);

  file = streamWith(std::string("\xFF\xFE" "a\0\xE9\0\n\0b\0", 10));
  in = TextStream::overStream(file, true, true);
  EXPECT_EQ(call(in, "ReadLine").toString(), "a\xC3\xA9");
  EXPECT_EQ(call(in, "ReadLine").toString(), "b");
  std::fclose(file);
}

TEST(StandardStreamTest, AnswersALineBeforeTheInputEnds) {
  // The writer sends the second line only after the reader has the first,
  // so a stream that waited for the end of input would get it only after
  // the writer gave up waiting.
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::FILE* readEnd = ::fdopen(fds[0], "r");
  std::mutex mutex;
  std::condition_variable firstLineRead;
  bool done = false, writerGaveUp = false;
  std::thread writer([&] {
    EXPECT_EQ(::write(fds[1], "first\n", 6), 6);
    std::unique_lock lock(mutex);
    writerGaveUp = !firstLineRead.wait_for(lock, std::chrono::seconds(20), [&] { return done; });
    EXPECT_EQ(::write(fds[1], "second\n", 7), 7);
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
  writer.join();
  EXPECT_FALSE(writerGaveUp) << "the first line came only once the input ended";
  std::fclose(readEnd);
}

TEST(StandardStreamTest, WritesConsoleLineEndsAndLeavesTheStreamOpenOnClose) {
  std::FILE* file = std::tmpfile();
  std::shared_ptr<Object> out = TextStream::overStream(file, false, false);
  call(out, "WriteLine", {"a"});
  call(out, "Write", {"b"});
  call(out, "WriteBlankLines", {Variant(2)});
  call(out, "Close");
  EXPECT_EQ(std::fputs("d", file), 1) << "closing the script's stream closed the process's stream";
  EXPECT_EQ(contentsOf(file), "a\nb\n\nd");
  std::fclose(file);

  file = std::tmpfile();
  out = TextStream::overStream(file, false, true);
  call(out, "Write", {"h\xC3\xA9"});
  EXPECT_EQ(contentsOf(file), std::string("h\0\xE9\0", 4)) << "Unicode output has no byte-order mark";
  std::fclose(file);
}

}  // namespace
}  // namespace corvela::scripting
