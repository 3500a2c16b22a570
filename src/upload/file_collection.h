// cFile (ProgID "ZerinUpload.cFile"): one uploaded file with its bytes;
// cFiles ("ZerinUpload.cFiles"): the files in request order, keyed by field
// name (case-insensitively). Unlike cForm, a missing file is an error.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/collection.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::upload {

class cFile : public DispatchObject<cFile> {
 public:
  static constexpr std::string_view kClassName = "cFile";
  static const DispatchTable<cFile>& dispatchTable();

  // Writes FileContent to the file through the "File.Save" component
  // (built into this library unless another is registered under that name).
  void SaveAS(std::string_view FileName);

  Variant FileSize() const { return fileSize_; }
  void setFileSize(Variant value) { fileSize_ = std::move(value); }
  Variant FileName() const { return fileName_; }
  void setFileName(Variant value) { fileName_ = std::move(value); }
  Variant FileContent() const { return fileContent_; }
  void setFileContent(Variant value) { fileContent_ = std::move(value); }
  Variant controlName() const { return controlName_; }
  void setControlName(Variant value) { controlName_ = std::move(value); }
  Variant ContentType() const { return contentType_; }
  void setContentType(Variant value) { contentType_ = std::move(value); }

 private:
  Variant fileSize_;
  Variant fileName_;
  Variant fileContent_;
  Variant controlName_;
  Variant contentType_;
};

class cFiles : public DispatchObject<cFiles> {
 public:
  static constexpr std::string_view kClassName = "cFiles";
  static const DispatchTable<cFiles>& dispatchTable();

  // A new file appended under sKey (without a key when sKey is empty); a
  // key already present raises the collection's 457 and adds nothing.
  std::shared_ptr<cFile> Add(Variant ContentType, Variant controlName, Variant FileContent, Variant FileName,
                             Variant FileSize, std::string_view sKey = {});
  // The file under a key (5 when absent) or at a 1-based position (9).
  std::shared_ptr<cFile> Item(const Variant& vntIndexKey) const;
  int32_t Count() const { return items_.Count(); }
  void Remove(const Variant& vntIndexKey) { items_.Remove(vntIndexKey); }

  bool hasKey(std::string_view key) const { return items_.find(key) != nullptr; }
  // The file at a 0-based position (< Count()).
  std::shared_ptr<cFile> at(size_t position) const;
  std::unique_ptr<Enumerator> newEnum() override { return items_.newEnum(); }

 private:
  Collection items_;
};

}  // namespace corvela::upload
