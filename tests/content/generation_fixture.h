// Helpers of the generation tests: template and page files in the test's
// site folder, articles saved with a fixed submit date, and a magazine with
// one column.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content_fixture.h"

namespace corvela::content {

class GenerationTest : public ContentTest {
 protected:
  void writeSite(const std::string& uri, const std::string& text);
  // The file's text, or "<missing>".
  std::string readSite(const std::string& uri);
  bool siteHas(const std::string& uri);
  // A channel in the tree with the article and index templates and paths.
  int32_t addGeneratedChannel(const std::string& path, const std::string& nameMethod, const std::string& indexPath,
                              int32_t indexPageSize = 20);
  // A saved article with the given submit date (y, m, d) and status.
  int32_t saveDatedArticle(int32_t columnId, const std::string& title, int year, int month, int day,
                           int32_t status, const std::vector<std::string>& pages);
  // Magazine "Weekly" in /mag/ (index.htm from /t/issue.htm, cover.htm from
  // /t/cover.htm) with column "Essays" in /mag/essays/ ({@uid}.htm from
  // /t/article.htm, list.htm from the given template); sets the ids below.
  void addMagazineWithColumn(const std::string& columnIndexTemplate);
  // An issue of that magazine with one article of one page ("text of " and
  // the title) in the column; returns the issue id and sets article_.
  int32_t addIssue(const std::string& year, const std::string& number, int32_t issueStatus,
                   const std::string& articleTitle, int32_t articleStatus);
  int32_t magazine_ = 0, column_ = 0, article_ = 0;
};

}  // namespace corvela::content
