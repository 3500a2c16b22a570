// The rows of cms_fileattribute: a site file's title and the user holding
// its advisory lock, found by the file's URI exactly as it was written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvela::sitefiles {

struct FileAttributes {
  std::string title;
  std::string lockedBy;  // as stored, not trimmed
};

std::optional<FileAttributes> findAttributes(std::string_view filename);
// The file's row; when there is none, one is inserted with the title and
// no lock, and that is returned.
FileAttributes registerAttributes(std::string_view filename, std::string_view title);

enum class StoreOutcome { Stored, NoRow, LockedByOther };
// Stores lockedby and title, in one statement and only while the stored
// lock is free or held by `allowedHolder`, so two writers deciding at the
// same moment cannot both win.
StoreOutcome storeAttributes(std::string_view filename, std::string_view lockedBy, std::string_view title,
                             std::string_view allowedHolder);

void deleteAttributes(std::string_view filename);
void renameAttributes(std::string_view oldUri, std::string_view newUri);
// Every row whose URI starts with oldFolder (a folder URI ending in "/")
// gets newFolder in its place; the prefix compares exactly, so "_" and "%"
// in folder names are plain characters and /a2/ is not under /a/.
void moveFolderAttributes(std::string_view oldFolder, std::string_view newFolder);

}  // namespace corvela::sitefiles
