// TemplateMagazine and TemplateIssue: what a template reads of the current
// magazine and issue.
#include "template/template_magazine.h"

#include "platform/automation/member_binding.h"

namespace corvela::tmpl {

std::shared_ptr<Collection> TemplateMagazine::Issues() {
  if (!issues_) issues_ = std::make_shared<Collection>();
  return issues_;
}

std::shared_ptr<Collection> TemplateMagazine::Columns() {
  if (!columns_) columns_ = std::make_shared<Collection>();
  return columns_;
}

const DispatchTable<TemplateMagazine>& TemplateMagazine::dispatchTable() {
  using M = TemplateMagazine;
  static const DispatchTable<M> table = Members<M>()
                                            .property<&M::Name, &M::setName>("Name")
                                            .property<&M::Alias, &M::setAlias>("Alias")
                                            .property<&M::CoverPage, &M::setCoverPage>("CoverPage")
                                            .property<&M::IndexPage, &M::setIndexPage>("IndexPage")
                                            .property<&M::CoverPicture, &M::setCoverPicture>("CoverPicture")
                                            .property<&M::ExtProperty, &M::setExtProperty>("ExtProperty")
                                            .property<&M::CurrentYear, &M::setCurrentYear>("CurrentYear")
                                            .property<&M::CurrentIssue, &M::setCurrentIssue>("CurrentIssue")
                                            .property<&M::Issues, &M::setIssues>("Issues")
                                            .property<&M::Columns, &M::setColumns>("Columns")
                                            .build();
  return table;
}

const DispatchTable<TemplateIssue>& TemplateIssue::dispatchTable() {
  using I = TemplateIssue;
  static const DispatchTable<I> table = Members<I>()
                                            .property<&I::IssueYear, &I::setIssueYear>("IssueYear")
                                            .property<&I::IssueNumber, &I::setIssueNumber>("IssueNumber")
                                            .property<&I::CoverPicture, &I::setCoverPicture>("CoverPicture")
                                            .property<&I::IndexPage, &I::setIndexPage>("IndexPage")
                                            .property<&I::Description, &I::setDescription>("Description")
                                            .property<&I::ExtProperty, &I::setExtProperty>("ExtProperty")
                                            .build();
  return table;
}

}  // namespace corvela::tmpl
