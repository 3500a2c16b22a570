// Page (ProgID "Corvela.Page"): one numbered page of an article, a row of
// cms_pages with the site file the page is published to. The body is
// written apart from the statement text, so bodies of any length keep every
// character.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::content {

class Page : public DispatchObject<Page> {
 public:
  static constexpr std::string_view kClassName = "Page";
  static const DispatchTable<Page>& dispatchTable();

  std::string FileName() const { return fileName_; }
  void setFileName(std::string_view text) { fileName_ = text; }
  int32_t PageNum() const { return pageNum_; }
  void setPageNum(int32_t number) { pageNum_ = number; }
  int32_t contentid() const { return contentId_; }
  void setcontentid(int32_t id) { contentId_ = id; }
  std::string Content() const { return content_; }
  void setContent(std::string_view text) { content_ = text; }
  int32_t PageID() const { return pageId_; }

  // 1050 "NoRecord" when there is no such page. A NULL body reads as " ".
  bool Load(int32_t pId);
  // Inserts or updates the row, then loads it again. An empty body is stored
  // as " "; a contentid below 0 raises 1051 "Input Error:Invalid contentid!".
  bool Save();
  // Deletes the page's published file (when it can) and its row.
  bool Del(int32_t pId);
  // The pages of an article by page number.
  std::shared_ptr<db::Recordset> ListAllPages(int32_t cid);

 private:
  int32_t pageId_ = -1;
  std::string fileName_;
  int32_t pageNum_ = 1;
  int32_t contentId_ = -1;
  std::string content_;
};

}  // namespace corvela::content
