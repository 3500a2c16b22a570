// Magazine.Generate, Issue.Generate and Issue.Publish.
#include "content/magazine_generation.h"

#include <memory>
#include <vector>

#include "content/article_generation.h"
#include "content/attach.h"
#include "content/content.h"
#include "content/generated_file.h"
#include "content/index_generation.h"
#include "content/magazine_view.h"
#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/magazine.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_system.h"
#include "template/toc.h"

namespace corvela::content {
namespace {

constexpr int32_t kPublishedIssue = 2;
constexpr const char* kIssueYearText = "年第";
constexpr const char* kIssueNumberText = "期";
constexpr const char* kIssueArticleStatuses = "1,2,3,5";

std::string issueArticleQuery(int32_t issueId, int32_t columnId) {
  return "SELECT cms_pages.contentid as id,MIN(cms_pages.filename) AS filename, cms_content.title AS title,"
         "cms_content.author AS author, cms_content.submitdate AS submitdate"
         " FROM cms_pages,"
         " cms_content WHERE cms_pages.contentid = cms_content.id"
         " AND (cms_content.issueid =" + std::to_string(issueId) + ")" +
         " AND (cms_content.status>=3)" + " AND (cms_content.columnid=" + std::to_string(columnId) + ")" +
         " GROUP BY cms_pages.contentid, cms_content.title,cms_content.author, cms_content.submitdate,cms_content.usn"
         " ORDER BY cms_content.USN DESC";
}

template <class T>
std::vector<std::shared_ptr<T>> itemsOf(const Collection& collection) {
  std::vector<std::shared_ptr<T>> items;
  for (size_t i = 0; i < collection.size(); ++i)
    if (auto item = std::dynamic_pointer_cast<T>(collection.at(i).toObject())) items.push_back(std::move(item));
  return items;
}

void setTitle(tmpl::TemplateSystem& system, std::string_view title) {
  auto document = std::make_shared<tmpl::TemplateDocument>();
  document->Add(Variant("title"), Variant(title));
  system.setCurrentDocument(document);
}

void appendReport(GenerationReport& into, const GenerationReport& part) {
  into.text += part.text;
  into.count(part);
}

// The "Error:" entries of a report, for the members that have no result.
void raiseIfFailed(const GenerationReport& report, const char* source) {
  if (report.failed == 0) return;
  std::string failures;
  for (size_t at = report.text.find(kReportFailed); at != std::string::npos;
       at = report.text.find(kReportFailed, at + 1)) {
    size_t end = report.text.find(kReportLineEnd, at);
    failures += report.text.substr(at, end == std::string::npos ? std::string::npos : end + 4 - at);
  }
  throw ComError(kPagesFailedError, source, failures);
}

template <class Record>
std::shared_ptr<tmpl::TemplateSystem> ownTemplateSystem(Record& record) {
  std::shared_ptr<Object> slot = record.objTemplate();
  auto system = templateSystemIn(slot);
  record.setObjTemplate(slot);
  return system;
}

// The links of a column's articles in one issue, on the column's entry.
void fillIssueColumn(tmpl::TemplateColumn2& entry, int32_t issueId, core::comDAL& dal) {
  auto links = std::make_shared<Collection>();
  auto rows = dal.DoSelect(issueArticleQuery(issueId, entry.columnId()));
  for (; !rows->eof(); rows->moveNext()) {
    std::string filename = core::textValue(rows->value("filename"));
    if (filename.empty()) continue;
    auto link = std::make_shared<tmpl::comLink>();
    link->Init(core::longValue(rows->value("id")));
    link->seturl(filename);
    link->setTitle(core::textValue(rows->value("title")));
    link->setAuthor(core::textValue(rows->value("author")));
    if (!rows->value("submitdate").isNull()) link->setSubmitDate(OleDate{rows->value("submitdate").toDate()});
    links->add(Variant(std::shared_ptr<Object>(link)));
  }
  entry.TOC()->setAllLinks(links);
}

}  // namespace

std::string issuePageTitle(std::string_view magazineName, std::string_view year, std::string_view number) {
  return std::string(magazineName) + " " + std::string(year) + kIssueYearText + std::string(number) + kIssueNumberText;
}

GenerationReport generateIssue(structure::Issue& issue, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    GenerationReport report;
    structure::Magazine magazine;
    magazine.Load(issue.MagazineID());
    const std::string title = issuePageTitle(magazine.Name(), issue.IssueYear(), issue.IssueNumber());
    const std::string pageUri = issuePageUri(magazine, issue.IssueYear(), issue.IssueNumber());

    // The articles first: the issue page links only articles that have a
    // page file, so a newly published issue lists its articles at once.
    for (const auto& column : itemsOf<structure::Column>(*magazine.Columns())) {
      auto rows = Content().ListAll2(column->ID(), issue.ID(), kIssueArticleStatuses);
      for (; !rows->eof(); rows->moveNext()) {
        Content article;
        article.Load(core::longValue(rows->value("id")));
        appendReport(report, generateMagazineArticle(article, system));
      }
    }

    auto issueView = system.CurrentIssue();
    issueView->setCoverPicture(issue.CoverPicture());
    issueView->setDescription(issue.Description());
    issueView->setIndexPage(pageUri);
    issueView->setIssueNumber(issue.IssueNumber());
    issueView->setIssueYear(issue.IssueYear());
    issueView->setExtProperty(issue.ExtProperty());

    auto magazineView = system.CurrentMagazine();
    fillMagazineView(*magazineView, magazine,
                     {.publishedIssuesOnly = true, .issueDescriptions = true, .columnIssueId = issue.ID()});
    magazineView->setCoverPicture(issue.CoverPicture());
    magazineView->setCurrentYear(issue.IssueYear());
    magazineView->setCurrentIssue(issue.IssueNumber());
    core::comDAL dal;
    for (const auto& entry : itemsOf<tmpl::TemplateColumn2>(*magazineView->Columns()))
      fillIssueColumn(*entry, issue.ID(), dal);

    const bool current = magazine.CurrentIssue() == issue.IssueNumber() && magazine.CurrentYear() == issue.IssueYear();
    setTitle(system, title);
    std::string page;
    if (system.render(magazine.IndexTemplate(), page)) {
      writeGeneratedFile(pageUri, page, title, report);
      if (current) writeGeneratedFile(magazine.Directory() + magazine.IndexPage(), page, title, report);
    } else {
      report.addFailed(pageUri, page);
    }

    return report;
  });
}

