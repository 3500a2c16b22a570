// The views a template sees as "Magazine" (TemplateMagazine, ProgID
// "Corvela.TemplateMagazine") and "Issue" (TemplateIssue, ProgID
// "Corvela.TemplateIssue"). ExtProperty holds the free attributes as XML:
// one child of the root per attribute, its upper-cased name in the `name`
// attribute and its value as text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/collection.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class TemplateMagazine : public DispatchObject<TemplateMagazine> {
 public:
  static constexpr std::string_view kClassName = "TemplateMagazine";
  static const DispatchTable<TemplateMagazine>& dispatchTable();

#define CORVELA_TEXT_PROPERTY(Name, field) \
  const std::string& Name() const { return field; } \
  void set##Name(std::string_view value) { field.assign(value); }
  CORVELA_TEXT_PROPERTY(Name, name_)
  CORVELA_TEXT_PROPERTY(Alias, alias_)
  CORVELA_TEXT_PROPERTY(CoverPage, coverPage_)
  CORVELA_TEXT_PROPERTY(IndexPage, indexPage_)
  CORVELA_TEXT_PROPERTY(CoverPicture, coverPicture_)
  CORVELA_TEXT_PROPERTY(ExtProperty, extProperty_)
  CORVELA_TEXT_PROPERTY(CurrentYear, currentYear_)
  CORVELA_TEXT_PROPERTY(CurrentIssue, currentIssue_)
  // Created on first read.
  std::shared_ptr<Collection> Issues();
  void setIssues(std::shared_ptr<Collection> issues) { issues_ = std::move(issues); }
  std::shared_ptr<Collection> Columns();
  void setColumns(std::shared_ptr<Collection> columns) { columns_ = std::move(columns); }
  // The value of a free attribute (its name compared upper-cased); "" when
  // it is absent or ExtProperty does not parse.
  std::string GetAttribute(std::string_view attName) const;

 private:
  std::string name_, alias_, coverPage_, indexPage_, coverPicture_, extProperty_, currentYear_, currentIssue_;
  std::shared_ptr<Collection> issues_, columns_;
};

class TemplateIssue : public DispatchObject<TemplateIssue> {
 public:
  static constexpr std::string_view kClassName = "TemplateIssue";
  static const DispatchTable<TemplateIssue>& dispatchTable();

  CORVELA_TEXT_PROPERTY(IssueYear, issueYear_)
  CORVELA_TEXT_PROPERTY(IssueNumber, issueNumber_)
  CORVELA_TEXT_PROPERTY(CoverPicture, coverPicture_)
  CORVELA_TEXT_PROPERTY(IndexPage, indexPage_)
  CORVELA_TEXT_PROPERTY(Description, description_)
  CORVELA_TEXT_PROPERTY(ExtProperty, extProperty_)
#undef CORVELA_TEXT_PROPERTY
  std::string GetAttribute(std::string_view attName) const;

 private:
  std::string issueYear_, issueNumber_, coverPicture_, indexPage_, description_, extProperty_;
};

}  // namespace corvela::tmpl
