// Scripting.TextStream (see text_stream.h) and its member table.
#include "platform/scripting/text_stream.h"

#include "platform/fs/file_system.h"
#include "platform/scripting/arguments.h"
#include "platform/text/utf8.h"

namespace corvela::scripting {
namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kConsoleNewLine = "\n";

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }


}  // namespace

std::shared_ptr<TextStream> TextStream::open(std::string_view path, int32_t ioMode, bool create,
                                             int32_t tristate) {
  checkedTristate(tristate);
  std::shared_ptr<TextStream> stream(new TextStream());
  switch (static_cast<IoMode>(ioMode)) {
    case IoMode::ForReading:
      stream->reading_ = true;
      if (create && !fs::fileExists(path)) fs::OutputFile(path, fs::OutputFile::Mode::Append, true).close();
      stream->text_ = decodeTextFile(fs::readFile(path), tristate);
      return stream;
    case IoMode::ForWriting:
    case IoMode::ForAppending: {
      auto mode = ioMode == static_cast<int32_t>(IoMode::ForWriting) ? fs::OutputFile::Mode::Truncate
                                                                     : fs::OutputFile::Mode::Append;
      stream->output_ = std::make_unique<fs::OutputFile>(path, mode, create);
      stream->format_ = writingFormat(tristate);
      if (stream->format_ == TextFormat::Unicode && stream->output_->startedEmpty())
        stream->output_->write(kUnicodeByteOrderMark);
      return stream;
    }
  }
  raiseRuntimeError(5);
}

std::shared_ptr<TextStream> TextStream::standard(int32_t which, bool unicode) {
  switch (which) {
    case 0: return overStream(stdin, true, unicode);
    case 1: return overStream(stdout, false, unicode);
    case 2: return overStream(stderr, false, unicode);
  }
  raiseRuntimeError(5);
}

std::shared_ptr<TextStream> TextStream::overStream(std::FILE* file, bool reading, bool unicode) {
  std::shared_ptr<TextStream> stream(new TextStream());
  stream->standard_ = file;
  stream->reading_ = reading;
  stream->format_ = unicode ? TextFormat::Unicode : TextFormat::Ansi;
  return stream;
}

std::shared_ptr<TextStream> TextStream::create(std::string_view path, bool overwrite, bool unicode) {
  if (!overwrite && (fs::fileExists(path) || fs::folderExists(path))) raiseRuntimeError(58);
  return open(path, static_cast<int32_t>(IoMode::ForWriting), true, unicode ? kTristateTrue : kTristateFalse);
}

void TextStream::requireReading() const {
  if (closed_) raiseRuntimeError(52);
  if (!reading_) raiseRuntimeError(54);
}

void TextStream::requireWriting() const {
  if (closed_) raiseRuntimeError(52);
  if (reading_) raiseRuntimeError(54);
}

void TextStream::countPosition(std::string_view passed) {
  for (size_t pos = 0; pos < passed.size();) {
    char c = passed[pos];
    if (c == '\r' || (c == '\n' && !afterCarriageReturn_)) {
      ++line_;
      column_ = 1;
    } else if (c != '\n') {
      ++column_;
    }
    afterCarriageReturn_ = c == '\r';
    text::decodeCodePoint(passed, pos);
  }
}

bool TextStream::readMore() {
  if (!standard_ || !reading_) return false;
  std::string bytes;
  int c;
  if (format_ == TextFormat::Unicode) {
    while ((c = std::fgetc(standard_)) != EOF) bytes += static_cast<char>(c);
  } else {
    while ((c = std::fgetc(standard_)) != EOF) {
      bytes += static_cast<char>(c);
      if (c == '\n') break;
    }
  }
  if (bytes.empty()) return false;
  // What was read already is not needed again; keep the buffer small.
  text_.erase(0, position_);
  position_ = 0;
  text_ += decodeTextFile(bytes, format_ == TextFormat::Unicode ? kTristateTrue : kTristateFalse);
  return true;
}

void TextStream::buffer(size_t count) {
  if (!standard_ || !reading_) return;  // a file's text is all there from the start
  while (count == std::string_view::npos ||
         text::codePointCount(std::string_view(text_).substr(position_)) < count) {
    if (!readMore()) return;
  }
}

std::string_view TextStream::take(size_t count) {
  buffer(count);
  size_t start = position_;
  std::string_view rest = std::string_view(text_).substr(start);
  size_t length = count == std::string_view::npos ? rest.size() : text::byteOffsetOfCodePoint(rest, count);
  position_ += length;
  std::string_view passed = rest.substr(0, length);
  countPosition(passed);
  return passed;
}

bool TextStream::AtEndOfStream() {
  requireReading();
  buffer(1);
  return position_ >= text_.size();
}

