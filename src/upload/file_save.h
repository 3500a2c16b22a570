// The "File.Save" component: Save(content, fileName) writes the bytes of
// `content` (a Byte() array; any other value is written as text in the
// system code page) to the file, replacing one that exists. Built into the
// upload library, where cFile.SaveAS reaches it by ProgID.
#pragma once

#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::upload {

inline constexpr std::string_view kFileSaveProgId = "File.Save";
inline constexpr std::string_view kFileSaveMethod = "Save";

class FileSave : public DispatchObject<FileSave> {
 public:
  static constexpr std::string_view kClassName = "FileSave";
  static const DispatchTable<FileSave>& dispatchTable();

  // The file is written whole to a temporary file beside it and renamed into
  // place; a missing folder raises 76, a read-only file 70.
  void Save(const Variant& content, std::string_view fileName);
};

}  // namespace corvela::upload
