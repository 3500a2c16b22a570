// File, Folder, Files and Folders (see file_objects.h) and their member tables.
#include "platform/scripting/file_objects.h"

#include <sys/stat.h>

#include "platform/fs/file_system.h"
#include "platform/fs/path_text.h"
#include "platform/scripting/arguments.h"
#include "platform/scripting/drive.h"
#include "platform/scripting/text_stream.h"
#include "platform/text/utf8.h"

namespace corvela::scripting {
namespace {

fs::EntryInfo fileInfo(const std::string& path) {
  if (!fs::fileExists(path)) raiseRuntimeError(53);
  return fs::entryInfo(path);
}

fs::EntryInfo folderInfo(const std::string& path) {
  if (!fs::folderExists(path)) raiseRuntimeError(76);
  return fs::entryInfo(path);
}

// A new name within the same folder (Name let): no separators allowed.
std::string renamedPath(const std::string& path, std::string_view name) {
  std::string newName = fs::physicalPath(name);
  if (newName.empty() || newName.find('/') != std::string::npos || newName == "." || newName == "..")
    raiseRuntimeError(52);
  return fs::buildPath(fs::parentFolderOf(path), newName);
}

}  // namespace

Variant sizeVariant(uint64_t bytes) {
  if (bytes <= 0x7FFFFFFF) return Variant(static_cast<int32_t>(bytes));
  return Variant(static_cast<double>(bytes));
}

std::string targetPath(std::string_view source, std::string_view destination) {
  std::string target = fs::physicalPath(destination);
  if (!target.empty() && target.back() == '/') target += fs::fileNameOf(source);
  return target;
}

void copyFolderTree(const std::string& source, const std::string& target, bool overwrite) {
  if (!fs::folderExists(source)) raiseRuntimeError(76);
  if (fs::fileExists(target)) raiseRuntimeError(58);
  fs::createFolderTree(target);
  for (const fs::EntryInfo& entry : fs::listFolder(source)) {
    std::string to = fs::buildPath(target, entry.name);
    if (entry.isFolder)
      copyFolderTree(entry.path, to, overwrite);
    else
      fs::copyFile(entry.path, to, overwrite);
  }
}

// --- File ---

std::string File::Name() const { return fs::fileNameOf(path_); }

void File::setName(std::string_view name) {
  std::string target = renamedPath(path_, name);
  fs::moveItem(path_, target);
  path_ = target;
}

int32_t File::Attributes() const { return fileInfo(path_).attributes; }

void File::setAttributes(int32_t attributes) {
  // Only ReadOnly can be changed on Linux; the other bits are facts of the
  // file (Directory, Alias) or have no counterpart, as Windows ignores
  // writes to the read-only ones.
  struct stat st;
  if (::stat(path_.c_str(), &st) != 0) raiseRuntimeError(53);
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & fs::kReadOnly) ? mode & ~mode_t{0222} : mode | S_IWUSR;
  if (::chmod(path_.c_str(), mode) != 0) raiseRuntimeError(70);
}

Variant File::Size() const { return sizeVariant(fileInfo(path_).size); }
double File::DateCreated() const { return fileInfo(path_).created; }
double File::DateLastModified() const { return fileInfo(path_).lastModified; }
double File::DateLastAccessed() const { return fileInfo(path_).lastAccessed; }

std::shared_ptr<Object> File::ParentFolder() const {
  return std::make_shared<Folder>(fs::parentFolderOf(path_));
}

std::shared_ptr<Object> File::Drive() const { return driveOfPath(path_); }

void File::Copy(std::string_view destination, bool overwrite) const {
  fs::copyFile(path_, targetPath(path_, destination), overwrite);
}

void File::Delete(bool force) const { fs::deleteFile(path_, force); }

void File::Move(std::string_view destination) {
  std::string target = fs::absolutePathOf(targetPath(path_, destination));
  fs::moveItem(path_, target);
  path_ = target;
}

std::shared_ptr<TextStream> File::OpenAsTextStream(int32_t ioMode, int32_t tristate) const {
  return TextStream::open(path_, ioMode, false, tristate);
}

