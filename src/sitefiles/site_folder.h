// SiteFolder (ProgID "Corvela.SiteFolder"): the entry to the web site's
// files. Callers name site URIs ("/news/a.htm", folders ending in "/"),
// never physical paths; every URI is checked and mapped below the
// SiteDirectory setting (site_path_guard.h). Files created here get a row
// in cms_fileattribute titled with their name and are queued to every
// deploy task whose folder holds them.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::sitefiles {

class Folder;
class File;

class SiteFolder : public DispatchObject<SiteFolder> {
 public:
  static constexpr std::string_view kClassName = "SiteFolder";
  static const DispatchTable<SiteFolder>& dispatchTable();

  // Makes ParentURI + the last component of FolderName exist, with every
  // missing level; an existing folder is no error. 513 "FolderNameNull" for
  // an empty name, 10001 for a forbidden character.
  std::shared_ptr<Folder> CreateFolder(std::string_view ParentURI, std::string_view FolderName);
  bool FolderExists(std::string_view folderURI);
  void MakeFolderSure(std::string_view folderURI);
  // A Folder named by the URI with "/" separators and a trailing "/"; the
  // folder need not exist.
  std::shared_ptr<Folder> GetFolder(std::string_view folderURI);
  // The file-system folder objects of the site root and of "/Templates/"
  // (created first when missing), for pages that walk the tree.
  std::shared_ptr<Object> getTree();
  std::shared_ptr<Object> getTemplateRoot();
  // Creates an empty file (12293 "FileExists" when one is there; the parent
  // folder must exist), registers it and queues it for deployment.
  std::shared_ptr<File> CreateFile(std::string_view ParentURI, std::string_view FileName);
  // A File named exactly FileName, with the title and lock of its row (its
  // name and no lock without one); the file need not exist.
  std::shared_ptr<File> GetFile(std::string_view FileName);
  bool FileExists(std::string_view fileURI);
  bool CopyFile(std::string_view srcFile, std::string_view tarFile);
  bool DeleteFile(std::string_view srcFile);
  // The physical path of a URI (refused like every other URI when it would
  // lie outside the site).
  std::string URIMap(std::string_view Uri);
  // The URI of a physical path inside the site.
  std::string GetUri(std::string_view FileName);
  // The text after the last "/"; the text before it ("/" without one).
  std::string GetFileName(std::string_view FileName);
  std::string GetFilePath(std::string_view FileName);
  std::string UrlDecode(std::string_view sEncoded);
  std::string Utf2GB(std::string_view utfString);

  // CreateFile without the deployment queueing, for a caller that fills the
  // file first and queues it then. Returns the new file's URI.
  std::string createEmptyFile(std::string_view ParentURI, std::string_view FileName);
};

// Makes each level of a folder URI exist through SiteFolder (the
// generators and Folder.Copy use it). A URI of one segment does nothing.
void MakeUriFoldersSure(std::string_view folderUri);

// A folder URI with "\" read as "/" and a trailing "/".
std::string folderUriForm(std::string_view uri);

inline constexpr int kNameError = 513;
inline constexpr int kForbiddenCharacterError = 10001;
inline constexpr int kFileExistsError = 12293;
inline constexpr const char* kSiteFolderSource = "SiteFolder";
inline constexpr const char* kFileNameNull = "FileNameNull";

}  // namespace corvela::sitefiles
