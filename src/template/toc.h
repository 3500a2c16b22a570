// comTOC (ProgID "Corvela.comTOC") describes one page of an index: the
// article entries shown on it, every page of the index, and the neighbours.
// comLink (ProgID "Corvela.comLink") is one entry: an article, or an index
// page in comTOC.AllPages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/collection.h"
#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela::tmpl {

class comTOC : public DispatchObject<comTOC> {
 public:
  static constexpr std::string_view kClassName = "comTOC";
  static const DispatchTable<comTOC>& dispatchTable();

  // Both collections are created on first read.
  std::shared_ptr<Collection> AllLinks();
  void setAllLinks(std::shared_ptr<Collection> links) { allLinks_ = std::move(links); }
  std::shared_ptr<Collection> AllPages();
  void setAllPages(std::shared_ptr<Collection> pages) { allPages_ = std::move(pages); }
  const std::string& NextPage() const { return nextPage_; }
  void setNextPage(std::string_view uri) { nextPage_.assign(uri); }
  const std::string& PrevPage() const { return prevPage_; }
  void setPrevPage(std::string_view uri) { prevPage_.assign(uri); }
  int32_t Pages() const { return pages_; }
  void setPages(int32_t pages) { pages_ = pages; }
  int32_t PageNum() const { return pageNum_; }
  void setPageNum(int32_t pageNum) { pageNum_ = pageNum; }

 private:
  std::shared_ptr<Collection> allLinks_, allPages_;
  std::string nextPage_, prevPage_;
  int32_t pages_ = 0, pageNum_ = 0;
};

class comLink : public DispatchObject<comLink> {
 public:
  static constexpr std::string_view kClassName = "comLink";
  static const DispatchTable<comLink>& dispatchTable();

  const std::string& url() const { return url_; }
  void seturl(std::string_view url) { url_.assign(url); }
  const std::string& Title() const { return title_; }
  void setTitle(std::string_view title) { title_.assign(title); }
  const std::string& Author() const { return author_; }
  void setAuthor(std::string_view author) { author_.assign(author); }
  OleDate SubmitDate() const { return submitDate_; }
  void setSubmitDate(OleDate date) { submitDate_ = date; }
  OleDate PublishDate() const { return publishDate_; }
  void setPublishDate(OleDate date) { publishDate_ = date; }
  void Init(int32_t cid) { articleId_ = cid; }

  int32_t articleId() const { return articleId_; }

 private:
  std::string url_, title_, author_;
  OleDate submitDate_, publishDate_;
  int32_t articleId_ = -1;
};

}  // namespace corvela::tmpl