const DispatchTable<File>& File::dispatchTable() {
  using F = File;
  static const DispatchTable<F> table{
      {.name = "Path", .get = [](F& f, Args) -> Variant { return f.Path(); }, .isDefault = true},
      {.name = "Name",
       .get = [](F& f, Args) -> Variant { return f.Name(); },
       .let = [](F& f, Args, const Variant& v) { f.setName(v.toString()); }},
      {.name = "ShortPath", .get = [](F& f, Args) -> Variant { return f.Path(); }},
      {.name = "ShortName", .get = [](F& f, Args) -> Variant { return f.Name(); }},
      {.name = "Attributes",
       .get = [](F& f, Args) -> Variant { return f.Attributes(); },
       .let = [](F& f, Args, const Variant& v) { f.setAttributes(v.toLong()); }},
      {.name = "Size", .get = [](F& f, Args) -> Variant { return f.Size(); }},
      {.name = "DateCreated", .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateCreated()); }},
      {.name = "DateLastModified",
       .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateLastModified()); }},
      {.name = "DateLastAccessed",
       .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateLastAccessed()); }},
      {.name = "ParentFolder", .get = [](F& f, Args) -> Variant { return f.ParentFolder(); }},
      {.name = "Drive", .get = [](F& f, Args) -> Variant { return f.Drive(); }},
      {.name = "Copy",
       .call = [](F& f, Args a) -> Variant { f.Copy(argText(a, 0), argBool(a, 1, true)); return {}; },
       .minArgs = 1, .maxArgs = 2},
      {.name = "Delete",
       .call = [](F& f, Args a) -> Variant { f.Delete(argBool(a, 0, false)); return {}; },
       .minArgs = 0, .maxArgs = 1},
      {.name = "Move",
       .call = [](F& f, Args a) -> Variant { f.Move(argText(a, 0)); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "OpenAsTextStream",
       .call = [](F& f, Args a) -> Variant {
         return std::shared_ptr<Object>(f.OpenAsTextStream(argLong(a, 0, 1), argLong(a, 1, 0)));
       },
       .minArgs = 0, .maxArgs = 2},
  };
  return table;
}

// --- Folder ---

std::string Folder::Name() const { return fs::fileNameOf(path_); }

void Folder::setName(std::string_view name) {
  std::string target = renamedPath(path_, name);
  fs::moveItem(path_, target);
  path_ = target;
}

int32_t Folder::Attributes() const { return folderInfo(path_).attributes; }
Variant Folder::Size() const { return sizeVariant(fs::folderSize(path_)); }
double Folder::DateCreated() const { return folderInfo(path_).created; }
double Folder::DateLastModified() const { return folderInfo(path_).lastModified; }
double Folder::DateLastAccessed() const { return folderInfo(path_).lastAccessed; }

Variant Folder::ParentFolder() const {
  if (IsRootFolder()) return Variant::nothing();
  return Variant(std::shared_ptr<Object>(std::make_shared<Folder>(fs::parentFolderOf(path_))));
}

std::shared_ptr<Object> Folder::Drive() const { return driveOfPath(path_); }

std::shared_ptr<Object> Folder::Files() const { return std::make_shared<FileCollection>(path_, false); }
std::shared_ptr<Object> Folder::SubFolders() const { return std::make_shared<FileCollection>(path_, true); }

void Folder::Delete(bool force) const { fs::deleteFolderTree(path_, force); }

void Folder::Move(std::string_view destination) {
  std::string target = fs::absolutePathOf(targetPath(path_, destination));
  fs::moveItem(path_, target);
  path_ = target;
}

void Folder::Copy(std::string_view destination, bool overwrite) const {
  copyFolderTree(path_, targetPath(path_, destination), overwrite);
}

std::shared_ptr<TextStream> Folder::CreateTextFile(std::string_view name, bool overwrite, bool unicode) const {
  return TextStream::create(fs::buildPath(path_, name), overwrite, unicode);
}

