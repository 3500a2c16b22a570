// Fixture of the account tests: a private installation (CoreTest) and
// accounts made in one line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "users/user.h"

namespace corvela::users {

using testing::raised;
using testing::Raised;

class UsersTest : public testing::CoreTest {
 protected:
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
