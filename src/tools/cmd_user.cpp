// corvela user add|passwd|list|rm|roles: the administrator's way to make the
// first account and to look after accounts without the web pages. It works
// through User and UserManager, so names, passwords and roles are stored
// exactly as the pages store them.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "core/sql_literals.h"
#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/automation/object_context.h"
#include "platform/db/recordset.h"
#include "platform/text/utf8_units.h"
#include "tools/cli_support.h"
#include "tools/commands.h"
#include "tools/password_input.h"
#include "users/user.h"
#include "users/user_manager.h"

namespace corvela::tools {
namespace {

constexpr const char* kHelp =
    "Usage: corvela user add NAME --role N [--role N ...] [--password-stdin]\n"
    "       corvela user passwd NAME [--password-stdin]\n"
    "       corvela user list\n"
    "       corvela user rm NAME\n"
    "       corvela user roles NAME [--add N ...] [--remove N ...]\n"
    "\n"
    "Looks after the editors' accounts (table user_users) and their roles.\n"
    "  add     creates an account holding the given roles (an account logs in\n"
    "          only for a role it holds)\n"
    "  passwd  sets a new password\n"
    "  list    prints one tab-separated line per account: id, name, roles\n"
    "  rm      deletes an account with its roles and access entries\n"
    "  roles   grants (--add) and withdraws (--remove) roles, then prints the\n"
    "          roles held, joined by commas\n"
    "\n"
    "The password is asked twice on the terminal without echo, or read as the\n"
    "first line of standard input with --password-stdin. Names hold at most 25\n"
    "characters; names and passwords may not begin or end with a blank, since a\n"
    "login trims them. Roles are numbers from 0 up.\n";

constexpr const char* kAccountTable = "user_users";
constexpr const char* kNoSuchAccount = "corvela user: no account named '%s'\n";

struct Options {
  std::vector<std::string> positional;
  std::vector<int32_t> roles, addRoles, removeRoles;
  bool passwordStdin = false;
};

bool parseRole(std::string_view text, int32_t& role) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), role);
  return error == std::errc() && end == text.data() + text.size() && role >= 0;
}

// Parses the arguments after the action; returns a usage status, or -1 to
// go on.
int parseOptions(int argc, char** argv, Options& options) {
  for (int i = 0; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::vector<int32_t>* list = arg == "--role"     ? &options.roles
                                 : arg == "--add"    ? &options.addRoles
                                 : arg == "--remove" ? &options.removeRoles
                                                     : nullptr;
    if (list) {
      int32_t role = 0;
      if (i + 1 >= argc || !parseRole(argv[i + 1], role))
        return usageError("user", std::string(arg) + " needs a role number (0 or more)");
      list->push_back(role);
      ++i;
    } else if (arg == "--password-stdin") {
      options.passwordStdin = true;
    } else if (arg.starts_with("--")) {
      return usageError("user", "unknown option '" + std::string(arg) + "'");
    } else {
      options.positional.emplace_back(arg);
    }
  }
  return -1;
}

bool hasOuterBlank(std::string_view text) { return !text.empty() && (text.front() == ' ' || text.back() == ' '); }

// An error line for a name or password that the pages could never log in
// with; "" when it is fine.
std::string nameProblem(std::string_view name) {
  if (name.empty()) return "the name is empty";
  if (hasOuterBlank(name)) return "the name begins or ends with a blank";
  if (text::utf16Length(name) > users::kUsernameLimit) return "the name is longer than 25 characters";
  return {};
}

std::optional<std::string> readPassword(const Options& options) {
  std::optional<std::string> password =
      options.passwordStdin ? readPasswordLine() : askPasswordTwice();
  if (!password) return std::nullopt;
  if (password->empty()) {
    std::fputs("corvela user: the password is empty\n", stderr);
    return std::nullopt;
  }
  if (hasOuterBlank(*password)) {
    std::fputs("corvela user: the password begins or ends with a blank\n", stderr);
    return std::nullopt;
  }
  return password;
}

// Loads the account of that name into user; false (after saying so) when
// there is none.
bool findAccount(std::string_view name, users::User& user) {
  auto rs = user.ListAll("username=" + core::quotedSqlText(name));
  if (rs->eof()) {
    std::fprintf(stderr, kNoSuchAccount, std::string(name).c_str());
    return false;
  }
  user.Load(rs->value("userid").toLong());
  return true;
}

