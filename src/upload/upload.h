// upload (ProgID "ZerinUpload.upload"): receives a multipart/form-data
// request. Creating it reads the whole request body (see request_body.h) and
// splits it into text fields (Form) and files (Files); names and values are
// decoded with the system code page, file contents stay bytes. It then saves
// the files into a folder, renaming on clashes, and tests names and
// extensions.
//
// Creation fails only for a request above the size limit (nothing of it is
// read); a body that is no multipart body gives empty collections.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"
#include "upload/file_collection.h"
#include "upload/form_collection.h"

namespace corvela::upload {

class upload : public DispatchObject<upload> {
 public:
  static constexpr std::string_view kClassName = "upload";
  static const DispatchTable<upload>& dispatchTable();

  // Reads and parses the current request.
  upload();
  // Parses the given body, as if it were the request's.
  explicit upload(std::vector<uint8_t> body);

  // Read while unset (after `Set up.Form = Nothing`), each gives a new
  // empty collection.
  std::shared_ptr<cForm> Form();
  void setForm(std::shared_ptr<cForm> form) { form_ = std::move(form); }
  std::shared_ptr<cFiles> Files();
  void setFiles(std::shared_ptr<cFiles> files) { files_ = std::move(files); }

  std::string CopyrightInfo() const;
  // Seconds spent reading and parsing, as a decimal number with
  // millisecond resolution.
  std::string UsedTime() const;
  // The size of the body read.
  int32_t TotalBytes() const { return totalBytes_; }
  // True when a file (or anything else) of that path exists.
  bool FileFound(std::string_view File) const;
  bool CheckFileType(std::string_view File, std::string_view tag) const;
  // Saves every file into the folder and returns their names separated by
  // ",". Without OverWrite a name that is taken is replaced by a free one
  // (UniqueName) and the file's FileName changes to it. Names that would not
  // stay inside the folder are refused (kUnsafeFileNameError) before any
  // file is written.
  std::string Save(std::string_view FilePath, bool OverWrite = false);
  // The folder path as a path of this system: every "\" becomes "/".
  std::string NormalDir(std::string_view olddir) const;

  // The parse error text (empty when the body had a boundary line).
  const std::string& parseError() const { return parseError_; }

 private:
  void ParseRequest(std::vector<uint8_t> body);

  std::shared_ptr<cForm> form_ = std::make_shared<cForm>();
  std::shared_ptr<cFiles> files_ = std::make_shared<cFiles>();
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point end_ = start_;
  int32_t totalBytes_ = 0;
  std::string parseError_;
};

}  // namespace corvela::upload
