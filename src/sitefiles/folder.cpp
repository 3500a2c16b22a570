// Folder: properties, listings and the tree operations.
//
// Two faults of the engine are mended here. A folder object whose name
// maps onto the site directory without being spelled "/" ("", "//", "/.")
// deleted the whole site on Delete; the site directory itself is now always
// kept. And copying or moving a folder into its own sub-folder walked the
// copy it was making until the path grew too long; that is refused before
// anything is copied; so is moving the root, which copied nothing and then
// deleted every file of the site.
#include "sitefiles/folder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/file_helpers.h"
#include "core/path_parts.h"
#include "core/site_paths.h"
#include "deploy/deployment_queue.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/fs/file_system.h"
#include "platform/scripting/file_objects.h"
#include "platform/text/utf8.h"
#include "sitefiles/file.h"
#include "sitefiles/file_attributes.h"
#include "sitefiles/site_folder.h"
#include "sitefiles/site_path_guard.h"

namespace corvela::sitefiles {
namespace {

constexpr std::string_view kTemplateRootUri = "/templates/";
constexpr int kInvalidArgument = 5;
constexpr int32_t adFileTime = 64;

// The root and the template root keep their folder.
bool isProtectedName(std::string_view name) { return name == "/" || text::toLower(name) == kTemplateRootUri; }

std::vector<fs::EntryInfo> entriesOf(const std::string& path, bool folders) {
  std::vector<fs::EntryInfo> selected;
  for (fs::EntryInfo& entry : fs::listFolder(path))
    if (entry.isFolder == folders) selected.push_back(std::move(entry));
  return selected;
}

// The copy step: `source` as a folder of its own name into `target`.
void copyInto(Folder& source, const std::string& target) {
  if (source.Name() == "/") return;
  MakeUriFoldersSure(target);
  std::string copy = target + core::NormaliseSeparators(core::FolderNameOf(source.Name())) + "/";
  MakeUriFoldersSure(copy);
  auto subFolders = source.SubFolder();
  for (size_t i = 0; i < subFolders->size(); ++i)
    copyInto(static_cast<Folder&>(*subFolders->at(i).rawObject()), copy);
  auto files = source.Files();
  for (size_t i = 0; i < files->size(); ++i) static_cast<File&>(*files->at(i).rawObject()).Copy(copy);
}

// Refuses a target that is the folder itself or lies inside it, also when
// a link inside the site spells one of them another way.
void refuseTargetInside(const std::string& sourcePath, const std::string& targetUri, std::string_view sourceName) {
  std::string copyPath = SitePath(targetUri + core::NormaliseSeparators(core::FolderNameOf(sourceName)));
  std::error_code ignored;  // SitePath has resolved both already
  std::string resolvedSource = std::filesystem::weakly_canonical(sourcePath, ignored).string();
  std::string resolvedCopy = std::filesystem::weakly_canonical(copyPath, ignored).string();
  if (deploy::folderHolds(resolvedSource, resolvedCopy)) raiseRuntimeError(kInvalidArgument);
}

}  // namespace

Variant Folder::Size() { return scripting::sizeVariant(fs::folderSize(SitePath(name_))); }

OleDate Folder::DateCreated() { return OleDate{fs::entryInfo(SitePath(name_)).created}; }

std::shared_ptr<Collection> Folder::SubFolder() {
  auto result = std::make_shared<Collection>();
  for (const fs::EntryInfo& entry : entriesOf(SitePath(name_), true))
    result->add(Variant(std::make_shared<Folder>(core::PathToUri(entry.path))));
  return result;
}

std::shared_ptr<Collection> Folder::Files() {
  auto result = std::make_shared<Collection>();
  for (const fs::EntryInfo& entry : entriesOf(SitePath(name_), false)) {
    std::string uri = core::PathToUri(entry.path);
    FileAttributes row = registerAttributes(uri, entry.name);
    result->add(Variant(std::make_shared<File>(uri, std::string(core::trimSpaces(row.lockedBy)), row.title)));
  }
  return result;
}

std::shared_ptr<db::Recordset> Folder::ListFile() {
  std::vector<db::FieldInfo> fields = {{"Name", db::adBSTR},     {"LockedBy", db::adBSTR}, {"Title", db::adBSTR},
                                       {"FileType", db::adBSTR}, {"FileSize", db::adBigInt},
                                       {"LastModified", adFileTime}};
  std::vector<Variant> cells;
  for (const fs::EntryInfo& entry : entriesOf(SitePath(name_), false)) {
    FileAttributes row = registerAttributes(core::PathToUri(entry.path), entry.name);
    cells.emplace_back(entry.name);
    cells.emplace_back(row.lockedBy);
    cells.emplace_back(row.title);
    cells.emplace_back(core::FileExtensionOf(entry.name));
    cells.push_back(scripting::sizeVariant(entry.size));
    cells.push_back(Variant::fromDate(entry.lastModified));
  }
  return std::make_shared<db::Recordset>(std::move(fields), std::move(cells));
}

std::shared_ptr<Folder> Folder::ParentFolder() {
  if (name_ == "/") return std::make_shared<Folder>("/");
  std::string path = SitePath(name_);
  fs::entryInfo(path);  // a missing folder raises here, as opening it did
  std::string parent = core::PathToUri(core::ParentFolderOf(path));
  return std::make_shared<Folder>(parent.empty() ? "/" : parent);
}

std::shared_ptr<File> Folder::CreateFile(std::string_view FileName) { return SiteFolder().CreateFile(name_, FileName); }

void Folder::Delete() {
  std::string path = SitePath(name_);
  auto files = Files();
  for (size_t i = 0; i < files->size(); ++i) static_cast<File&>(*files->at(i).rawObject()).Delete();
  auto subFolders = SubFolder();
  for (size_t i = 0; i < subFolders->size(); ++i) static_cast<Folder&>(*subFolders->at(i).rawObject()).Delete();
  if (isProtectedName(name_) || IsSiteRoot(path)) return;
  core::DeleteFolderForced(path);
}

void Folder::Copy(std::string_view tarFolderUri) {
  SitePath(tarFolderUri);
  if (name_ == "/") return;
  std::string target = folderUriForm(tarFolderUri);
  refuseTargetInside(SitePath(name_), target, name_);
  copyInto(*this, target);
}

void Folder::Move(std::string_view tarFolderUri) {
  SitePath(tarFolderUri);
  std::string target = folderUriForm(tarFolderUri);
  refuseTargetInside(SitePath(name_), target, name_);
  copyInto(*this, target);
  Delete();
  name_ = target + core::NormaliseSeparators(core::FolderNameOf(name_)) + "/";
}

bool Folder::Rename(std::string_view newname) {
  if (isProtectedName(name_) || IsSiteRoot(SitePath(name_))) return false;
  std::string name = core::FolderNameOf(newname);
  if (name_.empty() || name_.back() != '/') name_ += '/';
  std::string newUri = core::ParentFolderOf(name_) + "/" + name + "/";
  std::string newPath = SitePath(newUri);
  fs::moveItem(SitePath(name_), newPath);
  moveFolderAttributes(name_, newUri);
  name_ = newUri;
  return true;
}

const DispatchTable<Folder>& Folder::dispatchTable() {
  static const DispatchTable<Folder> table = Members<Folder>()
      .property<&Folder::Name, &Folder::setName>("Name")
      .readOnly<&Folder::Size>("Size")
      .readOnly<&Folder::DateCreated>("DateCreated")
      .readOnly<&Folder::SubFolder>("SubFolder")
      .readOnly<&Folder::Files>("Files")
      .method<&Folder::ListFile>("ListFile")
      .readOnly<&Folder::ParentFolder>("ParentFolder")
      .method<&Folder::CreateFile>("CreateFile")
      .method<&Folder::Delete>("Delete")
      .method<&Folder::Copy>("Copy")
      .method<&Folder::Move>("Move")
      .method<&Folder::Rename>("Rename")
      .build();
  return table;
}

}  // namespace corvela::sitefiles
