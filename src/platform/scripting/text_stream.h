// Scripting.TextStream: a text file opened for reading, writing or appending.
// A stream for reading decodes the whole file when it is opened and then
// reads from that text; ReadLine accepts CR LF, LF and CR as line ends.
// A stream for writing writes through fs::OutputFile and ends lines with
// CR LF, as Windows did. Line and Column count from 1.
//
// Errors: reading past the end raises 62 "Input past end of file"; reading
// a stream opened for writing, or writing one opened for reading, raises 54
// "Bad file mode"; any use after Close raises 52 "Bad file name or number".
#pragma once

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

  bool AtEndOfLine() const;
  bool AtEndOfStream() const;
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

  bool closed_ = false;
  bool reading_ = false;
  std::string text_;  // reading: the decoded file
  size_t position_ = 0;
  std::unique_ptr<fs::OutputFile> output_;  // writing
  TextFormat format_ = TextFormat::Ansi;
  int32_t line_ = 1;
  int32_t column_ = 1;
  bool afterCarriageReturn_ = false;  // an LF right after a CR ends no new line
};

}  // namespace corvela::scripting
