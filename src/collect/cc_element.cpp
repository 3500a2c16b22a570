// CCElement over the CCElement table. The value is long text and is written
// apart from the statement text.
//
// The engine never wrote AgentID, so the elements an agent added were never
// found again by its Elements or removed by its Delete; the id is stored
// with the other fields here.
#include "collect/cc_element.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/connection.h"
#include "platform/db/recordset.h"

namespace corvela::collect {

using core::SqlValue;

void CCElement::GetInfo(int32_t aID) {
  core::runVoting(nullptr, [&] {
    auto rs = core::comDAL().DoSelect("SELECT * FROM CCElement WHERE id = " + std::to_string(aID));
    if (rs->eof()) core::raiseNoRecord();
    id_ = core::longValue(rs->value("id"));
    agentId_ = core::longValue(rs->value("AgentID"), -1);
    domPath_ = core::textValue(rs->value("DOMPath"));
    textHtml_ = static_cast<int16_t>(core::longValue(rs->value("TextHTML")));
    fieldName_ = core::textValue(rs->value("FieldName"));
    value_ = core::textValue(rs->value("ElementValue"));
  });
}

void CCElement::SetInfo() {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    std::string domPath = SqlValue(Variant(domPath_));
    std::string textHtml = SqlValue(Variant::fromInteger(textHtml_));
    std::string fieldName = SqlValue(Variant(fieldName_));
    std::string agent = std::to_string(agentId_);
    if (dal.DoSelect("SELECT id FROM CCElement WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID("CCElement");
      dal.execCommand("INSERT INTO CCElement (id,AgentID,DOMPath,TextHTML,FieldName) VALUES (" + std::to_string(id_) +
                      "," + agent + "," + domPath + "," + textHtml + "," + fieldName + ")");
    } else {
      dal.execCommand("UPDATE CCElement SET AgentID=" + agent + ",DOMPath=" + domPath + ",TextHTML=" + textHtml +
                      ",FieldName=" + fieldName + " WHERE id=" + std::to_string(id_));
    }
    std::string value[] = {value_};
    dal.connection()->execute("UPDATE CCElement SET ElementValue=? WHERE id=" + std::to_string(id_), value);
    GetInfo(id_);
  });
}

const DispatchTable<CCElement>& CCElement::dispatchTable() {
  static const DispatchTable<CCElement> table = Members<CCElement>()
      .property<&CCElement::DOMPath, &CCElement::setDOMPath>("DOMPath")
      .property<&CCElement::TextHTML, &CCElement::setTextHTML>("TextHTML")
      .property<&CCElement::FieldName, &CCElement::setFieldName>("FieldName")
      .property<&CCElement::ElementValue, &CCElement::setElementValue>("ElementValue")
      .readOnly<&CCElement::ID>("ID")
      .method<&CCElement::GetInfo>("GetInfo")
      .method<&CCElement::SetInfo>("SetInfo")
      .property<&CCElement::AgentID, &CCElement::setAgentID>("AgentID")
      .build();
  return table;
}

}  // namespace corvela::collect
