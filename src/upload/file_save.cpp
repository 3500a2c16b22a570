// The built-in "File.Save" writer.
#include "upload/file_save.h"

#include "platform/automation/member_binding.h"
#include "platform/fs/file_system.h"
#include "platform/text/codepage.h"

namespace corvela::upload {

void FileSave::Save(const Variant& content, std::string_view fileName) {
  Variant value = content.dereferenced();
  if (value.isArray() && value.rawArray()->isBytes) {
    const std::vector<uint8_t>& bytes = value.rawArray()->bytes;
    fs::writeFile(fileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return;
  }
  fs::writeFile(fileName, text::toCodePage(value.toString()));
}

const DispatchTable<FileSave>& FileSave::dispatchTable() {
  static const DispatchTable<FileSave> table = Members<FileSave>()
      .method<&FileSave::Save>(kFileSaveMethod)
      .build();
  return table;
}

}  // namespace corvela::upload
