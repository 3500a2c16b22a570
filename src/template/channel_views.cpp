// Channel views and the channel article list.
#include "template/channel_views.h"

#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/template_column.h"

namespace corvela::tmpl {

std::string lastPathSegment(std::string_view path) {
  size_t separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::shared_ptr<TemplateColumn> channelView(const structure::Channel& channel, std::string_view path) {
  auto view = std::make_shared<TemplateColumn>();
  view->Init(channel.ID());
  view->setName(lastPathSegment(channel.Name()));
  view->setAlias(channel.Alias());
  view->setPath(path);
  view->setCoverPage(channel.IndexPath());
  return view;
}

std::shared_ptr<structure::ChannelManager> loadedChannelTree() {
  auto tree = std::make_shared<structure::ChannelManager>();
  tree->Init();
  return tree;
}

std::string channelArticleListQuery(int32_t channelId, std::string_view orderColumn) {
  return "SELECT cms_pages.contentid as id,MIN(cms_pages.filename) AS filename, cms_content.title AS title,"
         "cms_content.author AS author, cms_content.submitdate AS submitdate,cms_content.publishdate as publishdate"
         " FROM cms_pages, cms_content WHERE cms_pages.contentid = cms_content.id"
         " AND (cms_content.Columnid = " +
         std::to_string(channelId) +
         ")"
         " AND (cms_content.status in (4,5))"
         " GROUP BY cms_pages.contentid, cms_content.title,cms_content.author, "
         "cms_content.submitdate,cms_content.publishdate,cms_content.usn"
         " ORDER BY cms_content." +
         std::string(orderColumn) + " DESC";
}

}  // namespace corvela::tmpl
