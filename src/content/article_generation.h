// The pages of one article as site files. Every page runs the section's
// article template with the article's fields and the page's own keys
// ("pages", "content", "pagenum", "prevpage", "nextpage", "url"); its file
// is named by the section's NameMethod, page n > 1 with "_n" before the
// extension. Each written page gets its FileName saved, the content plug-in
// hears of page 1 (RunPlugin), and the article's search row follows.
//
// The report starts with the title shortened for display. A template that
// fails leaves that page's file, file name and search row as they were and
// is reported (generation_report.h); other errors are raised, pages written
// before stay.
#pragma once

#include <string>
#include <string_view>

#include "content/generation_report.h"

namespace corvela::tmpl {
class TemplateSystem;
}

namespace corvela::content {

class Content;

// An article of an ordinary channel (Content.Generate).
GenerationReport generateArticle(Content& article, tmpl::TemplateSystem& system);
// An article of a magazine column (Content.Generate2).
GenerationReport generateMagazineArticle(Content& article, tmpl::TemplateSystem& system);

// Content.Generate and Content.Generate2 as scripts call them: rendered with
// the article's own objTemplate, the report's text as the result.
std::string generateMember(Content& article);
std::string generate2Member(Content& article);

// The pattern lower-cased, then its tokens replaced: {@uid}, {@author},
// {@year}, {@month}, {@day}, {@date} (year_month_day), {@title}; numbers
// without leading zeros.
std::string articleFileUri(std::string_view nameMethod, const Content& article);

// The whole title when it has at most 10 characters, else its first 8 and "...".
std::string displayTitle(std::string_view title);

inline constexpr int kSaveFirstError = 555;
inline constexpr const char* kGenerateSource = "Content.Generate";
inline constexpr const char* kSaveFirstText = "SaveFirst";

}  // namespace corvela::content
