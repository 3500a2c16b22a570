// Attach over the cms_attach table.
//
// The engine once doubled the quotes of the template and file name before
// cutting them to 255 characters, and kept the doubled text in the fields:
// a cut between the two quotes of a pair broke the statement (or let the
// rest of the text become SQL), and a refused save left the fields with
// every quote doubled. The text is cut first and quoted only in the
// statement.
#include "content/attach.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_literals.h"
#include "core/text_limits.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"

namespace corvela::content {
namespace {

constexpr const char* kInputMessage = "Theres some Erro in your input:";
constexpr const char* kEmptyTemplate = "The template can not empty!";
constexpr const char* kEmptyFileName = ",The FileName can not empty!";

bool blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

}  // namespace

bool Attach::Load(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    auto rs = core::comDAL().DoSelect("SELECT * FROM cms_attach WHERE id = " + std::to_string(pId));
    if (rs->eof()) core::raiseNoRecord();
    id_ = core::longValue(rs->value("id"));
    template_ = core::textValue(rs->value("template"));
    fileName_ = core::textValue(rs->value("filename"));
    columnId_ = core::longValue(rs->value("columnid"));
    return true;
  });
}

bool Attach::Save() {
  return core::runVoting(nullptr, [&] {
    template_ = core::preparedText(template_, kAttachTextLimit);
    fileName_ = core::preparedText(fileName_, kAttachTextLimit);
    std::string message = kInputMessage;
    if (blank(template_)) message += kEmptyTemplate;
    if (blank(fileName_)) message += kEmptyFileName;
    if (message.size() != std::string_view(kInputMessage).size()) throw ComError(core::kInputError, "", message);

    core::comDAL dal;
    std::string templateText = core::quotedSqlText(template_);
    std::string fileName = core::quotedSqlText(fileName_);
    std::string column = std::to_string(columnId_);
    if (dal.DoSelect("SELECT id FROM cms_attach WHERE id= " + std::to_string(id_))->eof()) {
      id_ = core::newID("cms_attach");
      dal.execCommand("INSERT INTO cms_attach (id,template,filename,columnid) VALUES (" + std::to_string(id_) + "," +
                      templateText + "," + fileName + "," + column + ")");
    } else {
      dal.execCommand("UPDATE cms_attach SET template=" + templateText + ",filename=" + fileName +
                      ",columnid=" + column + " WHERE id=" + std::to_string(id_));
    }
    return Load(id_);
  });
}

bool Attach::Del(int32_t pId) {
  return core::runVoting(nullptr, [&] {
    Load(pId);
    core::comDAL().execCommand("DELETE FROM cms_attach  WHERE id=" + std::to_string(pId));
    return true;
  });
}

std::shared_ptr<db::Recordset> Attach::ListAll(int32_t colid) {
  return core::runVoting(nullptr, [&] {
    return core::comDAL().DoSelect("SELECT * FROM cms_attach WHERE columnid=" + std::to_string(colid) +
                                   " ORDER BY id");
  });
}

const DispatchTable<Attach>& Attach::dispatchTable() {
  static const DispatchTable<Attach> table = Members<Attach>()
      .property<&Attach::Template, &Attach::setTemplate>("Template")
      .property<&Attach::FileName, &Attach::setFileName>("FileName")
      .property<&Attach::Columnid, &Attach::setColumnid>("Columnid")
      .readOnly<&Attach::ID>("ID")
      .method<&Attach::Load>("Load")
      .method<&Attach::Save>("Save")
      .method<&Attach::Del>("Del")
      .method<&Attach::ListAll>("ListAll")
      .build();
  return table;
}

}  // namespace corvela::content
