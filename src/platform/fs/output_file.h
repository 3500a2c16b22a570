// A file written piece by piece (what a TextStream opened for writing or
// appending holds). Unlike writeFile, writes go to the file itself, as
// FileSystemObject's did: the file exists (empty) from the moment it is
// opened for writing. Bytes are buffered and written on flush(), when the
// buffer fills, and on close().
#pragma once

#include <string>
#include <string_view>

namespace corvela::fs {

class OutputFile {
 public:
  enum class Mode { Truncate, Append };

  // Opens the file; a missing file is created only when createIfMissing is
  // true (else 53). A read-only file raises 70, a folder 70.
  OutputFile(std::string_view path, Mode mode, bool createIfMissing);
  // Writes what is still buffered. Errors cannot be raised from here; a
  // caller that needs them calls close() first.
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void write(std::string_view bytes);
  void flush();  // raises 61 Disk full, 57 Device I/O error, ...
  void close();  // flush and close; further writes raise 52
  // True when the file held no bytes when it was opened (after truncation),
  // so a byte-order mark belongs at its start.
  bool startedEmpty() const { return startedEmpty_; }

 private:
  std::string path_;
  std::string buffer_;
  int fd_ = -1;
  bool startedEmpty_ = false;
};

}  // namespace corvela::fs
