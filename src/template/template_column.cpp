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
          .method<&TemplateColumn::Top>("Top")
          .method<&TemplateColumn::TopEx>("TopEx")
          .method<&TemplateColumn::ImageNews>("ImageNews")
          .method<&TemplateColumn::ImageNewsEx>("ImageNewsEx")
          .method<&TemplateColumn::SubChannels>("SubChannels")
          .method<&TemplateColumn::ParentChannel>("ParentChannel")
          .method<&TemplateColumn::Query>("Query", {1, -1})
          .method<&TemplateColumn::TopByPSN>("TopByPSN")
          .method<&TemplateColumn::TopExByPSN>("TopExByPSN")
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
          .method<&TemplateColumn2::Top>("Top")
          .method<&TemplateColumn2::ImageNews>("ImageNews")
          .build();
  return table;
}

}  // namespace corvela::tmpl
