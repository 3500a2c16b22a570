// The "Magazine" template view and issue page names.
#include "content/magazine_view.h"

#include <memory>

#include "core/path_parts.h"
#include "platform/automation/collection.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/magazine.h"
#include "template/template_column.h"
#include "template/template_magazine.h"

namespace corvela::content {

std::string taggedUri(std::string_view uri, std::string_view tag) {
  std::string name(uri);
  size_t dot = name.rfind('.');
  size_t slash = name.find_last_of("/\\");
  std::string suffix = "_" + std::string(tag);
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

std::string issuePageUri(const structure::Magazine& magazine, std::string_view issueYear,
                         std::string_view issueNumber) {
  return magazine.Directory() + std::string(issueYear) + "_" + std::string(issueNumber) + "." +
         core::FileExtensionOf(magazine.IndexPage());
}

void fillMagazineView(tmpl::TemplateMagazine& view, structure::Magazine& magazine,
                      const MagazineViewOptions& options) {
  view.setName(magazine.Name());
  view.setAlias(magazine.Alias());
  view.setCoverPage(magazine.CoverPage());
  view.setIndexPage(magazine.IndexPage());
  view.setCoverPicture(magazine.CoverPicture());
  view.setCurrentYear(magazine.CurrentYear());
  view.setCurrentIssue(magazine.CurrentIssue());
  view.setExtProperty(magazine.ExtProperty());

  auto issues = std::make_shared<Collection>();
  auto stored = magazine.Issues();
  for (size_t i = 0; i < stored->size(); ++i) {
    auto issue = std::dynamic_pointer_cast<structure::Issue>(stored->at(i).toObject());
    if (!issue || (options.publishedIssuesOnly && issue->Status() < 2)) continue;
    auto entry = std::make_shared<tmpl::TemplateIssue>();
    entry->setIssueYear(issue->IssueYear());
    entry->setIssueNumber(issue->IssueNumber());
    entry->setCoverPicture(issue->CoverPicture());
    entry->setExtProperty(issue->ExtProperty());
    entry->setIndexPage(issuePageUri(magazine, issue->IssueYear(), issue->IssueNumber()));
    if (options.issueDescriptions) entry->setDescription(issue->Description());
    issues->add(Variant(std::shared_ptr<Object>(entry)));
  }
  view.setIssues(issues);

  auto columns = std::make_shared<Collection>();
  auto storedColumns = magazine.Columns();
  for (size_t i = 0; i < storedColumns->size(); ++i) {
    auto column = std::dynamic_pointer_cast<structure::Column>(storedColumns->at(i).toObject());
    if (!column) continue;
    auto entry = std::make_shared<tmpl::TemplateColumn2>();
    entry->Init(column->ID());
    entry->setName(column->Name());
    entry->setAlias(column->Alias());
    entry->setIndexPage(column->IndexPage());
    entry->setissueId(options.columnIssueId);
    columns->add(Variant(std::shared_ptr<Object>(entry)));
  }
  view.setColumns(columns);
}

}  // namespace corvela::content
