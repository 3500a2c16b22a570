// TemplateColumn and TemplateColumn2: what a template reads of the current
// channel or magazine column.
#include "template/template_column.h"

#include "platform/automation/member_binding.h"

namespace corvela::tmpl {

std::shared_ptr<comTOC> TemplateColumn::TOC() {
  if (!toc_) toc_ = std::make_shared<comTOC>();
  return toc_;
}

std::shared_ptr<comTOC> TemplateColumn2::TOC() {
  if (!toc_) toc_ = std::make_shared<comTOC>();
  return toc_;
}

const DispatchTable<TemplateColumn>& TemplateColumn::dispatchTable() {
  static const DispatchTable<TemplateColumn> table =
      Members<TemplateColumn>()
          .property<&TemplateColumn::Name, &TemplateColumn::setName>("Name")
          .property<&TemplateColumn::Alias, &TemplateColumn::setAlias>("Alias")
          .property<&TemplateColumn::Path, &TemplateColumn::setPath>("Path")
          .property<&TemplateColumn::CoverPage, &TemplateColumn::setCoverPage>("CoverPage")
          .property<&TemplateColumn::TOC, &TemplateColumn::setTOC>("TOC")
          .method<&TemplateColumn::Init>("Init")
          .build();
  return table;
}

const DispatchTable<TemplateColumn2>& TemplateColumn2::dispatchTable() {
  static const DispatchTable<TemplateColumn2> table =
      Members<TemplateColumn2>()
          .property<&TemplateColumn2::Name, &TemplateColumn2::setName>("Name")
          .property<&TemplateColumn2::Alias, &TemplateColumn2::setAlias>("Alias")
          .property<&TemplateColumn2::IndexPage, &TemplateColumn2::setIndexPage>("IndexPage")
          .property<&TemplateColumn2::TOC, &TemplateColumn2::setTOC>("TOC")
          .property<&TemplateColumn2::issueId, &TemplateColumn2::setissueId>("issueId")
          .method<&TemplateColumn2::Init>("Init")
          .build();
  return table;
}

}  // namespace corvela::tmpl