std::string joinedRoles(const std::vector<int32_t>& roles) {
  std::string text;
  for (int32_t role : roles) text += (text.empty() ? "" : ",") + std::to_string(role);
  return text;
}

int addAccount(const Options& options) {
  if (options.positional.size() != 1) return usageError("user", "'add' takes one NAME");
  if (options.roles.empty()) return usageError("user", "'add' needs at least one --role N");
  const std::string& name = options.positional[0];
  if (std::string problem = nameProblem(name); !problem.empty()) return usageError("user", problem);
  std::optional<std::string> password = readPassword(options);
  if (!password) return kExitFailure;
  users::User user;
  {
    // The account and its roles appear together or not at all.
    ContextScope scope;
    user.setUsername(name);
    user.SetPassWord(*password);
    user.Save();
    for (int32_t role : options.roles) user.AddRole(role);
  }
  std::printf("added %s (id %d, roles %s)\n", user.Username().c_str(), user.UserID(),
              joinedRoles(options.roles).c_str());
  return kExitOk;
}

int changePassword(const Options& options) {
  if (options.positional.size() != 1) return usageError("user", "'passwd' takes one NAME");
  users::User user;
  if (!findAccount(options.positional[0], user)) return kExitFailure;
  std::optional<std::string> password = readPassword(options);
  if (!password) return kExitFailure;
  users::UserManager manager;
  manager.Init(kAccountTable, "");
  manager.ChangePassword(user.Username(), ByRef<std::string>(*password));
  std::printf("password of %s changed\n", user.Username().c_str());
  return kExitOk;
}

int listAccounts(const Options& options) {
  if (!options.positional.empty()) return usageError("user", "'list' takes no NAME");
  users::User reader;
  auto rs = reader.ListAll("");
  std::printf("userid\tusername\troles\n");
  for (; !rs->eof(); rs->moveNext()) {
    users::User user;
    user.Load(rs->value("userid").toLong());
    std::printf("%d\t%s\t%s\n", user.UserID(), user.Username().c_str(), user.ListAllRole().c_str());
  }
  return kExitOk;
}

int removeAccount(const Options& options) {
  if (options.positional.size() != 1) return usageError("user", "'rm' takes one NAME");
  users::User user;
  if (!findAccount(options.positional[0], user)) return kExitFailure;
  user.Delete();
  std::printf("removed %s\n", user.Username().c_str());
  return kExitOk;
}

int accountRoles(const Options& options) {
  if (options.positional.size() != 1) return usageError("user", "'roles' takes one NAME");
  users::User user;
  if (!findAccount(options.positional[0], user)) return kExitFailure;
  {
    ContextScope scope;
    for (int32_t role : options.addRoles) user.AddRole(role);
    for (int32_t role : options.removeRoles) user.DeleteRole(role);
  }
  std::printf("%s\n", user.ListAllRole().c_str());
  return kExitOk;
}

}  // namespace

int userCommand(int argc, char** argv) {
  if (argc >= 1 && isHelpOption(argv[0])) {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (argc < 1) return usageError("user", "expected add, passwd, list, rm or roles");
  std::string_view action = argv[0];
  Options options;
  if (int status = parseOptions(argc - 1, argv + 1, options); status >= 0) return status;
  bool takesRoles = action == "add", changesRoles = action == "roles";
  bool readsPassword = action == "add" || action == "passwd";
  if ((!takesRoles && !options.roles.empty()) || (!changesRoles && !(options.addRoles.empty() && options.removeRoles.empty())) ||
      (!readsPassword && options.passwordStdin))
    return usageError("user", "option not taken by '" + std::string(action) + "'");
  try {
    if (action == "add") return addAccount(options);
    if (action == "passwd") return changePassword(options);
    if (action == "list") return listAccounts(options);
    if (action == "rm") return removeAccount(options);
    if (action == "roles") return accountRoles(options);
  } catch (const ComError& error) {
    printError(error);
    return kExitFailure;
  }
  return usageError("user", "unknown action '" + std::string(action) + "'");
}

}  // namespace corvela::tools
