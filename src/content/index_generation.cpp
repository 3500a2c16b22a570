// Channel and column index pages.
#include "content/index_generation.h"

#include <memory>
#include <string>
#include <vector>

#include "content/attach.h"
#include "content/generated_file.h"
#include "content/magazine_view.h"
#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/path_parts.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/collection.h"
#include "platform/db/recordset.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/column.h"
#include "structure/magazine.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_system.h"
#include "template/toc.h"

namespace corvela::content {
namespace {

constexpr const char* kReportName = "ColumnName:";
constexpr const char* kYearSuffix = "年";

constexpr const char* kArticleListHead =
    "SELECT cms_pages.contentid as id,MIN(cms_pages.filename) AS filename, cms_content.title AS title,"
    "cms_content.author AS author, cms_content.submitdate AS submitdate,cms_content.publishdate as publishdate"
    " FROM cms_pages,"
    " cms_content WHERE cms_pages.contentid = cms_content.id";
constexpr const char* kArticleListTail =
    " GROUP BY cms_pages.contentid, cms_content.title,cms_content.author, "
    "cms_content.submitdate,cms_content.publishdate,cms_content.usn"
    " ORDER BY cms_content.usn DESC";

std::string channelArticleQuery(int32_t channelId) {
  return std::string(kArticleListHead) + " AND (cms_content.Columnid = " + std::to_string(channelId) + ")" +
         " AND (cms_content.status in (4,5))" + kArticleListTail;
}

std::string issueArticleQuery(const std::string& issueIds) {
  return std::string(kArticleListHead) + " AND (cms_content.issueid IN ( " + issueIds + "))" +
         " AND (cms_content.status IN (4,5))" + kArticleListTail;
}

std::shared_ptr<tmpl::comLink> pageLink(std::string_view title, std::string_view uri) {
  auto link = std::make_shared<tmpl::comLink>();
  link->setTitle(title);
  link->seturl(uri);
  return link;
}

// A link for the current row, or nullptr for an article without a page file.
std::shared_ptr<tmpl::comLink> articleLink(const db::Recordset& rows) {
  std::string filename = core::textValue(rows.value("filename"));
  if (filename.empty()) return nullptr;
  auto link = std::make_shared<tmpl::comLink>();
  link->Init(core::longValue(rows.value("id")));
  link->seturl(filename);
  link->setTitle(core::textValue(rows.value("title")));
  link->setAuthor(core::textValue(rows.value("author")));
  const Variant& submitted = rows.value("submitdate");
  if (!submitted.isNull()) link->setSubmitDate(OleDate{submitted.toDate()});
  const Variant& published = rows.value("publishdate");
  if (!published.isNull()) link->setPublishDate(OleDate{published.toDate()});
  return link;
}

void addLink(Collection& links, std::shared_ptr<tmpl::comLink> link) {
  links.add(Variant(std::shared_ptr<Object>(std::move(link))));
}

std::shared_ptr<tmpl::TemplateDocument> titledDocument(std::string_view title) {
  auto document = std::make_shared<tmpl::TemplateDocument>();
  document->Add(Variant("title"), Variant(title));
  return document;
}

// The attached templates, each into its file, after the index pages.
void renderAttachments(int32_t sectionId, tmpl::TemplateSystem& system, const std::string& title,
                       GenerationReport& report) {
  auto rows = Attach().ListAll(sectionId);
  for (; !rows->eof(); rows->moveNext()) {
    std::string templateUri = core::textValue(rows->value("template"));
    std::string fileUri = core::textValue(rows->value("filename"));
    renderGeneratedFile(system, templateUri, fileUri, title, report);
  }
}

}  // namespace

GenerationReport generateChannelIndex(const structure::Channel& channel, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    GenerationReport report;
    report.text = std::string(kReportName) + channel.Name() + kReportLineEnd;
    structure::ChannelManager tree;
    tree.Init();

    auto rows = core::comDAL().DoSelect(channelArticleQuery(channel.ID()));
    rows->setPageSize(channel.IndexPagesize());
    const int32_t pageCount = rows->pageCount();
    std::vector<std::string> pageUris;
    for (int32_t n = 1; n <= pageCount; ++n) pageUris.push_back(core::PagedFileName(channel.IndexPath(), n));

    auto view = system.CurrentColumn();
    auto toc = std::make_shared<tmpl::comTOC>();
    view->setTOC(toc);
    view->Init(channel.ID());
    view->setName(channel.Name());
    view->setAlias(channel.Alias());
    view->setPath(tree.GetPath(channel.ID()));
    view->setCoverPage(channel.IndexPath());
    toc->setPages(pageCount);
    auto allPages = std::make_shared<Collection>();
    for (int32_t n = 1; n <= pageCount; ++n)
      addLink(*allPages, pageLink(channel.Name() + "(" + std::to_string(n) + ")", pageUris[n - 1]));
    toc->setAllPages(allPages);

    for (int32_t n = 1; n <= pageCount; ++n) {
      auto links = std::make_shared<Collection>();
      rows->setAbsolutePage(n);
      for (int32_t taken = 0; taken < channel.IndexPagesize() && !rows->eof(); ++taken, rows->moveNext())
        if (auto link = articleLink(*rows)) addLink(*links, std::move(link));
      toc->setAllLinks(links);
      toc->setPrevPage(n > 1 ? pageUris[n - 2] : std::string());
      toc->setNextPage(n < pageCount ? pageUris[n] : std::string());
      toc->setPageNum(n);
      system.setCurrentDocument(titledDocument(channel.Name()));
      renderGeneratedFile(system, channel.IndexTemplate(), pageUris[n - 1], channel.Name(), report);
    }
    if (pageCount == 0) {
      toc->setAllLinks(std::make_shared<Collection>());
      toc->setPrevPage("");
      toc->setNextPage("");
      toc->setPageNum(1);
      system.setCurrentDocument(titledDocument(channel.Name()));
      renderGeneratedFile(system, channel.IndexTemplate(), channel.IndexPath(), channel.Name(), report);
    }

    toc->setAllLinks(std::make_shared<Collection>());
    toc->setPages(1);
    toc->setPrevPage("");
    toc->setNextPage("");
    system.setCurrentDocument(titledDocument(channel.Name()));
    renderAttachments(channel.ID(), system, channel.Name(), report);
    return report;
  });
}

