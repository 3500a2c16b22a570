// Page over the cms_pages table.
//
// The engine once read a body back as one chunk of at most 65,535
// characters, so a longer page lost its end on the next load and save. The
// whole body is read here. The row and its body are written in one
// transaction: a failure while writing the body leaves the page as it was.
#include "content/page.h"

#include <filesystem>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/site_paths.h"
#include "core/sql_literals.h"
#include "core/uri_validation.h"
#include "platform/automation/member_binding.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::content {
namespace {

constexpr const char* kInvalidContentId = "Input Error:Invalid contentid!";

// The published file of a page, removed when its URI maps to a file inside
// the site. A URI that climbs out of the site or cannot be mapped names no
// file of ours; a file already gone needs no removal.
void removePublishedFile(std::string_view uri) {
  std::string path;
  try {
    core::ValidateUri(uri);
    path = core::UriToPath(uri);
  } catch (const ComError&) {
    return;
  }
  std::error_code ignored;
  if (std::filesystem::is_regular_file(path, ignored)) std::filesystem::remove(path, ignored);
}

}  // namespace

bool Page::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto rs = core::comDAL().DoSelect("SELECT * FROM cms_pages WHERE pageid = " + std::to_string(pId));
    if (rs->eof()) core::raiseNoRecord();
    pageId_ = core::longValue(rs->value("pageid"));
    pageNum_ = core::longValue(rs->value("pagenum"));
    fileName_ = core::textValue(rs->value("filename"));
    contentId_ = core::longValue(rs->value("contentid"));
    const Variant& body = rs->value("content");
    content_ = body.isNull() ? std::string(" ") : body.toString();
    return true;
  });
}

bool Page::Save() {
  return core::runVoting(nullptr, [&] {
    if (content_.empty()) content_ = " ";
    if (contentId_ < 0) throw ComError(core::kInputError, "", kInvalidContentId);
    core::comDAL dal;
    std::string fileName = core::quotedSqlText(fileName_);
    if (dal.DoSelect("SELECT pageid FROM cms_pages WHERE pageid= " + std::to_string(pageId_))->eof()) {
      pageId_ = core::newID("cms_pages");
      dal.execCommand("INSERT INTO cms_pages (pageid,pagenum,filename,contentid,content) VALUES (" +
                      std::to_string(pageId_) + "," + std::to_string(pageNum_) + "," + fileName + "," +
                      std::to_string(contentId_) + ",' ')");
    } else {
      dal.execCommand("UPDATE cms_pages SET pagenum=" + std::to_string(pageNum_) + ",filename=" + fileName +
                      ",contentid=" + std::to_string(contentId_) + " WHERE pageid=" + std::to_string(pageId_));
    }
    std::string body[] = {content_};
    dal.connection()->execute("UPDATE cms_pages SET content=? WHERE pageid=" + std::to_string(pageId_), body);
    return Load(pageId_);
  });
}

bool Page::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    core::comDAL().execCommand("DELETE FROM cms_pages  WHERE pageid=" + std::to_string(pId));
    removePublishedFile(fileName_);
    return true;
  });
}

std::shared_ptr<db::Recordset> Page::ListAllPages(int32_t cid) {
  return core::runVoting(nullptr, [&] {
    return core::comDAL().DoSelect("SELECT * FROM cms_pages WHERE contentid = " + std::to_string(cid) +
                                   " ORDER BY pagenum");
  });
}

const DispatchTable<Page>& Page::dispatchTable() {
  static const DispatchTable<Page> table = Members<Page>()
      .property<&Page::FileName, &Page::setFileName>("FileName")
      .property<&Page::PageNum, &Page::setPageNum>("PageNum")
      .property<&Page::contentid, &Page::setcontentid>("contentid")
      .property<&Page::Content, &Page::setContent>("Content")
      .readOnly<&Page::PageID>("PageID")
      .method<&Page::Load>("Load")
      .method<&Page::Save>("Save")
      .method<&Page::Del>("Del")
      .method<&Page::ListAllPages>("ListAllPages")
      .build();
  return table;
}

}  // namespace corvela::content
