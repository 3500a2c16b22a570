// What templates of magazine pages see: the "Magazine" view filled from a
// magazine record with its issues and columns, and the one rule that names
// an issue's page.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvela::structure {
class Magazine;
class Issue;
}  // namespace corvela::structure
namespace corvela::tmpl {
class TemplateMagazine;
}

namespace corvela::content {

// Which issues and what the column entries carry differ between the pages.
struct MagazineViewOptions {
  bool publishedIssuesOnly = false;  // only issues of status 2 or more
  bool issueDescriptions = false;    // issue entries carry the Description
  int32_t columnIssueId = 0;         // the issueId of every column entry
};

// Sets the magazine's values on the view and gives it new Issues and
// Columns collections.
void fillMagazineView(tmpl::TemplateMagazine& view, structure::Magazine& magazine,
                      const MagazineViewOptions& options);

// Directory + IssueYear + "_" + IssueNumber + "." + the extension of the
// magazine's IndexPage (/mag/ + 2003/5 + index.htm -> /mag/2003_5.htm).
std::string issuePageUri(const structure::Magazine& magazine, std::string_view issueYear,
                         std::string_view issueNumber);

// The URI with "_" + tag inserted before its extension (appended when it
// has none): the paged and per-year file names.
std::string taggedUri(std::string_view uri, std::string_view tag);

}  // namespace corvela::content
