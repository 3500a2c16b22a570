// CCAgent (ProgID "Corvela.CCAgent"): a record for collecting content from
// another web page: the source page, the interval and due time of visits,
// the template and output file, the creation time and a status. Its
// elements (CCElement) are the values to take from the page. Nothing in the
// engine acts on these records; they are stored and returned.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela {
class Collection;
template <class P>
class ByRef;
}  // namespace corvela
namespace corvela::db {
class Recordset;
}

namespace corvela::collect {

class CCAgent : public DispatchObject<CCAgent> {
 public:
  static constexpr std::string_view kClassName = "CCAgent";
  static const DispatchTable<CCAgent>& dispatchTable();

  CCAgent();

  std::string SourceURL() const { return sourceUrl_; }
  void setSourceURL(std::string_view text) { sourceUrl_ = text; }
  int32_t Frequence() const { return frequence_; }
  void setFrequence(int32_t interval) { frequence_ = interval; }
  OleDate NextTime() const { return nextTime_; }
  void setNextTime(OleDate when) { nextTime_ = when; }
  std::string Template() const { return template_; }
  void setTemplate(std::string_view text) { template_ = text; }
  std::string FileName() const { return fileName_; }
  void setFileName(std::string_view text) { fileName_ = text; }
  OleDate CreateTime() const { return createTime_; }
  void setCreateTime(OleDate when) { createTime_ = when; }
  int16_t Status() const { return status_; }
  void setStatus(int16_t status) { status_ = status; }
  int32_t ID() const { return id_; }

  // 1050 "NoRecord" when there is no such agent.
  void GetInfo(int32_t aID);
  // Inserts the agent, or updates every field except Status; then reads it
  // again.
  void SetInfo();
  // Deletes the agent with its elements, all or nothing.
  void Delete(int32_t aID);
  std::shared_ptr<db::Recordset> ListAll();
  // The agent's elements, each read with CCElement.GetInfo.
  std::shared_ptr<Collection> Elements();
  // Stores a new element of this agent.
  void ADDElement(std::string_view DOMPath, ByRef<int16_t> TextHTML, ByRef<std::string> FieldName);
  void DeleteElement(int32_t aID);

 private:
  std::string sourceUrl_;
  int32_t frequence_ = 5;
  OleDate nextTime_;
  std::string template_;
  std::string fileName_;
  OleDate createTime_;
  int16_t status_ = 1;
  int32_t id_ = -1;
};

}  // namespace corvela::collect