const DispatchTable<Folder>& Folder::dispatchTable() {
  using F = Folder;
  static const DispatchTable<F> table{
      {.name = "Path", .get = [](F& f, Args) -> Variant { return f.Path(); }, .isDefault = true},
      {.name = "Name",
       .get = [](F& f, Args) -> Variant { return f.Name(); },
       .let = [](F& f, Args, const Variant& v) { f.setName(v.toString()); }},
      {.name = "ShortPath", .get = [](F& f, Args) -> Variant { return f.Path(); }},
      {.name = "ShortName", .get = [](F& f, Args) -> Variant { return f.Name(); }},
      {.name = "Attributes", .get = [](F& f, Args) -> Variant { return f.Attributes(); }},
      {.name = "Size", .get = [](F& f, Args) -> Variant { return f.Size(); }},
      {.name = "DateCreated", .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateCreated()); }},
      {.name = "DateLastModified",
       .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateLastModified()); }},
      {.name = "DateLastAccessed",
       .get = [](F& f, Args) -> Variant { return Variant::fromDate(f.DateLastAccessed()); }},
      {.name = "IsRootFolder", .get = [](F& f, Args) -> Variant { return f.IsRootFolder(); }},
      {.name = "ParentFolder", .get = [](F& f, Args) -> Variant { return f.ParentFolder(); }},
      {.name = "Drive", .get = [](F& f, Args) -> Variant { return f.Drive(); }},
      {.name = "Files", .get = [](F& f, Args) -> Variant { return f.Files(); }},
      {.name = "SubFolders", .get = [](F& f, Args) -> Variant { return f.SubFolders(); }},
      {.name = "Copy",
       .call = [](F& f, Args a) -> Variant { f.Copy(argText(a, 0), argBool(a, 1, true)); return {}; },
       .minArgs = 1, .maxArgs = 2},
      {.name = "Delete",
       .call = [](F& f, Args a) -> Variant { f.Delete(argBool(a, 0, false)); return {}; },
       .minArgs = 0, .maxArgs = 1},
      {.name = "Move",
       .call = [](F& f, Args a) -> Variant { f.Move(argText(a, 0)); return {}; },
       .minArgs = 1, .maxArgs = 1},
      {.name = "CreateTextFile",
       .call = [](F& f, Args a) -> Variant {
         return std::shared_ptr<Object>(f.CreateTextFile(argText(a, 0), argBool(a, 1, true), argBool(a, 2, false)));
       },
       .minArgs = 1, .maxArgs = 3},
  };
  return table;
}

// --- Files and Folders ---

FileCollection::FileCollection(std::string folder, bool folders) : folder_(std::move(folder)), folders_(folders) {
  for (const fs::EntryInfo& entry : fs::listFolder(folder_))
    if (entry.isFolder == folders_) names_.push_back(entry.name);
}

std::shared_ptr<Object> FileCollection::make(const std::string& name) const {
  std::string path = fs::buildPath(folder_, name);
  if (folders_) return std::make_shared<Folder>(path);
  return std::make_shared<File>(path);
}

std::shared_ptr<Object> FileCollection::Item(std::string_view name) const {
  // An exact name first; otherwise a caseless match, as on Windows.
  for (const std::string& entry : names_)
    if (entry == name) return make(entry);
  for (const std::string& entry : names_)
    if (text::equalsIgnoreCase(entry, name)) return make(entry);
  raiseRuntimeError(folders_ ? 76 : 53);
}

std::shared_ptr<Object> FileCollection::Add(std::string_view name) {
  if (!folders_) raiseRuntimeError(438);
  std::string path = fs::buildPath(folder_, name);
  fs::createFolder(path);
  names_.push_back(fs::fileNameOf(path));
  return std::make_shared<Folder>(path);
}

std::unique_ptr<Enumerator> FileCollection::newEnum() {
  std::vector<Variant> items;
  for (const std::string& name : names_) items.push_back(Variant(make(name)));
  return enumerateSnapshot(std::move(items));
}

const DispatchTable<FileCollection>& FileCollection::dispatchTable() {
  using C = FileCollection;
  static const DispatchTable<C> table{
      {.name = "Count", .get = [](C& c, Args) -> Variant { return c.Count(); }},
      {.name = "Item",
       .get = [](C& c, Args a) -> Variant { return c.Item(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1, .isDefault = true},
      {.name = "Add",
       .call = [](C& c, Args a) -> Variant { return c.Add(argText(a, 0)); },
       .minArgs = 1, .maxArgs = 1},
  };
  return table;
}

}  // namespace corvela::scripting
