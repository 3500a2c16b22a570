// Fixture of the account tests: a private installation (CoreTest), the
// error a call raises, and accounts made in one line.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "users/user.h"

namespace corvela::users {

class UsersTest : public testing::CoreTest {
 protected:
  static ComError errorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const ComError& error) {
      return error;
    }
    ADD_FAILURE() << "expected an error";
    return ComError(0, "", "");
  }

  // A saved account with the password and roles; returns its id.
  static int32_t makeAccount(const std::string& name, const std::string& password,
                             std::initializer_list<int32_t> roles = {}) {
    User user;
    user.setUsername(name);
    user.SetPassWord(password);
    user.Save();
    for (int32_t role : roles) user.AddRole(role);
    return user.UserID();
  }
};

}  // namespace corvela::users
