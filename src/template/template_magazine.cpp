// TemplateMagazine and TemplateIssue: what a template reads of the current
// magazine and issue.
#include "template/template_magazine.h"

#include <pugixml.hpp>

#include "platform/automation/member_binding.h"
#include "platform/text/utf8.h"

namespace corvela::tmpl {
namespace {

// The text of the child of the root element `rootName` whose `name`
// attribute is the upper-cased attribute name. The children are compared
// directly rather than through an XPath built from the name, so a quote in
// a name cannot change the query.
std::string attributeValue(std::string_view extProperty, const char* rootName, std::string_view attName) {
  pugi::xml_document document;
  if (!document.load_buffer(extProperty.data(), extProperty.size())) return {};
  std::string wanted = text::toUpper(attName);
  for (pugi::xml_node child : document.child(rootName).children())
    if (wanted == child.attribute("name").value()) return child.text().get();
  return {};
}

}  // namespace

std::shared_ptr<Collection> TemplateMagazine::Issues() {
  if (!issues_) issues_ = std::make_shared<Collection>();
  return issues_;
}

std::shared_ptr<Collection> TemplateMagazine::Columns() {
  if (!columns_) columns_ = std::make_shared<Collection>();
  return columns_;
}

std::string TemplateMagazine::GetAttribute(std::string_view attName) const {
  return attributeValue(extProperty_, "magazine", attName);
}

std::string TemplateIssue::GetAttribute(std::string_view attName) const {
  return attributeValue(extProperty_, "issue", attName);
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
                                            .method<&M::GetAttribute>("GetAttribute")
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
                                            .method<&I::GetAttribute>("GetAttribute")
                                            .build();
  return table;
}

}  // namespace corvela::tmpl
