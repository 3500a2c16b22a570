// Content over cms_content: the record itself, its pages, ordering, moving
// and copying. Properties, related articles and the lists live beside it.
//
// Mended here: a moved article takes a fresh ordering number from its new
// column's counter (the old column's number could equal one already used
// there); MoveUp/MoveDown read and swap the numbers inside one write
// transaction, so two moves at once never leave two articles with one
// number; pages added but never saved are simply dropped by ClearPages.
#include "content/content.h"

#include "content/article_generation.h"
#include "content/content_feedback.h"
#include "content/content_plugin.h"
#include "content/page.h"
#include "content/search_row.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "core/write_transaction.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "template/template_document.h"

namespace corvela::content {
namespace {

using core::SqlValue;

constexpr const char* kInvalidColumnId = "Invalid ColumnID!";
constexpr const char* kTemplateSystemProgId = "Corvela.TemplateSystem";
constexpr const char* kContentCounter = "cms_content";
constexpr const char* kUsnCounterPrefix = "USN";

// Column limits, in characters (UTF-16 units).
constexpr size_t kTitleLimit = 255;
constexpr size_t kAuthorLimit = 50;

std::string yesNo(std::string_view flag) { return text::toUpper(flag) == "Y" ? "Y" : "N"; }

OleDate dateValue(const Variant& cell) { return OleDate{cell.isNull() || cell.isEmpty() ? 0.0 : cell.toDate()}; }

int32_t newOrderingNumber(int32_t columnId) { return core::newID(kUsnCounterPrefix + std::to_string(columnId)); }

}  // namespace

Content::Content()
    : submitDate_{oleDateNow()}, publishDate_{submitDate_.days}, relatedXml_(kEmptyRelatedList) {}

Content::~Content() = default;

std::shared_ptr<Object> Content::objTemplate() {
  if (!objTemplate_) objTemplate_ = createObject(kTemplateSystemProgId);
  return objTemplate_;
}

std::shared_ptr<Collection> Content::Pages() {
  if (!pages_) pages_ = std::make_shared<Collection>();
  return pages_;
}

std::vector<std::shared_ptr<Page>> Content::pageList() {
  std::vector<std::shared_ptr<Page>> pages;
  std::shared_ptr<Collection> all = Pages();
  for (size_t i = 0; i < all->size(); ++i) {
    const Variant& item = all->at(i);
    if (!item.isObject()) continue;
    if (auto page = std::dynamic_pointer_cast<Page>(item.rawObject())) pages.push_back(std::move(page));
  }
  return pages;
}

void Content::AddPage(int32_t PageNum, std::string_view pagec) {
  std::vector<std::shared_ptr<Page>> pages = pageList();
  if (PageNum >= 1 && static_cast<size_t>(PageNum) <= pages.size()) {
    pages[PageNum - 1]->setContent(pagec);
    return;
  }
  auto page = std::make_shared<Page>();
  page->setcontentid(id_);
  page->setPageNum(static_cast<int32_t>(pages.size()) + 1);
  page->setContent(pagec);
  Pages()->add(Variant(std::shared_ptr<Object>(page)));
}

void Content::ClearPages() {
  std::vector<std::shared_ptr<Page>> pages = pageList();
  core::runVoting(nullptr, [&] {
    for (auto page = pages.rbegin(); page != pages.rend(); ++page)
      if ((*page)->PageID() >= 0) (*page)->Del((*page)->PageID());
  });
  pages_ = std::make_shared<Collection>();
}

bool Content::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto row = core::comDAL().DoSelect("SELECT * FROM cms_content WHERE id = " + std::to_string(pId));
    if (row->eof()) core::raiseNoRecord();
    id_ = core::longValue(row->value("id"));
    columnId_ = core::longValue(row->value("columnid"), -1);
    title_ = core::textValue(row->value("title"));
    author_ = core::textValue(row->value("author"));
    submitDate_ = dateValue(row->value("submitdate"));
    status_ = core::longValue(row->value("status"));
    relatedXml_ = core::textValue(row->value("relativearticle"));
    // A row written by other means may hold no list at all.
    if (relatedXml_.find_first_not_of(' ') == std::string::npos) relatedXml_ = kEmptyRelatedList;
    putInTopx_ = core::textValue(row->value("putintopx"));
    isImageNews_ = core::textValue(row->value("isimagenews"));
    issueId_ = core::longValue(row->value("issueid"));
    publishDate_ = dateValue(row->value("publishdate"));
    usn_ = core::longValue(row->value("usn"));
    psn_ = core::longValue(row->value("psn"));
    keyword_ = core::textValue(row->value("keyword"));
    LoadProperties();
    auto pages = std::make_shared<Collection>();
    for (auto rows = Page().ListAllPages(id_); !rows->eof(); rows->moveNext()) {
      auto page = std::make_shared<Page>();
      page->Load(core::longValue(rows->value("pageid")));
      pages->add(Variant(std::shared_ptr<Object>(page)));
    }
    pages_ = std::move(pages);
    return true;
  });
}

