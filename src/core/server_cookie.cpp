// ServerCookie over the ServerCookie table.
//
// The engine once doubled the quotes of a value before cutting it to 255
// characters, so a cut could fall between the two quotes of a pair and leave
// one quote alone at the end of the literal: the statement broke, or text
// after it became SQL. The text is cut first and its quotes doubled after.
#include "core/server_cookie.h"

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/context_votes.h"
#include "core/sql_literals.h"
#include "platform/automation/member_binding.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8.h"

namespace corvela::core {
namespace {

// The value as it is stored: its first 255 characters, or " " when empty.
std::string storedForm(std::string_view text) {
  std::string_view cut = text::substrByCodePoints(text, 0, kCookieTextLimit);
  if (cut.empty()) return " ";
  return std::string(cut);
}

}  // namespace

std::string ServerCookie::ReadValue(std::string_view name) {
  return runVoting(nullptr, [&] {
    comDAL dal;
    auto rs = dal.DoSelect("SELECT * FROM ServerCookie WHERE name = " + quotedSqlText(storedForm(name)));
    if (rs->eof()) return std::string();
    const Variant& cookie = rs->value("cookie");
    return cookie.isNull() ? std::string() : cookie.toString();
  });
}

void ServerCookie::WriteValue(std::string_view name, std::string_view cookie) {
  runVoting(nullptr, [&] {
    std::string nameLiteral = quotedSqlText(storedForm(name));
    std::string cookieLiteral = quotedSqlText(storedForm(cookie));
    comDAL dal;
    auto rs = dal.DoSelect("SELECT id FROM ServerCookie WHERE name=" + nameLiteral);
    if (rs->eof()) {
      int32_t id = newID("UserManager");
      dal.execCommand("INSERT INTO ServerCookie (name,cookie,id) VALUES (" + nameLiteral + "," + cookieLiteral + "," +
                      std::to_string(id) + ")");
    } else {
      dal.execCommand("UPDATE ServerCookie SET cookie=" + cookieLiteral + " WHERE name=" + nameLiteral);
    }
  });
}

const DispatchTable<ServerCookie>& ServerCookie::dispatchTable() {
  static const DispatchTable<ServerCookie> table = Members<ServerCookie>()
      .method<&ServerCookie::ReadValue>("ReadValue")
      .method<&ServerCookie::WriteValue>("WriteValue")
      .build();
  return table;
}

}  // namespace corvela::core
