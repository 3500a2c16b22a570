// The article lists templates call on their channel and column views: the
// newest top-listed or image articles, each as its full Fields document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace corvela {
class Collection;
}

namespace corvela::tmpl {

enum class ArticleList { TopByUsn, TopByDate, ImagesByUsn, ImagesByDate, TopByPsn };

// The Fields documents of the articles the statement lists (its rows' `id`),
// in order; articles that no longer load are left out.
std::shared_ptr<Collection> articleDocuments(const std::string& statement);

// The statement of a list over the channels in `channelIds` (one id, or a
// comma-separated list of ids); `issueId` >= 0 restricts it to one issue.
std::string articleListStatement(ArticleList list, int32_t count, const std::string& channelIds,
                                 int32_t issueId = -1);

// The channel's id followed by the ids of every channel below it, depth first.
std::string channelAndDescendantIds(int32_t channelId);

}  // namespace corvela::tmpl
