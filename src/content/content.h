// Content (ProgID "Corvela.Content"): one article, a row of cms_content in a
// channel or magazine column, with its pages (cms_pages), its custom property
// values (ContentProperty, typed by the channel's schema) and the ids of its
// related articles, kept in the row as a small XML document.
//
// Status codes: 1 new, 2 edited, 3 submitted, 4 published and moved to
// history, 5 published and current. USN orders the articles of one column
// (higher first); every column has its own counter "USN" + column id.
//
// Save, Save2, Del, MoveUp and MoveDown run in one transaction each: a
// failure part-way leaves every row as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela {
class Collection;
}
namespace corvela::db {
class Recordset;
}
namespace corvela::tmpl {
class TemplateDocument;
}

namespace corvela::content {

class Page;

// Status codes of an article.
inline constexpr int32_t kStatusNew = 1;
inline constexpr int32_t kStatusEdited = 2;
inline constexpr int32_t kStatusSubmitted = 3;
inline constexpr int32_t kStatusHistory = 4;
inline constexpr int32_t kStatusPublished = 5;

class Content : public DispatchObject<Content> {
 public:
  static constexpr std::string_view kClassName = "Content";
  static const DispatchTable<Content>& dispatchTable();

  Content();
  ~Content() override;

  // The TemplateSystem generation reuses; created by ProgID on first use.
  std::shared_ptr<Object> objTemplate();
  void setObjTemplate(std::shared_ptr<Object> object) { objTemplate_ = std::move(object); }
  int32_t Columnid() const { return columnId_; }
  void setColumnid(int32_t id) { columnId_ = id; }
  std::string Title() const { return title_; }
  void setTitle(std::string_view text) { title_ = text; }
  std::string Author() const { return author_; }
  void setAuthor(std::string_view text) { author_ = text; }
  OleDate SubmitDate() const { return submitDate_; }
  void setSubmitDate(OleDate date) { submitDate_ = date; }
  int32_t Status() const { return status_; }
  void setStatus(int32_t status) { status_ = status; }
  std::string PutInTopx() const { return putInTopx_; }
  void setPutInTopx(std::string_view flag) { putInTopx_ = flag; }
  std::string IsImageNews() const { return isImageNews_; }
  void setIsImageNews(std::string_view flag) { isImageNews_ = flag; }
  int32_t issueId() const { return issueId_; }
  void setissueId(int32_t id) { issueId_ = id; }
  OleDate PublishDate() const { return publishDate_; }
  void setPublishDate(OleDate date) { publishDate_ = date; }
  std::string Keyword() const { return keyword_; }
  void setKeyword(std::string_view text) { keyword_ = text; }
  int32_t PSN() const { return psn_; }
  void setPSN(int32_t number) { psn_ = number; }
  int32_t ID() const { return id_; }

  // The document templates read: the channel's properties as stored, then
  // "id", "title", "author", "submitdate", "putintopx", "isimagenews",
  // "publishdate", "keyword", "url" (the first page's file) and the object
  // "RelativeArticle" (RelativeArticles). 513 "Content" for a schema
  // property with a negative id.
  std::shared_ptr<tmpl::TemplateDocument> Fields();
  // Forgets every property value held by the object.
  void ClearField();
  // The loaded or added pages in page order (created on first use).
  std::shared_ptr<Collection> Pages();
  // Replaces the text of page PageNum when there is one; otherwise appends a
  // page numbered count + 1, whatever PageNum was.
  void AddPage(int32_t PageNum, std::string_view pagec);
  // Deletes every page's row at once, last page first, and empties Pages.
  void ClearPages();

  // The related articles that still load, in list order. 555
  // "Content.Fields" "InvalidXML" when the stored list does not parse.
  std::shared_ptr<Collection> RelativeArticles();
  void AddRelativeArticle(int32_t cid);
  void ClearRelativeArticle();
  // Rebuilds the list from the articles that share a keyword (at most 200,
  // newest publish date first, never the article itself).
  void CreateRelative();

  // 1050 "NoRecord" when there is no such article.
  bool Load(int32_t pId);
  // Validates, stamps SubmitDate with the current time, and writes the row,
  // the pages and the property values; then loads the article again.
  bool Save();
  // As Save, keeping SubmitDate as the caller set it.
  bool Save2();
  // Deletes the article, its pages (and their files), its property values
  // and its search row.
  bool Del(int32_t pId);
  // Swap ordering numbers with the next article of the column above / below;
  // nothing at the top / bottom.
  void MoveUp();
  void MoveDown();

  // Moves current articles older than the channel's reserve days to history
  // first. pStatus is a list of status codes ("1,2,3,5").
  std::shared_ptr<db::Recordset> ListAll(int32_t colid, std::string_view pStatus);
  std::shared_ptr<db::Recordset> ListAll2(int32_t colid, int32_t pIssueId, std::string_view pStatus);
  std::shared_ptr<db::Recordset> ListHistory(int32_t colid);
  // Articles whose search row holds the key in its metadata or title (at
  // most 200); Search2 within the channel's branch of the tree.
  std::shared_ptr<db::Recordset> Search(std::string_view key);
  std::shared_ptr<db::Recordset> Search2(std::string_view key, int32_t colid);
  // Articles of the column saved on the day of pSubmitdate.
  std::shared_ptr<db::Recordset> Search3(OleDate pSubmitdate, int32_t colid);

  // A property value as text, "" when the object holds none of that name.
  Variant Item(std::string_view sProperty) const;
  // Checks the value against the property's type in the channel's schema
  // (10001 "Content" for a NUMBER or DATETIME that is none) and holds it.
  void setItem(std::string_view sProperty, const Variant& value);
  // Reads the property values stored for the article.
  void LoadProperties();

  // Sets Columnid and saves; nothing on an unsaved article.
  void MoveTo(int32_t newColumnid);
  // A saved copy in the other column with the same fields, property values
  // and page texts (new id, new ordering number); Nothing for an unsaved one.
  std::shared_ptr<Content> CopyTo(int32_t newColumnid);

  // For the engine.
  int32_t usn() const { return usn_; }
  const std::string& relatedArticleXml() const { return relatedXml_; }
  // The property values in the order they were set or loaded.
  const std::vector<std::pair<std::string, Variant>>& propertyValues() const { return properties_; }
  std::vector<std::shared_ptr<Page>> pageList();

 private:
  bool saveArticle(bool stampSubmitDate);
  void validateInput();
  void writeRow();
  void saveProperties();
  void moveNextTo(bool up);
  std::vector<int32_t> relatedIds() const;

  std::shared_ptr<Object> objTemplate_;
  int32_t id_ = -1;
  int32_t columnId_ = -1;
  std::string title_ = " ";
  std::string author_ = " ";
  OleDate submitDate_;
  int32_t status_ = kStatusNew;
  std::string putInTopx_ = "Y";
  std::string isImageNews_ = "Y";
  int32_t issueId_ = 1;
  OleDate publishDate_;
  std::string keyword_;
  int32_t psn_ = 0;
  int32_t usn_ = 0;
  std::string relatedXml_;
  std::shared_ptr<Collection> pages_;
  std::vector<std::pair<std::string, Variant>> properties_;
};

// The empty related-article list, as stored.
inline constexpr const char* kEmptyRelatedList = "<?xml version=\"1.0\"?><relativearticle/>";

}  // namespace corvela::content
