// Folder (ProgID "Corvela.Folder"): a handle on one folder of the site,
// named by its URI. Every property reads the disk afresh; listings register
// an attribute row for each file that has none.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela {
class Collection;
}
namespace corvela::db {
class Recordset;
}

namespace corvela::sitefiles {

class File;

class Folder : public DispatchObject<Folder> {
 public:
  static constexpr std::string_view kClassName = "Folder";
  static const DispatchTable<Folder>& dispatchTable();

  Folder() = default;
  explicit Folder(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  void setName(std::string_view name) { name_ = name; }
  // Bytes of every file below the folder: a Long, or a Double past 2 GB.
  Variant Size();
  OleDate DateCreated();
  std::shared_ptr<Collection> SubFolder();
  std::shared_ptr<Collection> Files();
  // Name, LockedBy, Title, FileType, FileSize, LastModified of each file.
  std::shared_ptr<db::Recordset> ListFile();
  std::shared_ptr<Folder> ParentFolder();
  std::shared_ptr<File> CreateFile(std::string_view FileName);
  // Deletes the files (a locked one stops it with 8193), the sub-folders,
  // then the folder itself, except the site root and "/templates/".
  void Delete();
  // Copies the folder, as a folder of its name, into the target folder.
  void Copy(std::string_view tarFolderUri);
  void Move(std::string_view tarFolderUri);
  // Renames the folder and carries its files' attribute rows along; False
  // for the site root and "/templates/".
  bool Rename(std::string_view newname);

 private:
  std::string name_;
};

}  // namespace corvela::sitefiles