GenerationReport generateMagazine(structure::Magazine& magazine, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    GenerationReport report;
    fillMagazineView(*system.CurrentMagazine(), magazine,
                     {.publishedIssuesOnly = true, .issueDescriptions = true, .columnIssueId = magazine.CurrentIssueId()});
    setTitle(system, magazine.Name());
    renderGeneratedFile(system, magazine.CoverTemplate(), magazine.Directory() + magazine.CoverPage(), magazine.Name(),
                        report);

    auto toc = system.CurrentColumn2()->TOC();
    toc->setAllLinks(std::make_shared<Collection>());
    toc->setPages(1);
    toc->setPrevPage("");
    toc->setNextPage("");
    auto attachments = Attach().ListAll(magazine.ID());
    for (; !attachments->eof(); attachments->moveNext()) {
      setTitle(system, magazine.Name());
      renderGeneratedFile(system, core::textValue(attachments->value("template")),
                          core::textValue(attachments->value("filename")), magazine.Name(), report);
    }

    for (const auto& issue : itemsOf<structure::Issue>(*magazine.Issues()))
      if (issue->Status() >= kPublishedIssue) appendReport(report, generateIssue(*issue, system));
    for (const auto& column : itemsOf<structure::Column>(*magazine.Columns()))
      appendReport(report, generateColumnIndex(*column, system));
    return report;
  });
}

GenerationReport publishIssue(structure::Issue& issue, tmpl::TemplateSystem& system) {
  issue.setStatus(kPublishedIssue);
  issue.setPublishDate(OleDate{oleDateNow()});
  issue.Save();
  structure::Magazine magazine;
  magazine.Load(issue.MagazineID());
  magazine.setCoverPicture(issue.CoverPicture());
  magazine.setCurrentIssue(issue.IssueNumber());
  magazine.setCurrentYear(issue.IssueYear());
  magazine.setCurrentIssueId(issue.ID());
  magazine.Save();
  return generateMagazine(magazine, system);
}

void magazineGenerateMember(structure::Magazine& magazine) {
  raiseIfFailed(generateMagazine(magazine, *ownTemplateSystem(magazine)), kMagazineGenerateSource);
}

void issueGenerateMember(structure::Issue& issue) {
  raiseIfFailed(generateIssue(issue, *ownTemplateSystem(issue)), kIssueGenerateSource);
}

void issuePublishMember(structure::Issue& issue) {
  raiseIfFailed(publishIssue(issue, *ownTemplateSystem(issue)), kIssuePublishSource);
}

}  // namespace corvela::content
