// Magazine pages: the cover, the attached pages, one page per issue (the
// current issue's also as the magazine's index page) and every column's
// index; publishing an issue makes it current and regenerates the magazine.
//
// A failing template leaves its page as it was and generation goes on; the
// report says which pages failed (generation_report.h). The script-facing
// members (magazineGenerateMember and the others) return nothing, so when
// anything failed they raise 555 with the failed entries as description
// once everything else is written: a failure never passes for success.
#pragma once

#include <string>
#include <string_view>

#include "content/generation_report.h"

namespace corvela::structure {
class Magazine;
class Issue;
}  // namespace corvela::structure
namespace corvela::tmpl {
class TemplateSystem;
}

namespace corvela::content {

GenerationReport generateMagazine(structure::Magazine& magazine, tmpl::TemplateSystem& system);
GenerationReport generateIssue(structure::Issue& issue, tmpl::TemplateSystem& system);
// Status 2 and PublishDate now, saved; the magazine's current issue (cover
// picture, year, number, id) saved; then generateMagazine.
GenerationReport publishIssue(structure::Issue& issue, tmpl::TemplateSystem& system);

// Magazine.Generate, Issue.Generate and Issue.Publish: with the record's own
// objTemplate.
void magazineGenerateMember(structure::Magazine& magazine);
void issueGenerateMember(structure::Issue& issue);
void issuePublishMember(structure::Issue& issue);

// The title of an issue's page: Name + " " + year + "年第" + number + "期".
std::string issuePageTitle(std::string_view magazineName, std::string_view year, std::string_view number);

inline constexpr int kPagesFailedError = 555;
inline constexpr const char* kMagazineGenerateSource = "Magazine.Generate";
inline constexpr const char* kIssueGenerateSource = "Issue.Generate";
inline constexpr const char* kIssuePublishSource = "Issue.Publish";

}  // namespace corvela::content
