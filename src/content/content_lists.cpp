// The administration lists of articles: by column and status, by issue, the
// history, and the searches over the search rows.
//
// Mended here: a status list is accepted only as a list of integers and a
// search key matches itself literally ("%" and "_" included), so no caller
// text changes a statement; Search2 keeps to the channel's own branch (the
// path "/News" no longer takes in "/Newsletter").
#include "content/content.h"
#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/sql_inputs.h"
#include "core/sql_literals.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"

namespace corvela::content {
namespace {

constexpr const char* kInvalidStatusList = "Some Error in your input:Invalid status list!";

constexpr const char* kSearchColumns =
    "cms_content.id, cms_content.title, cms_content.author, cms_content.submitdate,"
    "cms_content.Status,cms_content.putintopx,cms_content.isimagenews";
constexpr const char* kSearchJoin = " FROM cms_content INNER JOIN SearchMetadata ON cms_content.id = SearchMetadata.ContentID";

std::shared_ptr<db::Recordset> select(const std::string& statement) {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect(statement); });
}

// "(MetaData LIKE '%key%' OR Title LIKE '%key%')", the key matched literally.
std::string keyCondition(std::string_view key) {
  const std::string pattern = "'%" + core::likeLiteralText(key) + "%'" + core::kLikeEscape;
  return "(SearchMetadata.MetaData LIKE " + pattern + " OR SearchMetadata.Title LIKE " + pattern + ")";
}

Variant dayAt(OleDate date, int hour, int minute, int second) {
  DateParts parts = partsFromOleDate(date.days);
  parts.hour = hour;
  parts.minute = minute;
  parts.second = second;
  double days = 0;
  oleDateFromParts(parts, days);
  return Variant::fromDate(days);
}

}  // namespace

std::shared_ptr<db::Recordset> Content::ListAll(int32_t colid, std::string_view pStatus) {
  const std::string statuses = core::checkedIntegerList(pStatus, kInvalidStatusList);
  return core::runVoting(nullptr, [&] {
    structure::Channel channel;
    channel.Load(colid);
    const double cutOff = oleDateNow() - channel.ReserveDays();
    core::comDAL dal;
    dal.execCommand("UPDATE cms_content SET status=4 WHERE columnid=" + std::to_string(colid) +
                    " AND status=5 AND submitdate<" + core::SqlValue(Variant::fromDate(cutOff)));
    return dal.DoSelect("SELECT * FROM cms_content WHERE columnid=" + std::to_string(colid) + " AND status in (" +
                        statuses + ") ORDER BY usn DESC");
  });
}

std::shared_ptr<db::Recordset> Content::ListAll2(int32_t colid, int32_t pIssueId, std::string_view pStatus) {
  const std::string statuses = core::checkedIntegerList(pStatus, kInvalidStatusList);
  return select("SELECT * FROM cms_content WHERE columnid=" + std::to_string(colid) + " AND status in (" + statuses +
                ") AND IssueID=" + std::to_string(pIssueId) + " ORDER BY usn DESC");
}

std::shared_ptr<db::Recordset> Content::ListHistory(int32_t colid) {
  return select("SELECT id,title,author,submitdate,status,putintopx,isimagenews FROM cms_content WHERE columnid=" +
                std::to_string(colid) + " AND status=4 ORDER BY USN DESC");
}

std::shared_ptr<db::Recordset> Content::Search(std::string_view key) {
  return select(std::string("SELECT top 200 ") + kSearchColumns + kSearchJoin + " WHERE " + keyCondition(key));
}

std::shared_ptr<db::Recordset> Content::Search2(std::string_view key, int32_t colid) {
  return core::runVoting(nullptr, [&] {
    structure::ChannelManager tree;
    tree.Init();
    const std::string path = tree.GetPath(colid);
    const std::string branch = "(SearchMetadata.ChannelPath=" + core::quotedSqlText(path) +
                               " OR SearchMetadata.ChannelPath LIKE '" + core::likeLiteralText(path) + "/%'" +
                               core::kLikeEscape + ")";
    return core::comDAL().DoSelect(std::string("SELECT ") + kSearchColumns + kSearchJoin + " WHERE (" +
                                   keyCondition(key) + " AND " + branch + ") ORDER BY usn DESC");
  });
}

std::shared_ptr<db::Recordset> Content::Search3(OleDate pSubmitdate, int32_t colid) {
  return select(std::string("SELECT ") + kSearchColumns + " FROM cms_content  WHERE submitdate>=" +
                core::SqlValue(dayAt(pSubmitdate, 0, 0, 0)) + "AND submitdate<=" +
                core::SqlValue(dayAt(pSubmitdate, 23, 59, 59)) + " AND columnid=" + std::to_string(colid) +
                " ORDER BY usn DESC");
}

}  // namespace corvela::content
