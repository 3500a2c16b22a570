// CCElement (ProgID "Corvela.CCElement"): one element of a collection agent,
// a path into the source document (DOMPath), a text-or-HTML selector
// (TextHTML), the target field (FieldName) and the value taken
// (ElementValue). AgentID ties the element to its agent; CCAgent.ADDElement
// sets it, and the agent's Elements and Delete find elements by it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::collect {

class CCElement : public DispatchObject<CCElement> {
 public:
  static constexpr std::string_view kClassName = "CCElement";
  static const DispatchTable<CCElement>& dispatchTable();

  std::string DOMPath() const { return domPath_; }
  void setDOMPath(std::string_view text) { domPath_ = text; }
  int16_t TextHTML() const { return textHtml_; }
  void setTextHTML(int16_t selector) { textHtml_ = selector; }
  std::string FieldName() const { return fieldName_; }
  void setFieldName(std::string_view text) { fieldName_ = text; }
  std::string ElementValue() const { return value_; }
  void setElementValue(std::string_view text) { value_ = text; }
  int32_t ID() const { return id_; }
  int32_t AgentID() const { return agentId_; }
  void setAgentID(int32_t id) { agentId_ = id; }

  // 1050 "NoRecord" when there is no such element.
  void GetInfo(int32_t aID);
  // Inserts or updates the row with its value, then reads it again.
  void SetInfo();

 private:
  std::string domPath_;
  int16_t textHtml_ = 1;
  std::string fieldName_ = "FieldName";
  std::string value_;
  int32_t id_ = 0;
  int32_t agentId_ = -1;
};

}  // namespace corvela::collect