void Content::validateInput() {
  title_ = core::preparedText(title_, kTitleLimit);
  author_ = core::preparedText(author_, kAuthorLimit);
  putInTopx_ = yesNo(putInTopx_);
  isImageNews_ = yesNo(isImageNews_);
  if (columnId_ < 0) throw ComError(core::kInputError, "", std::string(kContentInputError) + kInvalidColumnId);
}

void Content::writeRow() {
  core::comDAL dal;
  const std::string title = core::quotedSqlText(title_), author = core::quotedSqlText(author_),
                    related = core::quotedSqlText(relatedXml_);
  if (dal.DoSelect("SELECT id FROM cms_content WHERE id= " + std::to_string(id_))->eof()) {
    id_ = core::newID(kContentCounter);
    usn_ = newOrderingNumber(columnId_);
    dal.execCommand(
        "INSERT INTO cms_content (id,columnid,title,author,submitdate,status,relativearticle,USN,PSN,putintopx,"
        "isimagenews,issueid,publishdate,clicks,keyword) VALUES (" +
        std::to_string(id_) + "," + std::to_string(columnId_) + "," + title + "," + author + "," +
        core::SqlDate(Variant::fromDate(submitDate_.days)) + "," + std::to_string(status_) + "," + related + "," +
        std::to_string(usn_) + "," + std::to_string(psn_) + "," + core::quotedSqlText(putInTopx_) + "," +
        SqlValue(Variant(isImageNews_)) + "," + SqlValue(Variant(issueId_)) + "," +
        SqlValue(Variant::fromDate(publishDate_.days)) + ",0," + SqlValue(Variant(keyword_)) + ")");
    return;
  }
  if (status_ == kStatusNew) status_ = kStatusEdited;
  dal.execCommand("UPDATE cms_content SET columnid=" + std::to_string(columnId_) + ",title=" + title +
                  ",author=" + author + ",submitdate=" + core::SqlDate(Variant::fromDate(submitDate_.days)) +
                  ",status=" + std::to_string(status_) + ",relativearticle=" + related +
                  ",USN=" + std::to_string(usn_) + ",PSN=" + std::to_string(psn_) +
                  ",putintopx=" + core::quotedSqlText(putInTopx_) + ",isimagenews=" + SqlValue(Variant(isImageNews_)) +
                  ",issueid=" + SqlValue(Variant(issueId_)) +
                  ",publishdate=" + SqlValue(Variant::fromDate(publishDate_.days)) +
                  ",keyword=" + SqlValue(Variant(keyword_)) + " WHERE id=" + std::to_string(id_));
}

// The plug-in hears of page 1 once the whole save has succeeded, so it is
// never told of an article that was then rolled back.
bool Content::saveArticle(bool stampSubmitDate) {
  std::vector<std::string> firstPages;
  core::runVoting(nullptr, [&] {
    validateInput();
    if (stampSubmitDate) submitDate_ = OleDate{oleDateNow()};
    writeRow();
    for (const auto& page : pageList()) {
      page->setcontentid(id_);
      page->Save();
      if (page->PageNum() == 1) firstPages.push_back(page->FileName());
    }
    saveProperties();
    Load(id_);
  });
  for (const std::string& fileName : firstPages) notifyPluginUpdate(fileName, status_);
  return true;
}

bool Content::Save() { return saveArticle(true); }

bool Content::Save2() { return saveArticle(false); }

bool Content::Del(int32_t pId) {
  std::vector<std::string> firstPages;
  core::runVoting(nullptr, [&] {
    Load(pId);
    std::vector<std::shared_ptr<Page>> pages = pageList();
    for (auto page = pages.rbegin(); page != pages.rend(); ++page) {
      if ((*page)->PageNum() == 1) firstPages.push_back((*page)->FileName());
      (*page)->Del((*page)->PageID());
    }
    pages_ = std::make_shared<Collection>();
    core::comDAL dal;
    const std::string id = std::to_string(pId);
    dal.execCommand("DELETE FROM cms_content  WHERE id=" + id);
    dal.execCommand("DELETE FROM ContentProperty WHERE contentid=" + id);
    dal.execCommand("DELETE FROM SearchMetaData WHERE ContentID=" + id);
  });
  for (const std::string& fileName : firstPages) notifyPluginDelete(fileName);
  return true;
}

