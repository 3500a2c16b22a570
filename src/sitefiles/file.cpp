// File: content, attributes, locks and the file operations.
//
// Mended here: Copy once created the target through SiteFolder.CreateFile,
// which queued the still empty file for deployment, and queued nothing after
// the bytes arrived, so the deployed copy stayed empty; the target is now
// queued once it holds the bytes. Delete once trusted the lock holder the
// object had read when it was made, so a file locked since by another user
// was deleted; the stored lock is consulted too.
#include "sitefiles/file.h"

#include <vector>

#include "core/file_helpers.h"
#include "core/path_parts.h"
#include "core/utf8_encoder.h"
#include "deploy/deployment_queue.h"
#include "platform/automation/member_binding.h"
#include "platform/fs/file_system.h"
#include "platform/scripting/file_objects.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8.h"
#include "sitefiles/content_type.h"
#include "sitefiles/file_attributes.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"
#include "sitefiles/site_path_guard.h"
#include "template/template_system.h"

namespace corvela::sitefiles {
namespace {

constexpr const char* kSaveSource = "File.Save";
constexpr const char* kDeleteSource = "File.Delete";
constexpr const char* kRenameSource = "File.Rename";
constexpr const char* kApplyTemplateSource = "File.ApplyTemplate";
constexpr int kTemplateFailedError = 555;
constexpr const char* kOpenError = "OpenError";

bool isBlank(std::string_view text) { return core::trimSpaces(text).empty(); }

std::vector<uint8_t> bytesOf(const Variant& array) {
  if (!array.isArray() || !array.rawArray()->isBytes) raiseRuntimeError(13);
  return array.rawArray()->bytes;
}

}  // namespace

std::string File::FileType() const { return core::FileExtensionOf(name_); }

std::string File::Content() {
  if (name_.empty()) return {};
  SitePath(name_);
  return core::TextContentOf(name_);
}

void File::setContent(std::string_view text) {
  if (name_.empty()) return;
  std::string path = SitePath(name_);
  if (text::toUpper(core::FileExtensionOf(path)) == "XML") {
    std::vector<uint8_t> bytes = bytesOf(core::Utf8Bytes(text));
    fs::writeFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } else {
    core::MakeParentFolderSure(path);
    fs::writeFile(path, text::toCodePage(text));
  }
  deploy::QueueFileForDeployment(path);
}

Variant File::Size() {
  if (name_.empty()) return Variant(0);
  return scripting::sizeVariant(fs::entryInfo(SitePath(name_)).size);
}

OleDate File::DateCreated() {
  if (name_.empty()) return OleDate{oleDateNow()};
  return OleDate{fs::entryInfo(SitePath(name_)).created};
}

OleDate File::DateLastModified() {
  if (name_.empty()) return OleDate{oleDateNow()};
  return OleDate{fs::entryInfo(SitePath(name_)).lastModified};
}

std::string File::ContentType() const {
  if (name_.empty()) return {};
  return ContentTypeOfExtension(FileType());
}

std::shared_ptr<Folder> File::ParentFolder() const {
  if (name_.empty()) return nullptr;
  return std::make_shared<Folder>(core::ParentFolderOf(name_));
}

void File::Save(std::string_view Username) {
  if (Username != lockedBy_ && !lockedBy_.empty()) throw ComError(kLockedError, kSaveSource, kLockedText);
  if (storeAttributes(name_, lockedBy_, title_, Username) == StoreOutcome::LockedByOther)
    throw ComError(kLockedError, kSaveSource, kLockedText);
}

// A template that fails leaves the file as it was and raises its error text
// (555 "File.ApplyTemplate"): writing the error text over the page would
// publish it.
void File::ApplyTemplate(std::string_view Template) {
  SitePath(Template);
  auto system = std::make_shared<tmpl::TemplateSystem>();
  std::string page;
  if (!system->render(Template, page)) throw ComError(kTemplateFailedError, kApplyTemplateSource, page);
  setContent(page);
}

std::string File::copyTo(std::string_view tarFile) {
  SitePath(tarFile);
  std::string target = core::NormaliseSeparators(tarFile);
  if (core::FileNameOf(target).empty()) target += core::FileNameOf(name_);
  SiteFolder site;
  bool created = !site.FileExists(target);
  if (created) site.createEmptyFile(core::ParentFolderOf(target), core::FileNameOf(target));
  std::string targetPath = SitePath(target);
  core::CopyFileOver(SitePath(name_), targetPath);
  if (created) File(target, "", title_).Save("");
  deploy::QueueFileForDeployment(targetPath);
  return target;
}

void File::Copy(std::string_view tarFile) { copyTo(tarFile); }

void File::Move(std::string_view tarFolderUri) {
  copyTo(tarFolderUri);
  Delete();
}

void File::Delete() {
  std::string path = SitePath(name_);
  bool locked = !isBlank(lockedBy_);
  if (!locked) {
    auto stored = findAttributes(name_);
    locked = stored && !isBlank(stored->lockedBy);
  }
  if (locked) throw ComError(kLockedError, kDeleteSource, kLockedText);
  core::DeleteFileForced(path);
  deleteAttributes(name_);
}

bool File::LockFile(std::string_view Username) {
  if (Username.empty()) return false;
  if (!isBlank(lockedBy_) && Username != lockedBy_) return false;
  // A lock must be stored to hold: a file without a row gets one first.
  registerAttributes(name_, core::FileNameOf(name_));
  if (storeAttributes(name_, Username, title_, Username) != StoreOutcome::Stored) {
    if (auto stored = findAttributes(name_)) lockedBy_ = core::trimSpaces(stored->lockedBy);
    return false;
  }
  lockedBy_ = Username;
  return true;
}

bool File::UnlockFile(std::string_view Username) {
  if (Username.empty()) return false;
  if (Username != lockedBy_ && !lockedBy_.empty()) return false;
  if (storeAttributes(name_, "", title_, Username) == StoreOutcome::LockedByOther) {
    if (auto stored = findAttributes(name_)) lockedBy_ = core::trimSpaces(stored->lockedBy);
    return false;
  }
  lockedBy_.clear();
  return true;
}

int16_t File::LockStatus(std::string_view Username) const {
  std::string_view user = core::trimSpaces(Username);
  if (user.empty()) return -1;
  if (isBlank(lockedBy_)) return 0;
  return lockedBy_ == user ? 1 : -1;
}

Variant File::GetBinaryContent() {
  std::string path = SitePath(name_);
  std::string bytes;
  try {
    bytes = fs::readFile(path);
  } catch (const ComError&) {
    return Variant(kOpenError);  // the one failure this member reports as a value
  }
  Variant array = Variant::bytes(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  array.mutableArray()->bounds[0].lower = 1;
  return array;
}

void File::Rename(const Variant& newname) {
  std::string name = core::FileNameOf(newname.toString());
  if (name.empty()) throw ComError(kNameError, kRenameSource, kFileNameNull);
  std::string newUri = core::ParentFolderOf(name_) + "/" + name;
  std::string newPath = SitePath(newUri);
  fs::moveItem(SitePath(name_), newPath);
  renameAttributes(name_, newUri);
  name_ = newUri;
}

const DispatchTable<File>& File::dispatchTable() {
  static const DispatchTable<File> table = Members<File>()
      .property<&File::Name, &File::setName>("Name")
      .property<&File::Locked_By, &File::setLocked_By>("Locked_By")
      .property<&File::Title, &File::setTitle>("Title")
      .readOnly<&File::FileType>("FileType")
      .property<&File::Content, &File::setContent>("Content")
      .readOnly<&File::Size>("Size")
      .readOnly<&File::DateCreated>("DateCreated")
      .readOnly<&File::DateLastModified>("DateLastModified")
      .readOnly<&File::ContentType>("ContentType")
      .readOnly<&File::ParentFolder>("ParentFolder")
      .method<&File::Save>("Save")
      .method<&File::ApplyTemplate>("ApplyTemplate")
      .method<&File::Copy>("Copy")
      .method<&File::Move>("Move")
      .method<&File::Delete>("Delete")
      .method<&File::LockFile>("LockFile")
      .method<&File::UnlockFile>("UnlockFile")
      .method<&File::LockStatus>("LockStatus")
      .method<&File::GetBinaryContent>("GetBinaryContent")
      .method<&File::Rename>("Rename")
      .build();
  return table;
}

}  // namespace corvela::sitefiles
