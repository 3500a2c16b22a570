// TemplateSystem (ProgID "Corvela.TemplateSystem"): runs a template file of
// the site and returns the page it makes. The script sees this object as
// "System" and the six current objects as "Document", "Response",
// "Channel" (CurrentColumn), "Column" (CurrentColumn2), "Magazine" and
// "Issue"; each is created empty when read while unset.
//
// Execute never raises for a bad template: a script error comes back as the
// text "<description>\r\nError At Line <n> ,Column <n> ,\r\n<source line>",
// a marker error as its description, a missing file as "".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::tmpl {

class TemplateDocument;
class TemplateResponse;
class TemplateColumn;
class TemplateColumn2;
class TemplateMagazine;
class TemplateIssue;

class TemplateSystem : public DispatchObject<TemplateSystem> {
 public:
  static constexpr std::string_view kClassName = "TemplateSystem";
  static const DispatchTable<TemplateSystem>& dispatchTable();

  TemplateSystem();
  ~TemplateSystem() override;

  std::shared_ptr<TemplateDocument> CurrentDocument();
  void setCurrentDocument(std::shared_ptr<TemplateDocument> document) { document_ = std::move(document); }
  std::shared_ptr<TemplateResponse> Response();
  void setResponse(std::shared_ptr<TemplateResponse> response) { response_ = std::move(response); }
  std::shared_ptr<TemplateColumn> CurrentColumn();
  void setCurrentColumn(std::shared_ptr<TemplateColumn> column) { column_ = std::move(column); }
  std::shared_ptr<TemplateColumn2> CurrentColumn2();
  void setCurrentColumn2(std::shared_ptr<TemplateColumn2> column) { column2_ = std::move(column); }
  std::shared_ptr<TemplateMagazine> CurrentMagazine();
  void setCurrentMagazine(std::shared_ptr<TemplateMagazine> magazine) { magazine_ = std::move(magazine); }
  std::shared_ptr<TemplateIssue> CurrentIssue();
  void setCurrentIssue(std::shared_ptr<TemplateIssue> issue) { issue_ = std::move(issue); }

  std::string URLMap(std::string_view baseUrl, std::string_view newUrl);
  std::string URLEncode(std::string_view vstrIn);
  std::string URLEncodeUtf(std::string_view gbString);
  // The page that the template at the site URI makes (see above).
  std::string Execute(std::string_view scriptUri);

  // Execute for generators: true when the page was made, false when `page`
  // holds an error text instead (a generator then leaves the old file).
  bool render(std::string_view scriptUri, std::string& page);

 private:
  std::shared_ptr<TemplateDocument> document_;
  std::shared_ptr<TemplateResponse> response_;
  std::shared_ptr<TemplateColumn> column_;
  std::shared_ptr<TemplateColumn2> column2_;
  std::shared_ptr<TemplateMagazine> magazine_;
  std::shared_ptr<TemplateIssue> issue_;
};

// The text Execute returns for a script error.
std::string templateErrorText(std::string_view description, int line, int column, std::string_view sourceLine);

}  // namespace corvela::tmpl
