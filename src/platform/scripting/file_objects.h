// The File and Folder objects of the Scripting Runtime and the Files and
// Folders collections of a folder. Each object holds an absolute path; its
// facts are read from the disk whenever a property is asked for. The
// collections are taken when Files or SubFolders is read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::scripting {

class TextStream;

class File : public DispatchObject<File> {
 public:
  static constexpr std::string_view kClassName = "File";
  static const DispatchTable<File>& dispatchTable();

  explicit File(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  std::string Name() const;
  void setName(std::string_view name);
  int32_t Attributes() const;
  void setAttributes(int32_t attributes);
  Variant Size() const;
  double DateCreated() const;
  double DateLastModified() const;
  double DateLastAccessed() const;
  std::shared_ptr<Object> ParentFolder() const;
  std::shared_ptr<Object> Drive() const;  // the drive holding the file
  void Copy(std::string_view destination, bool overwrite) const;
  void Delete(bool force) const;
  void Move(std::string_view destination);
  std::shared_ptr<TextStream> OpenAsTextStream(int32_t ioMode, int32_t tristate) const;

 private:
  std::string path_;
};

class Folder : public DispatchObject<Folder> {
 public:
  static constexpr std::string_view kClassName = "Folder";
  static const DispatchTable<Folder>& dispatchTable();

  explicit Folder(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  std::string Name() const;
  void setName(std::string_view name);
  int32_t Attributes() const;
  Variant Size() const;
  double DateCreated() const;
  double DateLastModified() const;
  double DateLastAccessed() const;
  bool IsRootFolder() const { return path_ == "/"; }
  Variant ParentFolder() const;  // Nothing for the root
  std::shared_ptr<Object> Drive() const;  // the drive holding the folder
  std::shared_ptr<Object> Files() const;
  std::shared_ptr<Object> SubFolders() const;
  void Delete(bool force) const;
  void Move(std::string_view destination);
  void Copy(std::string_view destination, bool overwrite) const;
  std::shared_ptr<TextStream> CreateTextFile(std::string_view name, bool overwrite, bool unicode) const;

 private:
  std::string path_;
};

// Files and Folders: Count, Item(name) (default), For Each; Folders also Add.
class FileCollection : public DispatchObject<FileCollection> {
 public:
  static constexpr std::string_view kClassName = "Files";
  static const DispatchTable<FileCollection>& dispatchTable();

  FileCollection(std::string folder, bool folders);

  int32_t Count() const { return static_cast<int32_t>(names_.size()); }
  std::shared_ptr<Object> Item(std::string_view name) const;  // 53 / 76 when missing
  std::shared_ptr<Object> Add(std::string_view name);         // Folders only
  std::unique_ptr<Enumerator> newEnum() override;
  std::string_view className() const override { return folders_ ? "Folders" : "Files"; }

 private:
  std::shared_ptr<Object> make(const std::string& name) const;

  std::string folder_;
  bool folders_;
  std::vector<std::string> names_;
};

// The size as FileSystemObject gives it: a Long when it fits, else a Double.
Variant sizeVariant(uint64_t bytes);
// The path a copy or move of `source` to `destination` lands on: into the
// folder when the destination ends with a separator.
std::string targetPath(std::string_view source, std::string_view destination);
// Copies a folder tree (CopyFolder): 58 for a file that exists when
// overwrite is false.
void copyFolderTree(const std::string& source, const std::string& target, bool overwrite);

}  // namespace corvela::scripting
