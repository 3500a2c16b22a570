// Index pages of channels and magazine columns. A channel's published
// articles (status 4 and 5), newest first, are split into pages of
// IndexPagesize entries: page 1 is IndexPath, page n is IndexPath with "_n"
// before the extension. A magazine column gets one page per year of its
// published issues: the newest year at Directory + IndexPage, every other
// year with "_" + year inserted. Each run then renders the attached
// templates of the channel or column.
//
// The report starts with "ColumnName:" + Name + "<br>". Database, folder and
// file errors are raised (pages written before stay); a failing template
// leaves its page as it was and is reported (generation_report.h).
#pragma once

#include "content/generation_report.h"

namespace corvela::structure {
class Channel;
class Column;
}  // namespace corvela::structure
namespace corvela::tmpl {
class TemplateSystem;
}

namespace corvela::content {

GenerationReport generateChannelIndex(const structure::Channel& channel, tmpl::TemplateSystem& system);
GenerationReport generateColumnIndex(const structure::Column& column, tmpl::TemplateSystem& system);

}  // namespace corvela::content
