// File (ProgID "Corvela.File"): a handle on one site file, named by its URI,
// with the title and advisory lock of its cms_fileattribute row. Locked_By
// and Title are what the object read when it was made; Save stores them.
// Writing Content queues the file for deployment.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela::sitefiles {

class Folder;

class File : public DispatchObject<File> {
 public:
  static constexpr std::string_view kClassName = "File";
  static const DispatchTable<File>& dispatchTable();

  File() = default;
  File(std::string name, std::string lockedBy, std::string title)
      : name_(std::move(name)), lockedBy_(std::move(lockedBy)), title_(std::move(title)) {}

  const std::string& Name() const { return name_; }
  void setName(std::string_view name) { name_ = name; }
  const std::string& Locked_By() const { return lockedBy_; }
  void setLocked_By(std::string_view holder) { lockedBy_ = holder; }
  const std::string& Title() const { return title_; }
  void setTitle(std::string_view title) { title_ = title; }
  // The text after the last ".", or "UNKNOWN".
  std::string FileType() const;
  // The text of a text-type file read in the system code page ("" for
  // other types). Setting it writes the whole file at once (an .xml file
  // as UTF-8, any other in the system code page, making missing folders)
  // and queues it for deployment.
  std::string Content();
  void setContent(std::string_view text);
  Variant Size();
  OleDate DateCreated();
  OleDate DateLastModified();
  std::string ContentType() const;
  std::shared_ptr<Folder> ParentFolder() const;
  // Stores Locked_By and Title; 8193 "File.Save" "locked" when another user
  // holds the lock.
  void Save(std::string_view Username);
  void ApplyTemplate(std::string_view Template);
  // Copies the bytes to a file URI, or into a folder URI ending in "/".
  void Copy(std::string_view tarFile);
  void Move(std::string_view tarFolderUri);
  // 8193 "File.Delete" "locked" while anyone holds the lock.
  void Delete();
  bool LockFile(std::string_view Username);
  bool UnlockFile(std::string_view Username);
  // 1 held by Username, 0 free, -1 held by another (or no user named).
  int16_t LockStatus(std::string_view Username) const;
  // The bytes with indexes from 1, or the text "OpenError".
  Variant GetBinaryContent();
  void Rename(const Variant& newname);

 private:
  // Copy's steps; returns the target's URI.
  std::string copyTo(std::string_view tarFile);

  std::string name_;
  std::string lockedBy_;
  std::string title_;
};

inline constexpr int kLockedError = 8193;
inline constexpr const char* kLockedText = "locked";

}  // namespace corvela::sitefiles
