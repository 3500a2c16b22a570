// User over the user_users and userrole tables (and cms_acl on delete).
//
// The engine once doubled the quotes of a name before cutting it to 25
// characters, so a cut could split a doubled pair and end the literal early;
// the name is cut first and quoted after, like every text put into SQL here.
// Two pages saving one new name at the same moment could both pass the name
// check; the unique index on user_users.username refuses the second insert,
// which is reported as the name check's own error.
#include "users/user.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"
#include "users/password_encoding.h"
#include "users/user_attributes.h"

namespace corvela::users {
namespace {

using core::comDAL;
using core::quotedSqlText;

// What the password field holds until SetPassWord: no encoding equals it.
constexpr std::string_view kNoPassword = " ";

std::string textOf(const Variant& value) { return value.isNull() ? std::string() : value.toString(); }

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

ComError nameTaken(std::string_view name) {
  return ComError(kNameTaken, kSaveSource, kNameTakenPrefix + std::string(name));
}

// Whether an account other than `self` carries the name.
bool nameUsedByOther(comDAL& dal, std::string_view name, int32_t self) {
  auto rs = dal.DoSelect("SELECT userid FROM user_users WHERE username=" + quotedSqlText(name) +
                         " AND userid<>" + std::to_string(self));
  return !rs->eof();
}

}  // namespace

User::User() : username_(" "), password_(kNoPassword), attributes_(kEmptyAttributes) {}

std::string User::GetAttribute(std::string_view attName) {
  if (isBlank(attributes_)) attributes_ = kEmptyAttributes;
  return attributeValue(attributes_, text::toUpper(attName));
}

void User::SetAttribute(std::string_view attName, std::string_view attValue) {
  std::string name = text::toUpper(attName);
  std::string document = isBlank(attributes_) ? std::string(kEmptyAttributes) : attributes_;
  switch (setAttributeValue(document, name, attValue)) {
    case AttributeUpdate::BadDocument:
      throw ComError(kInvalidXml, kSetAttributeSource, kInvalidXmlText);
    case AttributeUpdate::BadName:
      throw ComError(kInvalidXml, kSetAttributeSource, kInvalidAttributeName + name);
    case AttributeUpdate::Done:
      attributes_ = std::move(document);
  }
}

bool User::Load(int32_t bid) {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    auto rs = dal.DoSelect("SELECT * FROM user_users WHERE userid = " + std::to_string(bid) + " ORDER BY userid");
    if (rs->eof()) throw ComError(kNoRecord, "", kNoRecordText);
    userId_ = rs->value("userid").toLong();
    username_ = textOf(rs->value("username"));
    attributes_ = textOf(rs->value("attributes"));
    return true;
  });
}

bool User::SetPassWord(std::string_view pass) {
  password_ = EncodePassword(pass);
  return true;
}

// The access entries removed are those of the account deleted, by its
// stored name: the engine once took the object's Username, so deleting an
// unsaved or renamed object removed another account's entries.
bool User::Delete() {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    std::string id = std::to_string(userId_);
    auto account = dal.DoSelect("SELECT username FROM user_users WHERE userid=" + id);
    dal.execCommand("DELETE FROM user_users WHERE userid= " + id);
    dal.execCommand("DELETE FROM userrole WHERE userid=" + id);
    if (!account->eof())
      dal.execCommand("DELETE FROM cms_acl WHERE userid=" + quotedSqlText(textOf(account->value("username"))));
    return true;
  });
}

// Errors pass as raised, without an abort vote: what was done before a
// failing step stays done unless the caller's transaction is rolled back.
bool User::Save() {
  if (username_.empty()) throw ComError(kInputError, "", kEmptyUsernameText);
  ContextScope scope;
  username_ = text::unitSlice(username_, 0, kUsernameLimit);
  comDAL dal;
  auto existing = dal.DoSelect("SELECT userid FROM user_users WHERE userid= " + std::to_string(userId_));
  if (existing->eof()) insertNew();
  else updateExisting();
  Load(userId_);
  core::voteComplete();
  return true;
}

