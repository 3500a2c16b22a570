// UserManager (ProgID "Corvela.UserManager"): login sessions of the editing
// pages, kept in the UserManager table. A page names the account table and
// its session pool with Init; Login checks name, password and role and
// records a session under the identifier the page gives; UserValid answers
// whether a session is live and keeps it alive; sessions idle for more than
// one hour are removed by the next UserValid of the pool.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela {
template <class P>
class ByRef;
}

namespace corvela::db {
class Recordset;
}

namespace corvela::users {

class User;

class UserManager : public DispatchObject<UserManager> {
 public:
  static constexpr std::string_view kClassName = "UserManager";
  static const DispatchTable<UserManager>& dispatchTable();

  // Errors: 20010 "NoUserName" / "NoUM", 20011 "NoUser", 20012 "WrongPass",
  // 10012 "UserManager" "UserRoleNotValid". A failed login changes nothing;
  // a successful one replaces any session of the identifier in the pool.
  // pIP is not used.
  bool Login(std::string_view pUserName, std::string_view pPassword, int32_t pRole, std::string_view SessionID,
             std::string_view pIP);
  bool Logout(std::string_view pSessionID);
  bool UserValid(std::string_view SessionID);
  // The pool's sessions, expired ones included until the next UserValid.
  std::shared_ptr<db::Recordset> GetOnLineUser();
  // The url with "SESSIONID=" + SessionID added as a query parameter.
  std::string EncodeURL(std::string_view url, std::string_view SessionID);
  // The account behind the session, or Nothing; "NoRecord" when the account
  // is gone. Neither purges nor refreshes.
  std::shared_ptr<User> GetCurrentUser(std::string_view SessionID);
  // Stores the encoding of newpass for the account and hands it back in
  // newpass. True also when there is no such account.
  bool ChangePassword(std::string_view Username, ByRef<std::string> newpass);
  // Names the account table (a plain SQL identifier, or 5 "Invalid
  // procedure call or argument") and the session pool.
  bool Init(std::string_view vUserTableName, std::string_view umn);
  // A fresh session identifier: 32 hex digits from a secure random source.
  std::string NewSessionID();

 private:
  std::string table_;
  std::string pool_;
};

inline constexpr int32_t kNoUserName = 20010;
inline constexpr const char* kNoUserNameText = "NoUserName";
inline constexpr const char* kNoTableText = "NoUM";
inline constexpr int32_t kNoUser = 20011;
inline constexpr const char* kNoUserText = "NoUser";
inline constexpr int32_t kWrongPass = 20012;
inline constexpr const char* kWrongPassText = "WrongPass";
inline constexpr int32_t kRoleNotValid = 10012;
inline constexpr const char* kUserManagerSource = "UserManager";
inline constexpr const char* kRoleNotValidText = "UserRoleNotValid";

// The query parameter that carries a session identifier in links.
inline constexpr std::string_view kSessionParameter = "SESSIONID=";

}  // namespace corvela::users
