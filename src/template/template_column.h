// The list views a template sees as "Channel" (TemplateColumn, ProgID
// "Corvela.TemplateColumn") and "Column" (TemplateColumn2, ProgID
// "Corvela.TemplateColumn2"): the current channel or magazine column, with
// the table of contents of the index page being made.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "template/toc.h"

namespace corvela::tmpl {

class TemplateColumn : public DispatchObject<TemplateColumn> {
 public:
  static constexpr std::string_view kClassName = "TemplateColumn";
  static const DispatchTable<TemplateColumn>& dispatchTable();

  const std::string& Name() const { return name_; }
  void setName(std::string_view name) { name_.assign(name); }
  const std::string& Alias() const { return alias_; }
  void setAlias(std::string_view alias) { alias_.assign(alias); }
  const std::string& Path() const { return path_; }
  void setPath(std::string_view path) { path_.assign(path); }
  const std::string& CoverPage() const { return coverPage_; }
  void setCoverPage(std::string_view uri) { coverPage_.assign(uri); }
  // Created on first read.
  std::shared_ptr<comTOC> TOC();
  void setTOC(std::shared_ptr<comTOC> toc) { toc_ = std::move(toc); }
  void Init(int32_t Columnid) { channelId_ = Columnid; }

  int32_t channelId() const { return channelId_; }

 private:
  std::string name_, alias_, path_, coverPage_;
  std::shared_ptr<comTOC> toc_;
  int32_t channelId_ = -1;
};

class TemplateColumn2 : public DispatchObject<TemplateColumn2> {
 public:
  static constexpr std::string_view kClassName = "TemplateColumn2";
  static const DispatchTable<TemplateColumn2>& dispatchTable();

  const std::string& Name() const { return name_; }
  void setName(std::string_view name) { name_.assign(name); }
  const std::string& Alias() const { return alias_; }
  void setAlias(std::string_view alias) { alias_.assign(alias); }
  const std::string& IndexPage() const { return indexPage_; }
  void setIndexPage(std::string_view uri) { indexPage_.assign(uri); }
  std::shared_ptr<comTOC> TOC();
  void setTOC(std::shared_ptr<comTOC> toc) { toc_ = std::move(toc); }
  int32_t issueId() const { return issueId_; }
  void setissueId(int32_t id) { issueId_ = id; }
  void Init(int32_t Columnid) { columnId_ = Columnid; }

  int32_t columnId() const { return columnId_; }

 private:
  std::string name_, alias_, indexPage_;
  std::shared_ptr<comTOC> toc_;
  int32_t issueId_ = 0;
  int32_t columnId_ = -1;
};

}  // namespace corvela::tmpl
