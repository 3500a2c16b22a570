// Article lists for templates. Counts below zero list nothing: "TOP -1"
// would not be a statement at all.
#include "template/article_lists.h"

#include <algorithm>

#include "content/content.h"
#include "core/com_dal.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/channel_views.h"
#include "template/template_document.h"

namespace corvela::tmpl {
namespace {

void appendDescendants(structure::ChannelManager& tree, const std::string& path, std::string& ids) {
  auto subs = tree.SubChannels(path);
  for (size_t i = 0; i < subs->size(); ++i) {
    auto sub = std::dynamic_pointer_cast<structure::Channel>(subs->at(i).rawObject());
    if (!sub) continue;
    ids += "," + std::to_string(sub->ID());
    appendDescendants(tree, path + "/" + sub->Name(), ids);
  }
}

}  // namespace

std::shared_ptr<Collection> articleDocuments(const std::string& statement) {
  core::comDAL dal;
  auto rows = dal.DoSelect(statement);
  auto documents = std::make_shared<Collection>();
  for (; !rows->eof(); rows->moveNext()) {
    content::Content article;
    try {
      article.Load(rows->value("id").toLong());
    } catch (const ComError&) {
      continue;  // deleted since the list was read
    }
    documents->add(Variant(std::shared_ptr<Object>(article.Fields())));
  }
  return documents;
}

std::string articleListStatement(ArticleList list, int32_t count, const std::string& channelIds, int32_t issueId) {
  bool many = channelIds.find(',') != std::string::npos;
  bool images = list == ArticleList::ImagesByUsn || list == ArticleList::ImagesByDate;
  std::string sql = "SELECT TOP " + std::to_string(std::max(count, 0)) + " id FROM cms_content WHERE columnid";
  sql += many ? " IN (" + channelIds + ")" : "=" + channelIds;
  sql += images ? " AND isimagenews='Y'" : " AND putintopx='Y'";
  sql += " AND status IN (4,5)";
  if (issueId >= 0) sql += " AND issueid =" + std::to_string(issueId);
  switch (list) {
    case ArticleList::TopByUsn:
    case ArticleList::ImagesByUsn: return sql + " ORDER BY USN DESC";
    case ArticleList::TopByDate:
    case ArticleList::ImagesByDate: return sql + " ORDER BY PublishDate DESC";
    case ArticleList::TopByPsn: return sql + " ORDER BY PSN,PublishDate DESC";
  }
  return sql;
}

std::string channelAndDescendantIds(int32_t channelId) {
  structure::Channel channel;
  channel.Load(channelId);
  auto tree = loadedChannelTree();
  std::string ids = std::to_string(channelId);
  appendDescendants(*tree, tree->GetPath(channelId), ids);
  return ids;
}

}  // namespace corvela::tmpl
