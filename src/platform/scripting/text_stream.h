// Scripting.TextStream: a text file opened for reading, writing or appending.
// A stream for reading decodes the whole file when it is opened and then
// reads from that text; ReadLine accepts CR LF, LF and CR as line ends.
// A stream for writing writes through fs::OutputFile and ends lines with
// CR LF, as Windows did. Line and Column count from 1.
//
// A standard stream (GetStandardStream) reads the process's stdin a line at
// a time as the script asks, so a script can answer a prompt; it writes
// through stdout or stderr, the same buffers WScript.Echo uses, and ends
// lines with LF as the console does on Linux. Closing it leaves the
// process's stream open.
//
// Errors: reading past the end raises 62 "Input past end of file"; reading
// a stream opened for writing, or writing one opened for reading, raises 54
// "Bad file mode"; any use after Close raises 52 "Bad file name or number".
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/automation/dispatch_table.h"
#include "platform/fs/output_file.h"
#include "platform/scripting/text_format.h"

namespace corvela::scripting {

class TextStream : public DispatchObject<TextStream> {
 public:
  static constexpr std::string_view kClassName = "TextStream";
  static const DispatchTable<TextStream>& dispatchTable();

  enum class IoMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };

  // Opens a file: 53 when it is missing and may not be created, 5 for an
  // unknown iomode or format.
  static std::shared_ptr<TextStream> open(std::string_view path, int32_t ioMode, bool create,
                                          int32_t tristate);
  // Creates (or truncates, when overwrite is true; else 58) a file for writing.
  static std::shared_ptr<TextStream> create(std::string_view path, bool overwrite, bool unicode);
  // 0 StdIn, 1 StdOut, 2 StdErr (5 for any other number); unicode streams
  // are UTF-16LE.
  static std::shared_ptr<TextStream> standard(int32_t which, bool unicode);
  // The same over any C stream: for reading when `reading`, else writing.
  static std::shared_ptr<TextStream> overStream(std::FILE* file, bool reading, bool unicode);

  bool AtEndOfLine();
  bool AtEndOfStream();
  int32_t Column() const;
  int32_t Line() const;
  void Close();
  std::string Read(int32_t characters);
  std::string ReadAll();
  std::string ReadLine();
  void Skip(int32_t characters);
  void SkipLine();
  void Write(std::string_view text);
  void WriteBlankLines(int32_t lines);
  void WriteLine(std::string_view text);

 private:
  TextStream() = default;
  void requireReading() const;
  void requireWriting() const;
  // Advances the read position over `count` code points (all when npos),
  // returning what was passed.
  std::string_view take(size_t count);
  // Moves Line and Column over text read or written.
  void countPosition(std::string_view passed);
  // Standard input: appends the next line (all of it for a Unicode stream)
  // to text_; false at the end of the input.
  bool readMore();
  // Reads until `count` more code points (npos: everything) are buffered
  // after the read position, or the input ends.
  void buffer(size_t count);
  void writeBytes(std::string_view bytes);
  std::string_view newLine() const;

  bool closed_ = false;
  bool reading_ = false;
  std::string text_;  // reading: the decoded file
  size_t position_ = 0;
  std::unique_ptr<fs::OutputFile> output_;  // writing
  std::FILE* standard_ = nullptr;           // a standard stream, never closed here
  TextFormat format_ = TextFormat::Ansi;
  int32_t line_ = 1;
  int32_t column_ = 1;
  bool afterCarriageReturn_ = false;  // an LF right after a CR ends no new line
};

}  // namespace corvela::scripting
