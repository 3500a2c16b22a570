// Writing what a template made into a site file, the same way for every
// generator: the folders above the file are made, the file is created (or
// the existing one opened), filled, titled and saved under the name of
// whoever holds its lock, so a lock never stops generation and is kept.
//
// A template that fails leaves the existing file as it was: its error text
// goes into the report instead, and generation goes on with the next page.
#pragma once

#include <memory>
#include <string_view>

namespace corvela {
class Object;
}
namespace corvela::sitefiles {
class File;
}
namespace corvela::tmpl {
class TemplateSystem;
}

namespace corvela::content {

struct GenerationReport;

// Writes the text to the site URI and reports "CreateFile:" or "OverWrite:".
std::shared_ptr<sitefiles::File> writeGeneratedFile(std::string_view uri, std::string_view text,
                                                    std::string_view title, GenerationReport& report);

// Renders the template and writes its page; nullptr (and an "Error:" entry)
// when the template failed.
std::shared_ptr<sitefiles::File> renderGeneratedFile(tmpl::TemplateSystem& system, std::string_view templateUri,
                                                     std::string_view uri, std::string_view title,
                                                     GenerationReport& report);

// The TemplateSystem kept in a record's objTemplate slot, created and kept
// there when the slot is empty (so one run compiles each template once).
// 13 (type mismatch) when the slot holds another kind of object.
std::shared_ptr<tmpl::TemplateSystem> templateSystemIn(std::shared_ptr<Object>& slot);

}  // namespace corvela::content
