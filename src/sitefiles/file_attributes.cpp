// cms_fileattribute statements.
//
// The engine once stored a lock by writing whatever holder its object had
// read earlier, so two users locking one file at the same moment both got
// True, and a stale object could clear another user's lock on Save. The
// holder is now tested in the UPDATE itself. A folder rename once moved the
// rows matching filename LIKE 'folder%', which also took /a2/x.htm along
// with /a/ and treated "_" and "%" as wildcards; the prefix compares exactly.
#include "sitefiles/file_attributes.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/sql_literals.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"

namespace corvela::sitefiles {
namespace {

std::string textOf(const db::Recordset& rs, std::string_view field) {
  const Variant& value = rs.value(field);
  return value.isNull() ? std::string() : value.toString();
}

std::string whereFile(std::string_view filename) { return " WHERE filename=" + core::quotedSqlText(filename); }

}  // namespace

std::optional<FileAttributes> findAttributes(std::string_view filename) {
  return core::runVoting(nullptr, [&]() -> std::optional<FileAttributes> {
    auto rs = core::comDAL().DoSelect("SELECT * FROM cms_fileattribute" + whereFile(filename));
    if (rs->eof()) return std::nullopt;
    return FileAttributes{textOf(*rs, "title"), textOf(*rs, "lockedby")};
  });
}

FileAttributes registerAttributes(std::string_view filename, std::string_view title) {
  return core::runVoting(nullptr, [&] {
    if (auto found = findAttributes(filename)) return *found;
    int32_t id = core::newID("cms_fileattribute");
    core::comDAL().execCommand("INSERT INTO cms_fileattribute (id,filename,title,lockedby) VALUES (" +
                               std::to_string(id) + "," + core::quotedSqlText(filename) + "," +
                               core::quotedSqlText(title) + ",'')");
    return FileAttributes{std::string(title), ""};
  });
}

StoreOutcome storeAttributes(std::string_view filename, std::string_view lockedBy, std::string_view title,
                             std::string_view allowedHolder) {
  return core::runVoting(nullptr, [&] {
    core::comDAL dal;
    dal.execCommand("UPDATE cms_fileattribute SET lockedby=" + core::quotedSqlText(lockedBy) +
                    ",Title=" + core::quotedSqlText(title) + whereFile(filename) +
                    " AND (lockedby IS NULL OR LTRIM(RTRIM(lockedby))='' OR LTRIM(RTRIM(lockedby))=" +
                    core::quotedSqlText(allowedHolder) + ")");
    if (dal.connection()->lastChanges() > 0) return StoreOutcome::Stored;
    return findAttributes(filename) ? StoreOutcome::LockedByOther : StoreOutcome::NoRow;
  });
}

void deleteAttributes(std::string_view filename) {
  core::runVoting(nullptr, [&] { core::comDAL().execCommand("DELETE FROM cms_fileattribute" + whereFile(filename)); });
}

void renameAttributes(std::string_view oldUri, std::string_view newUri) {
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("UPDATE cms_fileattribute SET filename=" + core::quotedSqlText(newUri) +
                               whereFile(oldUri));
  });
}

void moveFolderAttributes(std::string_view oldFolder, std::string_view newFolder) {
  // SUBSTRING counts characters; a substring carries no collation of the
  // column, so the comparison is exact.
  std::string length = std::to_string(text::codePointCount(oldFolder));
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("UPDATE cms_fileattribute SET filename = " + core::quotedSqlText(newFolder) +
                               " + SUBSTRING(filename, " + length + " + 1, 255) WHERE SUBSTRING(filename, 1, " +
                               length + ")=" + core::quotedSqlText(oldFolder));
  });
}

}  // namespace corvela::sitefiles
