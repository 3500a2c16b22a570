// Cascades, counts, access entries and input checks of channels and columns.
#include "structure/section_rows.h"

#include <memory>

#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "structure/acl.h"

namespace corvela::structure {

namespace {
constexpr const char* kResourcePrefix = "CHANNEL_";
constexpr const char* kInputErrorStart = "There is some error in your input:";
constexpr const char* kAttachProgId = "Corvela.Attach";
}  // namespace

std::string sectionResource(int32_t id) { return kResourcePrefix + std::to_string(id); }

void deleteSectionRows(core::comDAL& dal, std::string_view table, int32_t id) {
  const std::string n = std::to_string(id);
  const std::string ofContent = " WHERE contentid IN (SELECT ID from cms_content WHERE columnid=" + n + ")";
  dal.execCommand("DELETE FROM " + std::string(table) + "  WHERE id=" + n);
  dal.execCommand("DELETE FROM cms_pages WHERE contentid IN (SELECT id FROM cms_content WHERE columnid=" + n + ")");
  dal.execCommand("DELETE FROM contentProperty" + ofContent);
  dal.execCommand("DELETE FROM SearchMetadata" + ofContent);
  dal.execCommand("DELETE FROM cms_content WHERE columnid=" + n);
  dal.execCommand("DELETE FROM ChannelSchema WHERE Channelid=" + n);
  dal.execCommand("DELETE FROM cms_attach WHERE columnid=" + n);
  dal.execCommand("DELETE FROM cms_acl WHERE Resource='" + sectionResource(id) + "'");
}

int32_t sectionContentCount(int32_t clid, bool unpublishedOnly) {
  return core::runVoting(nullptr, [&] {
    std::string sql = "SELECT count(id) as contentcount FROM cms_content WHERE columnid=" + std::to_string(clid);
    if (unpublishedOnly) sql += " AND Status<3";
    return core::longValue(core::comDAL().DoSelect(sql)->value("contentcount"));
  });
}

void addSectionEntry(int32_t id, std::string_view userId) {
  if (id >= 0) ACL().AddEntry(sectionResource(id), userId);
}

void deleteSectionEntry(int32_t id, std::string_view userId) {
  if (id >= 0) ACL().DeleteEntry(sectionResource(id), userId);
}

void clearSectionEntries(int32_t id) {
  core::runVoting(nullptr, [&] {
    core::comDAL().execCommand("DELETE FROM cms_acl WHERE Resource='" + sectionResource(id) + "'");
  });
}

Variant sectionAttachments(int32_t id) {
  std::shared_ptr<Object> attach = createObject(kAttachProgId);
  Variant argument(id);
  return attach->call("ListAll", std::span<Variant>(&argument, 1));
}

void InputChecks::require(bool ok, const char* message) {
  if (!ok) failed_ += message;
}

void InputChecks::raiseIfFailed() const {
  if (!failed_.empty()) throw ComError(core::kInputError, "", kInputErrorStart + failed_);
}

}  // namespace corvela::structure
