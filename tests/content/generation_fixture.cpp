// GenerationTest helpers.
#include "generation_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/automation/oledate.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/magazine.h"

namespace corvela::content {

void GenerationTest::writeSite(const std::string& uri, const std::string& text) {
  std::filesystem::path path = siteDir() + uri;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string GenerationTest::readSite(const std::string& uri) {
  std::ifstream in(siteDir() + uri, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool GenerationTest::siteHas(const std::string& uri) { return std::filesystem::exists(siteDir() + uri); }

int32_t GenerationTest::addGeneratedChannel(const std::string& path, const std::string& nameMethod,
                                            const std::string& indexPath, int32_t indexPageSize) {
  int32_t id = structure::ChannelManager().AddChannel(path, "/t/article.htm", nameMethod);
  structure::Channel channel;
  channel.Load(id);
  channel.setIndexTemplate("/t/index.htm");
  channel.setIndexPath(indexPath);
  channel.setIndexPagesize(indexPageSize);
  channel.Save();
  return id;
}

int32_t GenerationTest::saveDatedArticle(int32_t columnId, const std::string& title, int year, int month, int day,
                                         int32_t status, const std::vector<std::string>& pages) {
  Content article;
  article.setColumnid(columnId);
  article.setTitle(title);
  article.setStatus(status);
  double date = 0;
  oleDateFromParts({.year = year, .month = month, .day = day}, date);
  article.setSubmitDate(OleDate{date});
  for (const std::string& page : pages) article.AddPage(0, page);
  article.Save2();
  return article.ID();
}

void GenerationTest::addMagazineWithColumn(const std::string& columnIndexTemplate) {
  structure::Magazine magazine;
  magazine.setName("Weekly");
  magazine.setDirectory("/mag/");
  magazine.setIndexPage("index.htm");
  magazine.setIndexTemplate("/t/issue.htm");
  magazine.setCoverPage("cover.htm");
  magazine.setCoverTemplate("/t/cover.htm");
  magazine.Save();
  magazine_ = magazine.ID();
  structure::Column column;
  column.setName("Essays");
  column.setTemplate("/t/article.htm");
  column.setDirectory("/mag/essays/");
  column.setNameMethod("{@uid}.htm");
  column.setIndexTemplate(columnIndexTemplate);
  column.setIndexPage("list.htm");
  column.setMagazineID(magazine_);
  column.Save();
  column_ = column.ID();
}

int32_t GenerationTest::addIssue(const std::string& year, const std::string& number, int32_t issueStatus,
                                 const std::string& articleTitle, int32_t articleStatus) {
  structure::Issue issue;
  issue.setMagazineID(magazine_);
  issue.setIssueYear(year);
  issue.setIssueNumber(number);
  issue.setStatus(issueStatus);
  issue.Save();
  Content article;
  article.setColumnid(column_);
  article.setissueId(issue.ID());
  article.setTitle(articleTitle);
  article.setStatus(articleStatus);
  article.AddPage(0, "text of " + articleTitle);
  article.Save();
  article_ = article.ID();
  return issue.ID();
}

}  // namespace corvela::content
