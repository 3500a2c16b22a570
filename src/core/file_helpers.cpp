// Folder creation, text reading and the forced copy/delete helpers.
#include "core/file_helpers.h"

#include "core/path_parts.h"
#include "core/site_paths.h"
#include "platform/automation/com_error.h"
#include "platform/fs/file_system.h"
#include "platform/text/codepage.h"
#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

// The extensions whose files have text content. Looked up by substring, as
// the engine always did, so "TM" or "SP" count as text too.
constexpr std::string_view kTextExtensions = "HTML,TXT,ASP,PHP,JSP,HTM,JS,VBS,INC,ASA,ASPX,ASAX,ASCX,ASMX,SHTML,SHTM";

constexpr int kPathNotFound = 76;

}  // namespace

void MakeFolderSure(std::string_view path) {
  std::string folder = NormaliseSeparators(path);
  if (folder.empty()) raiseRuntimeError(kPathNotFound);
  size_t start = folder.front() == '/' ? 1 : 0;
  std::string level(start, '/');
  while (start <= folder.size()) {
    size_t slash = folder.find('/', start);
    if (slash == std::string::npos) slash = folder.size();
    std::string_view segment = std::string_view(folder).substr(start, slash - start);
    start = slash + 1;
    if (segment.empty()) continue;
    if (!level.empty() && level.back() != '/') level += '/';
    level += segment;
    if (fs::folderExists(level)) continue;
    try {
      fs::createFolder(level);
    } catch (const ComError&) {
      if (!fs::folderExists(level)) throw;  // else another writer made it meanwhile
    }
  }
}

void MakeParentFolderSure(std::string_view filePath) {
  std::string parent = ParentPathOf(filePath);
  size_t segments = 1;
  for (char c : parent)
    if (c == '/') ++segments;
  if (segments <= 1) return;
  MakeFolderSure(parent);
}

std::string TextContentOf(std::string_view uri) {
  std::string extension = text::toUpper(FileExtensionOf(uri));
  if (kTextExtensions.find(extension) == std::string_view::npos) return {};
  return ReadTextFile(UriToPath(uri));
}

std::string ReadTextFile(std::string_view path) {
  std::string bytes;
  try {
    bytes = fs::readFile(path);
  } catch (const ComError&) {
    return {};  // could not be opened: no text, by definition
  }
  std::string content = text::fromCodePage(bytes);
  std::string out;
  out.reserve(content.size() + content.size() / 16);
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    size_t next = end == std::string::npos ? content.size() : end + 1;
    if (end == std::string::npos) end = content.size();
    size_t lineEnd = end > start && content[end - 1] == '\r' ? end - 1 : end;
    out.append(content, start, lineEnd - start);
    out += "\r\n";
    start = next;
  }
  return out;
}

void EnsureFile(std::string_view path) {
  if (!fs::fileExists(path)) fs::writeFile(path, {});
}

void CopyFileOver(std::string_view source, std::string_view target) { fs::copyFile(source, target, true); }

void DeleteFileForced(std::string_view path) { fs::deleteFile(path, true); }

void DeleteFolderForced(std::string_view path) {
  std::string folder = NormaliseSeparators(path);
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  fs::deleteFolderTree(folder, true);
}

}  // namespace corvela::core
