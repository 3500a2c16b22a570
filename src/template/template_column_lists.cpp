// The lists a template reads from its channel and column views: articles,
// sub-channels, the parent and pages of the article list.
#include <algorithm>

#include "core/com_dal.h"
#include "core/path_parts.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/article_lists.h"
#include "template/channel_views.h"
#include "template/template_column.h"

namespace corvela::tmpl {
namespace {

// Only these columns may order the list; the text is pasted into SQL.
std::string orderColumnOf(std::string_view orderBy) {
  std::string column = text::toLower(orderBy);
  for (const char* allowed : {"author", "title", "submitdate", "publishdate"})
    if (column == allowed) return column;
  return "usn";
}

std::shared_ptr<structure::Channel> loadedChannel(int32_t id) {
  auto channel = std::make_shared<structure::Channel>();
  channel->Load(id);
  return channel;
}

}  // namespace

std::shared_ptr<Collection> TemplateColumn::Top(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::TopByUsn, x, std::to_string(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn::TopEx(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::TopByDate, x, channelAndDescendantIds(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn::ImageNews(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::ImagesByUsn, x, std::to_string(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn::ImageNewsEx(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::ImagesByDate, x, channelAndDescendantIds(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn::TopByPSN(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::TopByPsn, x, std::to_string(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn::TopExByPSN(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::TopByPsn, x, channelAndDescendantIds(channelId_)));
}
std::shared_ptr<Collection> TemplateColumn2::Top(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::TopByUsn, x, std::to_string(columnId_), issueId_));
}
std::shared_ptr<Collection> TemplateColumn2::ImageNews(int32_t x) {
  return articleDocuments(articleListStatement(ArticleList::ImagesByUsn, x, std::to_string(columnId_), issueId_));
}

std::shared_ptr<Collection> TemplateColumn::SubChannels() {
  loadedChannel(channelId_);
  auto tree = loadedChannelTree();
  std::string path = tree->GetPath(channelId_);
  auto views = std::make_shared<Collection>();
  auto subChannels = tree->SubChannels(path);
  for (size_t i = 0; i < subChannels->size(); ++i) {
    auto sub = std::dynamic_pointer_cast<structure::Channel>(subChannels->at(i).rawObject());
    if (sub) views->add(Variant(std::shared_ptr<Object>(channelView(*sub, path + "/" + sub->Name()))));
  }
  return views;
}

std::shared_ptr<TemplateColumn> TemplateColumn::ParentChannel() {
  auto tree = loadedChannelTree();
  auto parent = tree->ParentChannel(tree->GetPath(channelId_));
  return channelView(*parent, tree->GetPath(parent->ID()));
}

std::shared_ptr<Collection> TemplateColumn::Query(std::string_view OrderBy, int32_t PageNum, int32_t pageSize) {
  if (pageSize < 1) pageSize = loadedChannel(channelId_)->IndexPagesize();
  core::comDAL dal;
  auto rows = dal.DoSelect(channelArticleListQuery(channelId_, orderColumnOf(OrderBy)));
  auto links = std::make_shared<Collection>();
  if (rows->recordCount() == 0 || pageSize < 1) return links;
  rows->setPageSize(pageSize);
  rows->setAbsolutePage(std::clamp(PageNum, 1, rows->pageCount()));
  for (int32_t taken = 0; taken < pageSize && !rows->eof(); ++taken, rows->moveNext()) {
    // An empty file name is stored as one space.
    const Variant& filename = rows->value("filename");
    if (filename.isNull() || core::trimSpaces(filename.toString()).empty()) continue;
    auto link = std::make_shared<comLink>();
    link->Init(rows->value("id").toLong());
    link->seturl(filename.toString());
    link->setTitle(rows->value("title").isNull() ? "" : rows->value("title").toString());
    link->setAuthor(rows->value("author").isNull() ? "" : rows->value("author").toString());
    if (!rows->value("submitdate").isNull()) link->setSubmitDate(OleDate{rows->value("submitdate").toDate()});
    if (!rows->value("publishdate").isNull()) link->setPublishDate(OleDate{rows->value("publishdate").toDate()});
    links->add(Variant(std::shared_ptr<Object>(link)));
  }
  return links;
}

}  // namespace corvela::tmpl
