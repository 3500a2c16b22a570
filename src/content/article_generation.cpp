// Content.Generate and Content.Generate2.
#include "content/article_generation.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "content/content.h"
#include "content/generated_file.h"
#include "content/generation_plugin.h"
#include "content/magazine_view.h"
#include "content/page.h"
#include "content/search_row.h"
#include "core/context_votes.h"
#include "core/path_parts.h"
#include "core/text_limits.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/text/utf8.h"
#include "sitefiles/file.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/column.h"
#include "structure/issue.h"
#include "structure/magazine.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_system.h"

namespace corvela::content {
namespace {

constexpr size_t kShortTitle = 10;
constexpr size_t kShortTitleKept = 8;
constexpr const char* kEllipsis = "...";

void replaceAll(std::string& text, std::string_view token, std::string_view value) {
  for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
    text.replace(at, token.size(), value);
}

// What differs between a channel article and a magazine article.
struct Section {
  std::string nameMethod;
  std::string articleTemplate;
  std::string uriPrefix;    // the column's Directory for a magazine article
  std::string channelPath;  // the search row's path and the plug-in's first argument
};

// Everything but the template views, shared by both kinds of article.
GenerationReport writePages(Content& article, tmpl::TemplateSystem& system, const Section& section,
                            const std::function<void()>& prepareViews) {
  GenerationReport report;
  report.text = displayTitle(article.Title());
  std::vector<std::shared_ptr<Page>> pages = article.pageList();
  if (pages.empty()) return report;
  const std::string base = section.uriPrefix + articleFileUri(section.nameMethod, article);
  std::vector<std::string> uris;
  for (size_t i = 0; i < pages.size(); ++i) uris.push_back(core::PagedFileName(base, static_cast<int>(i + 1)));

  std::string metadata;
  for (size_t i = 0; i < pages.size(); ++i) {
    const int32_t number = static_cast<int32_t>(i + 1);
    prepareViews();
    auto document = article.Fields();
    auto pageUris = std::make_shared<Collection>();
    for (const std::string& uri : uris) pageUris->add(Variant(uri));
    document->addObject(Variant("pages"), pageUris);
    document->Add(Variant("content"), Variant(pages[i]->Content()));
    document->Add(Variant("pagenum"), Variant(number));
    if (i > 0) document->Add(Variant("prevpage"), Variant(uris[i - 1]));
    if (i + 1 < pages.size()) document->Add(Variant("nextpage"), Variant(uris[i + 1]));
    document->Add(Variant("url"), Variant(uris[i]));
    system.setCurrentDocument(document);

    auto file = renderGeneratedFile(system, section.articleTemplate, uris[i], article.Title(), report);
    if (!file) continue;
    if (i == 0) runPluginForPage(section.channelPath, *file, article);
    pages[i]->setFileName(file->Name());
    pages[i]->Save();

    for (const auto& [name, value] : article.propertyValues()) metadata += " " + value.toString();
    metadata += " " + pages[i]->Content();
    try {
      writeSearchRow({.contentId = article.ID(),
                      .channelPath = section.channelPath,
                      .title = article.Title(),
                      .summary = searchSummary(pages[i]->Content()),
                      .filePath = file->Name(),
                      .submitDate = article.SubmitDate(),
                      .metadata = metadata});
    } catch (const ComError&) {
      // Site search is secondary: a failing search row never stops the pages.
    }
  }
  return report;
}

void requireSaved(const Content& article) {
  if (article.ID() < 0) throw ComError(kSaveFirstError, kGenerateSource, kSaveFirstText);
}

std::shared_ptr<tmpl::TemplateSystem> templateSystemOf(Content& article) {
  std::shared_ptr<Object> slot = article.objTemplate();
  return templateSystemIn(slot);
}

}  // namespace

std::string generateMember(Content& article) {
  return generateArticle(article, *templateSystemOf(article)).text;
}

std::string generate2Member(Content& article) {
  return generateMagazineArticle(article, *templateSystemOf(article)).text;
}

std::string displayTitle(std::string_view title) {
  if (core::cutToLimit(title, kShortTitle).size() == title.size()) return std::string(title);
  return core::cutToLimit(title, kShortTitleKept) + kEllipsis;
}

std::string articleFileUri(std::string_view nameMethod, const Content& article) {
  std::string uri = text::toLower(nameMethod);
  DateParts date = partsFromOleDate(article.SubmitDate().days);
  const std::string year = std::to_string(date.year), month = std::to_string(date.month),
                    day = std::to_string(date.day);
  replaceAll(uri, "{@uid}", std::to_string(article.ID()));
  replaceAll(uri, "{@author}", core::trimSpaces(article.Author()));
  replaceAll(uri, "{@year}", year);
  replaceAll(uri, "{@month}", month);
  replaceAll(uri, "{@day}", day);
  replaceAll(uri, "{@date}", year + "_" + month + "_" + day);
  replaceAll(uri, "{@title}", core::trimSpaces(article.Title()));
  return uri;
}

GenerationReport generateArticle(Content& article, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    requireSaved(article);
    structure::Channel channel;
    channel.Load(article.Columnid());
    structure::ChannelManager tree;
    tree.Init();
    Section section{.nameMethod = channel.NameMethod(),
                    .articleTemplate = channel.Template(),
                    .channelPath = tree.GetPath(article.Columnid())};
    return writePages(article, system, section, [&] {
      auto view = system.CurrentColumn();
      view->Init(article.Columnid());
      view->setName(core::FileNameOf(channel.Name()));
      view->setPath(section.channelPath);
      view->setAlias(channel.Alias());
      view->setCoverPage(channel.IndexPath());
    });
  });
}

GenerationReport generateMagazineArticle(Content& article, tmpl::TemplateSystem& system) {
  return core::runVoting(nullptr, [&] {
    requireSaved(article);
    structure::Column column;
    column.Load(article.Columnid());
    structure::Magazine magazine;
    magazine.Load(column.MagazineID());
    structure::Issue issue;
    issue.Load(article.issueId());
    Section section{.nameMethod = column.NameMethod(),
                    .articleTemplate = column.Template(),
                    .uriPrefix = column.Directory(),
                    .channelPath = "/" + magazine.Name() + "/" + column.Name()};
    // The same for every page: filled once.
    fillMagazineView(*system.CurrentMagazine(), magazine, {.columnIssueId = article.issueId()});
    auto issueView = system.CurrentIssue();
    issueView->setIssueYear(issue.IssueYear());
    issueView->setIssueNumber(issue.IssueNumber());
    issueView->setCoverPicture(issue.CoverPicture());
    issueView->setExtProperty(issue.ExtProperty());
    issueView->setIndexPage(issuePageUri(magazine, issue.IssueYear(), issue.IssueNumber()));
    return writePages(article, system, section, [&] {
      auto view = system.CurrentColumn2();
      view->Init(article.Columnid());
      view->setName(core::FileNameOf(column.Name()));
      view->setAlias(column.Alias());
      view->setIndexPage(column.IndexPage());
      view->setissueId(article.issueId());
    });
  });
}

}  // namespace corvela::content