void User::insertNew() {
  comDAL dal;
  if (!dal.DoSelect("SELECT userid FROM user_users WHERE username=" + quotedSqlText(username_))->eof())
    throw nameTaken(username_);
  int32_t id = core::newID("user_users");
  try {
    dal.execCommand("INSERT INTO user_users (userid,username,password,attributes) VALUES ( " + std::to_string(id) +
                    "," + quotedSqlText(username_) + "," + quotedSqlText(password_) + "," +
                    quotedSqlText(attributes_) + ")");
  } catch (const ComError&) {
    // Another page saved the name between our check and our insert.
    if (nameUsedByOther(dal, username_, id)) throw nameTaken(username_);
    throw;
  }
  userId_ = id;
}

// The password column is left as it is; the name may not become another
// account's (two accounts of one name could not be told apart at login).
void User::updateExisting() {
  comDAL dal;
  try {
    dal.execCommand("UPDATE user_users SET username=" + quotedSqlText(username_) +
                    ",attributes=" + quotedSqlText(attributes_) + " WHERE userid=" + std::to_string(userId_));
  } catch (const ComError&) {
    if (nameUsedByOther(dal, username_, userId_)) throw nameTaken(username_);
    throw;
  }
}

std::shared_ptr<db::Recordset> User::ListAll(std::string_view Conv) {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    // The condition is the caller's SQL, placed as it stands.
    if (Conv.empty()) return dal.DoSelect("SELECT * FROM user_users ORDER BY userid");
    return dal.DoSelect("SELECT * FROM user_users WHERE " + std::string(Conv) + " ORDER BY userid");
  });
}

bool User::AddRole(int32_t RoleID) {
  return core::runVoting(nullptr, [&] {
    // Allocated first, and so used up even when the role is already held.
    // Being a write, it also opens the transaction, so the check and the
    // insert below cannot interleave with another page's.
    int32_t urid = core::newID("userrole");
    comDAL dal;
    std::string user = std::to_string(userId_), role = std::to_string(RoleID);
    auto held = dal.DoSelect("SELECT urid FROM userrole where userid=" + user + " AND roleid=" + role);
    if (held->eof())
      dal.execCommand("INSERT INTO userrole (urid,userid,roleid) VALUES(" + std::to_string(urid) + "," + user + "," +
                      role + ")");
    return true;
  });
}

bool User::DeleteRole(int32_t RoleID) {
  return core::runVoting(nullptr, [&] {
    comDAL dal;
    dal.execCommand("DELETE userrole WHERE userid=" + std::to_string(userId_) + " AND roleid=" + std::to_string(RoleID));
    return true;
  });
}

std::shared_ptr<db::Recordset> User::ListAllUserInRole(int32_t RoleID) {
  return core::runVoting(nullptr, [&]() -> std::shared_ptr<db::Recordset> {
    if (RoleID < 0) return nullptr;
    comDAL dal;
    return dal.DoSelect("SELECT * FROM user_users WHERE (userid IN (SELECT userid FROM userrole WHERE roleid = " +
                        std::to_string(RoleID) + "))");
  });
}

std::string User::ListAllRole() {
  ContextScope scope;
  comDAL dal;
  auto rs = dal.DoSelect("SELECT roleid FROM userrole WHERE userid=" + std::to_string(userId_));
  std::string roles;
  for (; !rs->eof(); rs->moveNext()) {
    if (!roles.empty()) roles += ',';
    roles += textOf(rs->value("roleid"));
  }
  core::voteComplete();
  return roles;
}

const DispatchTable<User>& User::dispatchTable() {
  static const DispatchTable<User> table = Members<User>()
      .property<&User::Username, &User::setUsername>("Username")
      .readOnly<&User::UserID>("UserID")
      .method<&User::GetAttribute>("GetAttribute")
      .method<&User::SetAttribute>("SetAttribute")
      .method<&User::Load>("Load")
      .method<&User::SetPassWord>("SetPassWord")
      .method<&User::Delete>("Delete")
      .method<&User::Save>("Save")
      .method<&User::ListAll>("ListAll")
      .method<&User::AddRole>("AddRole")
      .method<&User::DeleteRole>("DeleteRole")
      .method<&User::ListAllUserInRole>("ListAllUserInRole")
      .method<&User::ListAllRole>("ListAllRole")
      .build();
  return table;
}

}  // namespace corvela::users
