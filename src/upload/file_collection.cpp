// cFile and cFiles.
#include "upload/file_collection.h"

#include "platform/automation/member_binding.h"
#include "upload/file_save.h"

namespace corvela::upload {

void cFile::SaveAS(std::string_view FileName) {
  std::shared_ptr<Object> writer = createObject(kFileSaveProgId);
  Variant args[2] = {fileContent_, Variant(FileName)};
  writer->call(kFileSaveMethod, args);
}

std::shared_ptr<cFile> cFiles::Add(Variant ContentType, Variant controlName, Variant FileContent, Variant FileName,
                                   Variant FileSize, std::string_view sKey) {
  auto file = std::make_shared<cFile>();
  file->setContentType(std::move(ContentType));
  file->setControlName(std::move(controlName));
  file->setFileContent(std::move(FileContent));
  file->setFileName(std::move(FileName));
  file->setFileSize(std::move(FileSize));
  items_.add(Variant(std::shared_ptr<Object>(file)), sKey);
  return file;
}

std::shared_ptr<cFile> cFiles::Item(const Variant& vntIndexKey) const {
  return std::static_pointer_cast<cFile>(items_.Item(vntIndexKey).rawObject());
}

std::shared_ptr<cFile> cFiles::at(size_t position) const {
  return std::static_pointer_cast<cFile>(items_.at(position).rawObject());
}

const DispatchTable<cFile>& cFile::dispatchTable() {
  static const DispatchTable<cFile> table = Members<cFile>()
      .method<&cFile::SaveAS>("SaveAS")
      .property<&cFile::FileSize, &cFile::setFileSize>("FileSize")
      .property<&cFile::FileName, &cFile::setFileName>("FileName")
      .property<&cFile::FileContent, &cFile::setFileContent>("FileContent")
      .property<&cFile::controlName, &cFile::setControlName>("controlName").asDefault()
      .property<&cFile::ContentType, &cFile::setContentType>("ContentType")
      .build();
  return table;
}

const DispatchTable<cFiles>& cFiles::dispatchTable() {
  static const DispatchTable<cFiles> table = Members<cFiles>()
      .method<&cFiles::Add>("Add", {""})
      .readOnly<&cFiles::Item>("Item").asDefault()
      .readOnly<&cFiles::Count>("Count")
      .method<&cFiles::Remove>("Remove")
      .build();
  return table;
}

}  // namespace corvela::upload