GenerationReport generateColumnIndex(const structure::Column& column, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    GenerationReport report;
    report.text = std::string(kReportName) + column.Name() + kReportLineEnd;
    const std::string base = column.Directory() + column.IndexPage();
    const std::string magazineId = std::to_string(column.MagazineID());

    auto columnView = system.CurrentColumn2();
    auto columnToc = std::make_shared<tmpl::comTOC>();
    columnView->setTOC(columnToc);
    columnView->Init(column.ID());
    columnView->setName(column.Name());
    columnView->setAlias(column.Alias());
    columnView->setIndexPage(column.IndexPage());
    structure::Magazine magazine;
    magazine.Load(column.MagazineID());
    fillMagazineView(*system.CurrentMagazine(), magazine, {.issueDescriptions = true});

    core::comDAL dal;
    std::vector<std::string> years;
    auto yearRows = dal.DoSelect("SELECT DISTINCT IssueYear From Issue Where (MagazineID = " + magazineId +
                                 " AND Status=2) ORDER BY IssueYear DESC");
    for (; !yearRows->eof(); yearRows->moveNext()) years.push_back(core::textValue(yearRows->value("IssueYear")));
    auto yearPages = std::make_shared<Collection>();
    for (const std::string& year : years) addLink(*yearPages, pageLink(year + kYearSuffix, taggedUri(base, year)));
    auto channelToc = std::make_shared<tmpl::comTOC>();
    channelToc->setAllPages(yearPages);
    system.CurrentColumn()->setTOC(channelToc);

    for (size_t i = 0; i < years.size(); ++i) {
      std::string issueIds = "-1";
      auto issueRows = dal.DoSelect("SELECT id FROM Issue WHERE MagazineID=" + magazineId +
                                    " AND IssueYear=" + core::SqlValue(Variant(years[i])));
      for (; !issueRows->eof(); issueRows->moveNext()) issueIds += "," + std::to_string(core::longValue(issueRows->value("id")));
      const std::string pageUri = i == 0 ? base : taggedUri(base, years[i]);
      auto links = std::make_shared<Collection>();
      auto rows = dal.DoSelect(issueArticleQuery(issueIds));
      for (; !rows->eof(); rows->moveNext())
        if (auto link = articleLink(*rows)) addLink(*links, std::move(link));
      columnToc->setAllLinks(links);
      system.setCurrentDocument(titledDocument(column.Name()));
      renderGeneratedFile(system, column.IndexTemplate(), pageUri, column.Name(), report);
    }

    columnToc->setAllLinks(std::make_shared<Collection>());
    system.setCurrentDocument(titledDocument(column.Name()));
    renderAttachments(column.ID(), system, column.Name(), report);
    return report;
  });
}

}  // namespace corvela::content
