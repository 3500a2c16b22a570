// User (ProgID "Corvela.User"): one editor account: a name, an encoded
// password, named attributes kept in a small XML document, and the numeric
// roles it holds (roles are plain numbers chosen by the pages).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::users {

class User : public DispatchObject<User> {
 public:
  static constexpr std::string_view kClassName = "User";
  static const DispatchTable<User>& dispatchTable();

  User();

  const std::string& Username() const { return username_; }
  void setUsername(std::string_view name) { username_ = name; }
  // -1 until Load, or Save of a new account.
  int32_t UserID() const { return userId_; }

  // Attribute names are case-insensitive (kept in upper case). GetAttribute
  // gives "" for a missing attribute and for a document that does not parse.
  std::string GetAttribute(std::string_view attName);
  // Changes the object only; Save stores it. 555 "User.SetAttribute"
  // "InvalidXML" when the document does not parse, 555 with
  // kInvalidAttributeName when the name is no XML element name.
  void SetAttribute(std::string_view attName, std::string_view attValue);

  // 1050 "NoRecord" when there is no such account. Leaves the password alone.
  bool Load(int32_t bid);
  // Encodes the password into the object; Save stores it for a new account
  // only.
  bool SetPassWord(std::string_view pass);
  // Removes the account with UserID, its roles and the access entries
  // naming it (by its stored name, not the object's Username).
  bool Delete();
  // A new account (no row with UserID) is inserted with a new id, any other
  // row updated; the name is cut to 25 characters and must not be taken by
  // another account (-28669 "User.Save" "Save Name:" + name). Loads again.
  bool Save();
  // Accounts matching an SQL condition (all when empty), by id.
  std::shared_ptr<db::Recordset> ListAll(std::string_view Conv);
  // True also when the role is already held; uses up a userrole id either way.
  bool AddRole(int32_t RoleID);
  bool DeleteRole(int32_t RoleID);
  // Accounts holding the role; Nothing (and no query) for a negative role.
  std::shared_ptr<db::Recordset> ListAllUserInRole(int32_t RoleID);
  // The roles held, joined by ","; "" for none.
  std::string ListAllRole();

 private:
  void insertNew();
  void updateExisting();

  std::string username_;
  int32_t userId_ = -1;
  std::string password_;
  std::string attributes_;
};

// The longest account name stored, in characters.
inline constexpr size_t kUsernameLimit = 25;

inline constexpr int32_t kNoRecord = 1050;
inline constexpr const char* kNoRecordText = "NoRecord";
inline constexpr int32_t kInputError = 1051;
inline constexpr const char* kEmptyUsernameText = "Input Error:,Username can not be empty";
inline constexpr int32_t kNameTaken = -28669;
inline constexpr const char* kSaveSource = "User.Save";
inline constexpr const char* kNameTakenPrefix = "Save Name:";
inline constexpr int32_t kInvalidXml = 555;
inline constexpr const char* kSetAttributeSource = "User.SetAttribute";
inline constexpr const char* kInvalidXmlText = "InvalidXML";
inline constexpr const char* kInvalidAttributeName = "InvalidName:";

}  // namespace corvela::users
