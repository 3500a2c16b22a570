// CCAgent over the CCAgent table, with its elements in CCElement.
#include "collect/cc_agent.h"

#include "collect/cc_element.h"
#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "platform/automation/collection.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::collect {
namespace {

using core::SqlValue;

std::string dateLiteral(OleDate when) { return SqlValue(Variant::fromDate(when.days)); }

OleDate dateValue(const Variant& cell) { return OleDate{cell.isNull() || cell.isEmpty() ? 0.0 : cell.toDate()}; }

}  // namespace

CCAgent::CCAgent() : nextTime_{oleDateNow()}, createTime_{nextTime_} {}

void CCAgent::GetInfo(int32_t aID) {
  core::runVoting(nullptr, [&] {
    auto rs = core::comDAL().DoSelect("SELECT * FROM CCAgent WHERE id = " + std::to_string(aID));
    if (rs->eof()) core::raiseNoRecord();
    id_ = core::longValue(rs->value("id"));
    sourceUrl_ = core::textValue(rs->value("SourceURL"));
    frequence_ = core::longValue(rs->value("Frequence"));
    nextTime_ = dateValue(rs->value("NextTime"));
    template_ = core::textValue(rs->value("Template"));
    fileName_ = core::textValue(rs->value("FileName"));
    createTime_ = dateValue(rs->value("CreateTime"));
    status_ = static_cast<int16_t>(core::longValue(rs->value("Status")));
  });
}

void CCAgent::SetInfo() {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    if (dal.DoSelect("SELECT id FROM CCAgent WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID("CCAgent");
      dal.execCommand("INSERT INTO CCAgent (id,SourceURL,Frequence,NextTime,Template,FileName,CreateTime,Status) VALUES (" +
                      SqlValue(Variant(id_)) + "," + SqlValue(Variant(sourceUrl_)) + "," + SqlValue(Variant(frequence_)) +
                      "," + dateLiteral(nextTime_) + "," + SqlValue(Variant(template_)) + "," +
                      SqlValue(Variant(fileName_)) + "," + dateLiteral(createTime_) + "," +
                      SqlValue(Variant::fromInteger(status_)) + ")");
    } else {
      dal.execCommand("UPDATE CCAgent SET SourceURL=" + SqlValue(Variant(sourceUrl_)) +
                      ",Frequence=" + SqlValue(Variant(frequence_)) + ",NextTime=" + dateLiteral(nextTime_) +
                      ",Template=" + SqlValue(Variant(template_)) + ",FileName=" + SqlValue(Variant(fileName_)) +
                      ",CreateTime=" + dateLiteral(createTime_) + " WHERE id=" + std::to_string(id_));
    }
    GetInfo(id_);
  });
}

void CCAgent::Delete(int32_t aID) {
  core::runVoting(nullptr, [&] {
    core::comDAL dal;
    dal.execCommand("DELETE FROM CCElement WHERE AgentID=" + std::to_string(aID));
    dal.execCommand("DELETE FROM CCAgent WHERE id=" + std::to_string(aID));
  });
}

std::shared_ptr<db::Recordset> CCAgent::ListAll() {
  return core::runVoting(nullptr, [&] { return core::comDAL().DoSelect("SELECT * FROM CCAgent ORDER BY id"); });
}

std::shared_ptr<Collection> CCAgent::Elements() {
  return core::runVoting(nullptr, [&] {
    auto elements = std::make_shared<Collection>();
    auto rs = core::comDAL().DoSelect("SELECT id FROM CCElement WHERE Agentid= " + std::to_string(id_));
    for (; !rs->eof(); rs->moveNext()) {
      auto element = std::make_shared<CCElement>();
      element->GetInfo(core::longValue(rs->value("id")));
      elements->add(Variant(std::shared_ptr<Object>(element)));
    }
    return elements;
  });
}

void CCAgent::ADDElement(std::string_view DOMPath, ByRef<int16_t> TextHTML, ByRef<std::string> FieldName) {
  CCElement element;
  element.setDOMPath(DOMPath);
  element.setTextHTML(*TextHTML);
  element.setFieldName(*FieldName);
  element.setAgentID(id_);
  element.SetInfo();
}

void CCAgent::DeleteElement(int32_t aID) {
  core::runVoting(nullptr, [&] { core::comDAL().execCommand("DELETE FROM CCElement WHERE id=" + std::to_string(aID)); });
}

const DispatchTable<CCAgent>& CCAgent::dispatchTable() {
  static const DispatchTable<CCAgent> table = Members<CCAgent>()
      .property<&CCAgent::SourceURL, &CCAgent::setSourceURL>("SourceURL")
      .property<&CCAgent::Frequence, &CCAgent::setFrequence>("Frequence")
      .property<&CCAgent::NextTime, &CCAgent::setNextTime>("NextTime")
      .property<&CCAgent::Template, &CCAgent::setTemplate>("Template")
      .property<&CCAgent::FileName, &CCAgent::setFileName>("FileName")
      .property<&CCAgent::CreateTime, &CCAgent::setCreateTime>("CreateTime")
      .property<&CCAgent::Status, &CCAgent::setStatus>("Status")
      .readOnly<&CCAgent::ID>("ID")
      .method<&CCAgent::GetInfo>("GetInfo")
      .method<&CCAgent::SetInfo>("SetInfo")
      .method<&CCAgent::Delete>("Delete")
      .method<&CCAgent::ListAll>("ListAll")
      .method<&CCAgent::Elements>("Elements")
      .method<&CCAgent::ADDElement>("ADDElement")
      .method<&CCAgent::DeleteElement>("DeleteElement")
      .build();
  return table;
}

}  // namespace corvela::collect
