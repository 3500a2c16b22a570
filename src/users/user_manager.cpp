// UserManager over the UserManager table, the account table named to Init
// and userrole.
//
// Names and session identifiers enter SQL with their quotes doubled, and the
// account table name must be a plain identifier, so no login form can carry
// SQL. An unknown name costs the same password encoding and comparison as a
// wrong password, so the time of a refusal does not tell which accounts
// exist. Each operation runs in one object-context scope: Login's removal of
// an earlier session and its insert form one transaction, so two logins with
// one identifier at the same moment leave one row.
//
// No operation votes: as before, a refused login does not doom the caller's
// transaction.
#include "users/user_manager.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/object_context.h"
#include "platform/automation/oledate.h"
#include "platform/db/recordset.h"
#include "users/password_encoding.h"
#include "users/session_id.h"
#include "users/user.h"

namespace corvela::users {
namespace {

using core::comDAL;
using core::quotedSqlText;

constexpr double kIdleLimitDays = 1.0 / 24;  // one hour
constexpr int32_t kInvalidArgument = 5;

// Compared against when the name is unknown, so that path does the work of
// a wrong password: as long as an encoding, equal to none.
constexpr std::string_view kNoAccountPassword = "                                ";

std::string trimBlanks(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool isPlainIdentifier(std::string_view name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
  for (char c : name)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
  return true;
}

std::string sqlNow(double offsetDays = 0) { return core::SqlDate(Variant::fromDate(oleDateNow() + offsetDays)); }

}  // namespace

bool UserManager::Login(std::string_view pUserName, std::string_view pPassword, int32_t pRole,
                        std::string_view SessionID, std::string_view pIP) {
  std::string name = trimBlanks(pUserName), password = trimBlanks(pPassword);
  if (name.empty()) throw ComError(kNoUserName, "", kNoUserNameText);
  if (table_.empty()) throw ComError(kNoUserName, "", kNoTableText);
  ContextScope scope;
  comDAL dal;
  auto account = dal.DoSelect("SELECT * FROM " + table_ + " WHERE UserName = " + quotedSqlText(name));
  std::string offered = EncodePassword(password);
  if (account->eof()) {
    sameEncodedPassword(offered, kNoAccountPassword);
    throw ComError(kNoUser, "", kNoUserText);
  }
  const Variant& stored = account->value("password");
  bool matches = sameEncodedPassword(offered, stored.isNull() ? kNoAccountPassword : stored.toString());
  if (stored.isNull() || !matches) throw ComError(kWrongPass, "", kWrongPassText);

  std::string userId = account->value("userid").toString();
  auto role = dal.DoSelect("SELECT urid FROM userrole WHERE userid=" + userId + " AND roleid=" + std::to_string(pRole));
  if (role->eof()) throw ComError(kRoleNotValid, kUserManagerSource, kRoleNotValidText);

  Logout(SessionID);
  int32_t id = core::newID("UserManager");
  dal.execCommand("INSERT INTO UserManager (id,UMName,SessionID,UserID,UserName,LastUpdated) VALUES (" +
                  std::to_string(id) + "," + quotedSqlText(pool_) + "," + quotedSqlText(SessionID) + "," + userId +
                  "," + quotedSqlText(name) + "," + sqlNow() + ")");
  return true;
}

bool UserManager::Logout(std::string_view pSessionID) {
  ContextScope scope;
  comDAL dal;
  dal.execCommand("DELETE UserManager WHERE SessionID=" + quotedSqlText(pSessionID) +
                  " AND UMName=" + quotedSqlText(pool_));
  return true;
}

bool UserManager::UserValid(std::string_view SessionID) {
  ContextScope scope;
  comDAL dal;
  std::string pool = quotedSqlText(pool_), session = quotedSqlText(SessionID);
  dal.execCommand("DELETE from UserManager WHERE UMName=" + pool + " AND LastUpdated < " + sqlNow(-kIdleLimitDays));
  auto rs = dal.DoSelect("SELECT SessionID FROM UserManager WHERE SessionID=" + session + " AND UMName=" + pool);
  if (rs->eof()) return false;
  dal.execCommand("UPDATE UserManager SET LastUpdated=" + sqlNow() + " WHERE UMName=" + pool +
                  " AND SessionID=" + session);
  return true;
}

std::shared_ptr<db::Recordset> UserManager::GetOnLineUser() {
  ContextScope scope;
  comDAL dal;
  return dal.DoSelect("SELECT * FROM UserManager WHERE UMName=" + quotedSqlText(pool_));
}

std::string UserManager::EncodeURL(std::string_view url, std::string_view SessionID) {
  std::string result(url);
  if (url.empty()) result += '?';
  else result += url.find('?') == std::string_view::npos ? '?' : '&';
  result += kSessionParameter;
  result += SessionID;
  return result;
}

std::shared_ptr<User> UserManager::GetCurrentUser(std::string_view SessionID) {
  ContextScope scope;
  comDAL dal;
  auto rs = dal.DoSelect("SELECT UserID FROM UserManager WHERE SessionID=" + quotedSqlText(SessionID) +
                         " AND UMName=" + quotedSqlText(pool_));
  if (rs->eof()) return nullptr;
  auto user = std::make_shared<User>();
  user->Load(rs->value("UserID").toLong());
  return user;
}

bool UserManager::ChangePassword(std::string_view Username, ByRef<std::string> newpass) {
  if (table_.empty()) throw ComError(kNoUserName, "", kNoTableText);
  newpass = EncodePassword(*newpass);
  ContextScope scope;
  comDAL dal;
  dal.execCommand("UPDATE " + table_ + " SET password=" + quotedSqlText(*newpass) +
                  " WHERE username=" + quotedSqlText(Username));
  return true;
}

bool UserManager::Init(std::string_view vUserTableName, std::string_view umn) {
  // Empty stays allowed: Login then refuses with "NoUM".
  if (!vUserTableName.empty() && !isPlainIdentifier(vUserTableName)) raiseRuntimeError(kInvalidArgument);
  table_ = vUserTableName;
  pool_ = umn;
  return true;
}

std::string UserManager::NewSessionID() { return newSessionId(); }

const DispatchTable<UserManager>& UserManager::dispatchTable() {
  static const DispatchTable<UserManager> table = Members<UserManager>()
      .method<&UserManager::Login>("Login")
      .method<&UserManager::Logout>("Logout")
      .method<&UserManager::UserValid>("UserValid")
      .method<&UserManager::GetOnLineUser>("GetOnLineUser")
      .method<&UserManager::EncodeURL>("EncodeURL")
      .method<&UserManager::GetCurrentUser>("GetCurrentUser")
      .method<&UserManager::ChangePassword>("ChangePassword")
      .method<&UserManager::Init>("Init")
      .method<&UserManager::NewSessionID>("NewSessionID")
      .build();
  return table;
}

}  // namespace corvela::users