void Content::moveNextTo(bool up) {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    core::beginWriteTransaction(dal);
    // The stored number, not the one read at Load: another move may have
    // changed it since.
    auto own = dal.DoSelect("SELECT usn FROM cms_content WHERE id=" + std::to_string(id_));
    if (!own->eof()) usn_ = core::longValue(own->value("usn"));
    const std::string usn = std::to_string(usn_), column = std::to_string(columnId_);
    auto neighbour = dal.DoSelect(up ? "SELECT id,usn FROM cms_content WHERE USN>" + usn + " AND columnid=" + column +
                                           " ORDER BY usn"
                                     : "SELECT id,usn FROM cms_content WHERE USN<" + usn + " AND columnid=" + column +
                                           " ORDER BY usn DESC");
    if (neighbour->eof()) return;
    dal.execCommand("UPDATE cms_content SET usn=" + usn +
                    " WHERE id=" + std::to_string(core::longValue(neighbour->value("id"))));
    usn_ = core::longValue(neighbour->value("usn"));
    Save();
  });
}

void Content::MoveUp() { moveNextTo(true); }

void Content::MoveDown() { moveNextTo(false); }

void Content::MoveTo(int32_t newColumnid) {
  if (id_ < 0) return;
  core::runVoting(nullptr, [&] {
    if (newColumnid != columnId_) usn_ = newOrderingNumber(newColumnid);
    columnId_ = newColumnid;
    Save();
    moveSearchRow(id_, columnId_);
  });
}

std::shared_ptr<Content> Content::CopyTo(int32_t newColumnid) {
  if (id_ < 0) return nullptr;
  auto copy = std::make_shared<Content>();
  copy->author_ = author_;
  copy->title_ = title_;
  copy->submitDate_ = submitDate_;
  copy->putInTopx_ = putInTopx_;
  copy->status_ = status_;
  copy->isImageNews_ = isImageNews_;
  copy->issueId_ = issueId_;
  copy->publishDate_ = publishDate_;
  copy->keyword_ = keyword_;
  copy->columnId_ = newColumnid;
  // A property the target channel does not define (or types otherwise)
  // stays behind; the others travel.
  for (const auto& [name, value] : properties_) {
    try {
      copy->setItem(name, value);
    } catch (const ComError&) {
    }
  }
  for (const auto& page : pageList()) copy->AddPage(page->PageNum(), page->Content());
  copy->Save();
  return copy;
}

const DispatchTable<Content>& Content::dispatchTable() {
  static const DispatchTable<Content> table = Members<Content>()
      .property<&Content::objTemplate, &Content::setObjTemplate>("objTemplate")
      .property<&Content::Columnid, &Content::setColumnid>("Columnid")
      .property<&Content::Title, &Content::setTitle>("Title")
      .property<&Content::Author, &Content::setAuthor>("Author")
      .property<&Content::SubmitDate, &Content::setSubmitDate>("SubmitDate")
      .property<&Content::Status, &Content::setStatus>("Status")
      .property<&Content::PutInTopx, &Content::setPutInTopx>("PutInTopx")
      .property<&Content::IsImageNews, &Content::setIsImageNews>("IsImageNews")
      .property<&Content::issueId, &Content::setissueId>("issueId")
      .property<&Content::PublishDate, &Content::setPublishDate>("PublishDate")
      .property<&Content::Keyword, &Content::setKeyword>("Keyword")
      .property<&Content::PSN, &Content::setPSN>("PSN")
      .readOnly<&Content::ID>("ID")
      .method<&Content::Fields>("Fields")
      .method<&Content::ClearField>("ClearField")
      .readOnly<&Content::Pages>("Pages")
      .method<&Content::AddPage>("AddPage")
      .method<&Content::ClearPages>("ClearPages")
      .method<&Content::RelativeArticles>("RelativeArticles")
      .method<&Content::AddRelativeArticle>("AddRelativeArticle")
      .method<&Content::ClearRelativeArticle>("ClearRelativeArticle")
      .method<&Content::CreateRelative>("CreateRelative")
      .method<&Content::Load>("Load")
      .method<&Content::Save>("Save")
      .method<&Content::Save2>("Save2")
      .method<&Content::Del>("Del")
      .method<&Content::MoveUp>("MoveUp")
      .method<&Content::MoveDown>("MoveDown")
      .entry({.name = "Generate", .call = [](Content& self, Args) { return Variant(generateMember(self)); }})
      .entry({.name = "Generate2", .call = [](Content& self, Args) { return Variant(generate2Member(self)); }})
      .method<&Content::ListAll>("ListAll", {kDefaultStatusList})
      .method<&Content::ListAll2>("ListAll2", {kDefaultStatusList})
      .method<&Content::ListHistory>("ListHistory")
      .method<&Content::Search>("Search")
      .method<&Content::Search2>("Search2")
      .method<&Content::Search3>("Search3")
      .property<&Content::Item, &Content::setItem>("Item")
      .method<&Content::LoadProperties>("LoadProperties")
      .method<&Content::MoveTo>("MoveTo")
      .method<&Content::CopyTo>("CopyTo")
      .method<&feedback::AddClick>("AddClick")
      .method<&feedback::VoteContent>("VoteContent")
      .method<&feedback::ListComment>("ListComment")
      .method<&feedback::PostComment>("PostComment")
      .method<&feedback::DeleteComment>("DeleteComment")
      .build();
  return table;
}

}  // namespace corvela::content
