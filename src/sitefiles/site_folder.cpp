// SiteFolder: folder and file creation, lookups and the URI helpers.
#include "sitefiles/site_folder.h"

#include "core/file_helpers.h"
#include "core/path_parts.h"
#include "core/site_paths.h"
#include "core/uri_validation.h"
#include "deploy/deployment_queue.h"
#include "platform/automation/member_binding.h"
#include "platform/fs/file_system.h"
#include "platform/scripting/file_objects.h"
#include "sitefiles/file.h"
#include "sitefiles/file_attributes.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_path_guard.h"
#include "sitefiles/utf8_text_decoding.h"

namespace corvela::sitefiles {
namespace {

// Tested in this order; the first one found names the error.
constexpr std::string_view kForbiddenCharacters = "\\/:*?\"<>|";
constexpr const char* kFolderNameNull = "FolderNameNull";
constexpr const char* kCreateFolderSource = "SiteFolder.CreateFolder";
constexpr const char* kCreateFileSource = "SiteFolder.CreateFile";
constexpr const char* kFolderNameForbidden = "FolderName Can't include \\/:*?\" <>|";
constexpr const char* kFileNameForbidden = "FileName Can't include \\/:*?\" <>|";
constexpr const char* kVfsCreateFileSource = "VFS.CreateFile";
constexpr const char* kFileExistsText = "FileExists";
constexpr std::string_view kTemplateFolder = "Templates";

void refuseForbidden(std::string_view name, const char* source, const char* description) {
  for (char c : kForbiddenCharacters)
    if (name.find(c) != std::string_view::npos) throw ComError(kForbiddenCharacterError, source, description);
}

}  // namespace

std::string folderUriForm(std::string_view uri) {
  std::string form = core::NormaliseSeparators(uri);
  if (form.empty() || form.back() != '/') form += '/';
  return form;
}

void MakeUriFoldersSure(std::string_view folderUri) {
  std::string uri = core::NormaliseSeparators(folderUri);
  if (uri.find('/') == std::string::npos) return;
  SiteFolder site;
  std::string current;
  size_t start = 0;
  while (start <= uri.size()) {
    size_t slash = uri.find('/', start);
    if (slash == std::string::npos) slash = uri.size();
    std::string_view segment = std::string_view(uri).substr(start, slash - start);
    start = slash + 1;
    if (core::trimSpaces(segment).empty()) continue;
    std::string folder = current + "/" + std::string(segment) + "/";
    if (!site.FolderExists(folder)) {
      try {
        site.CreateFolder(current + "/", segment);
      } catch (const ComError&) {
        if (!site.FolderExists(folder)) throw;  // else another generator made it meanwhile
      }
    }
    current += "/" + std::string(segment);
  }
}

std::shared_ptr<Folder> SiteFolder::CreateFolder(std::string_view ParentURI, std::string_view FolderName) {
  SitePath(ParentURI);
  std::string name = GetFileName(FolderName);
  if (name.empty()) throw ComError(kNameError, kSiteFolderSource, kFolderNameNull);
  refuseForbidden(name, kCreateFolderSource, kFolderNameForbidden);
  std::string uri = folderUriForm(ParentURI) + name;
  core::MakeFolderSure(SitePath(uri));
  return GetFolder(uri + "/");
}

bool SiteFolder::FolderExists(std::string_view folderURI) { return fs::folderExists(SitePath(folderURI)); }

void SiteFolder::MakeFolderSure(std::string_view folderURI) { core::MakeFolderSure(SitePath(folderURI)); }

std::shared_ptr<Folder> SiteFolder::GetFolder(std::string_view folderURI) {
  SitePath(folderURI);
  return std::make_shared<Folder>(folderUriForm(folderURI));
}

namespace {

// The file-system folder object of a folder URI; its path has no trailing
// "/", as FileSystemObject's folder paths have none.
std::shared_ptr<Object> fileSystemFolder(std::string_view uri) {
  std::string path = SitePath(uri);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return std::make_shared<scripting::Folder>(path);
}

}  // namespace

std::shared_ptr<Object> SiteFolder::getTree() { return fileSystemFolder("/"); }

std::shared_ptr<Object> SiteFolder::getTemplateRoot() {
  if (!FolderExists("/" + std::string(kTemplateFolder))) CreateFolder("/", kTemplateFolder);
  return fileSystemFolder("/" + std::string(kTemplateFolder) + "/");
}

std::string SiteFolder::createEmptyFile(std::string_view ParentURI, std::string_view FileName) {
  SitePath(ParentURI);
  std::string name = GetFileName(FileName);
  if (name.empty()) throw ComError(kNameError, kSiteFolderSource, kFileNameNull);
  refuseForbidden(name, kCreateFileSource, kFileNameForbidden);
  std::string uri = folderUriForm(ParentURI) + name;
  std::string path = SitePath(uri);
  if (fs::fileExists(path)) throw ComError(kFileExistsError, kVfsCreateFileSource, kFileExistsText);
  core::EnsureFile(path);
  registerAttributes(uri, name);
  return uri;
}

std::shared_ptr<File> SiteFolder::CreateFile(std::string_view ParentURI, std::string_view FileName) {
  std::string uri = createEmptyFile(ParentURI, FileName);
  deploy::QueueFileForDeployment(SitePath(uri));
  return GetFile(uri);
}

std::shared_ptr<File> SiteFolder::GetFile(std::string_view FileName) {
  SitePath(FileName);
  std::string name = GetFileName(FileName);
  if (name.empty()) throw ComError(kNameError, kSiteFolderSource, kFileNameNull);
  if (auto row = findAttributes(FileName))
    return std::make_shared<File>(std::string(FileName), std::string(core::trimSpaces(row->lockedBy)), row->title);
  return std::make_shared<File>(std::string(FileName), "", name);
}

bool SiteFolder::FileExists(std::string_view fileURI) { return fs::fileExists(SitePath(fileURI)); }

bool SiteFolder::CopyFile(std::string_view srcFile, std::string_view tarFile) {
  SitePath(srcFile);
  SitePath(tarFile);
  GetFile(srcFile)->Copy(tarFile);
  return true;
}

bool SiteFolder::DeleteFile(std::string_view srcFile) {
  GetFile(srcFile)->Delete();
  return true;
}

std::string SiteFolder::URIMap(std::string_view Uri) { return SitePath(Uri); }

std::string SiteFolder::GetUri(std::string_view FileName) { return core::PathToUri(FileName); }

std::string SiteFolder::GetFileName(std::string_view FileName) {
  core::ValidateUri(FileName);
  return core::FileNameOf(FileName);
}

std::string SiteFolder::GetFilePath(std::string_view FileName) {
  core::ValidateUri(FileName);
  std::string path = core::NormaliseSeparators(core::trimSpaces(FileName));
  if (path.empty()) return path;
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "/";
  return path.substr(0, slash);
}

std::string SiteFolder::UrlDecode(std::string_view sEncoded) { return core::UrlDecode(sEncoded); }

std::string SiteFolder::Utf2GB(std::string_view utfString) { return sitefiles::Utf2GB(utfString); }

const DispatchTable<SiteFolder>& SiteFolder::dispatchTable() {
  static const DispatchTable<SiteFolder> table = Members<SiteFolder>()
      .method<&SiteFolder::CreateFolder>("CreateFolder")
      .method<&SiteFolder::FolderExists>("FolderExists")
      .method<&SiteFolder::MakeFolderSure>("MakeFolderSure")
      .method<&SiteFolder::GetFolder>("GetFolder")
      .method<&SiteFolder::getTree>("getTree")
      .method<&SiteFolder::getTemplateRoot>("getTemplateRoot")
      .method<&SiteFolder::CreateFile>("CreateFile")
      .method<&SiteFolder::GetFile>("GetFile")
      .method<&SiteFolder::FileExists>("FileExists")
      .method<&SiteFolder::CopyFile>("CopyFile")
      .method<&SiteFolder::DeleteFile>("DeleteFile")
      .method<&SiteFolder::URIMap>("URIMap")
      .method<&SiteFolder::GetUri>("GetUri")
      .method<&SiteFolder::GetFileName>("GetFileName")
      .method<&SiteFolder::GetFilePath>("GetFilePath")
      .method<&SiteFolder::UrlDecode>("UrlDecode")
      .method<&SiteFolder::Utf2GB>("Utf2GB")
      .build();
  return table;
}

}  // namespace corvela::sitefiles