bool TextStream::AtEndOfLine() {
  requireReading();
  buffer(1);
  return position_ >= text_.size() || isLineEnd(text_[position_]);
}

int32_t TextStream::Column() const {
  if (closed_) raiseRuntimeError(52);
  return column_;
}

int32_t TextStream::Line() const {
  if (closed_) raiseRuntimeError(52);
  return line_;
}

void TextStream::Close() {
  if (closed_) return;
  closed_ = true;
  text_.clear();
  if (output_) {
    std::unique_ptr<fs::OutputFile> output = std::move(output_);
    output->close();
  }
}

std::string TextStream::Read(int32_t characters) {
  if (AtEndOfStream()) raiseRuntimeError(62);
  if (characters < 0) raiseRuntimeError(5);
  return std::string(take(static_cast<size_t>(characters)));
}

std::string TextStream::ReadAll() {
  if (AtEndOfStream()) raiseRuntimeError(62);
  return std::string(take(std::string_view::npos));
}

std::string TextStream::ReadLine() {
  if (AtEndOfStream()) raiseRuntimeError(62);
  size_t end;
  while ((end = text_.find_first_of("\r\n", position_)) == std::string::npos && readMore()) {
  }
  if (end == std::string::npos) end = text_.size();
  std::string line = text_.substr(position_, end - position_);
  position_ = end;
  countPosition(line);
  if (position_ < text_.size() && text_[position_] == '\r') {
    bool crlf = position_ + 1 < text_.size() && text_[position_ + 1] == '\n';
    countPosition(std::string_view(text_).substr(position_, crlf ? 2 : 1));
    position_ += crlf ? 2 : 1;
  } else if (position_ < text_.size()) {
    countPosition("\n");
    ++position_;
  }
  return line;
}

void TextStream::Skip(int32_t characters) {
  if (AtEndOfStream()) raiseRuntimeError(62);
  if (characters < 0) raiseRuntimeError(5);
  take(static_cast<size_t>(characters));
}

void TextStream::SkipLine() { ReadLine(); }

void TextStream::Write(std::string_view text) {
  requireWriting();
  writeBytes(encodeText(text, format_));
  countPosition(text);
}

void TextStream::writeBytes(std::string_view bytes) {
  if (!standard_) {
    output_->write(bytes);
    return;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), standard_) != bytes.size()) raiseRuntimeError(57);
}

std::string_view TextStream::newLine() const { return standard_ ? kConsoleNewLine : kNewLine; }

void TextStream::WriteBlankLines(int32_t lines) {
  requireWriting();
  if (lines < 0) raiseRuntimeError(5);
  std::string text;
  for (int32_t i = 0; i < lines; ++i) text += newLine();
  Write(text);
}

void TextStream::WriteLine(std::string_view text) {
  requireWriting();
  std::string line(text);
  line += newLine();
  Write(line);
}

const DispatchTable<TextStream>& TextStream::dispatchTable() {
  using T = TextStream;
  static const DispatchTable<T> table{
      {.name = "AtEndOfLine", .get = [](T& s, Args) -> Variant { return s.AtEndOfLine(); }},
      {.name = "AtEndOfStream", .get = [](T& s, Args) -> Variant { return s.AtEndOfStream(); }},
      {.name = "Column", .get = [](T& s, Args) -> Variant { return s.Column(); }},
      {.name = "Line", .get = [](T& s, Args) -> Variant { return s.Line(); }},
      {.name = "Close", .call = [](T& s, Args) -> Variant { s.Close(); return {}; }},
      {.name = "Read",
       .call = [](T& s, Args a) -> Variant { return s.Read(argLong(a, 0, 0)); },
       .minArgs = 1, .maxArgs = 1},
      {.name = "ReadAll", .call = [](T& s, Args) -> Variant { return s.ReadAll(); }},
      {.name = "ReadLine", .call = [](T& s, Args) -> Variant { return s.ReadLine(); }},
      {.name = "Skip",
       .call = [](T& s, Args a) -> Variant { s.Skip(argLong(a, 0, 0)); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "SkipLine", .call = [](T& s, Args) -> Variant { s.SkipLine(); return {}; }},
      {.name = "Write",
       .call = [](T& s, Args a) -> Variant { s.Write(argText(a, 0)); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "WriteBlankLines",
       .call = [](T& s, Args a) -> Variant { s.WriteBlankLines(argLong(a, 0, 0)); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "WriteLine",
       .call = [](T& s, Args a) -> Variant { s.WriteLine(argText(a, 0)); return {}; },
       .minArgs = 0, .maxArgs = 1},
  };
  return table;
}

}  // namespace corvela::scripting
