// How account passwords are encoded and compared. The encoding is whatever
// the component registered as "myMd5.Encode" returns from Hmac(password,
// key), so User and UserManager always agree, and a site that installs
// another encoder under that ProgID gets it in both.
#pragma once

#include <string>
#include <string_view>

namespace corvela::users {

// The encoded form of a password. Errors of the component (including 429
// when none can be created) are raised again with their own number and
// description under the source "UserObject:Encrypt Error".
std::string EncodePassword(std::string_view password);

// Whether two encoded passwords are equal, in time that depends only on the
// length of `offered`, so a refusal takes as long whatever is stored.
bool sameEncodedPassword(std::string_view offered, std::string_view stored);

inline constexpr const char* kEncryptErrorSource = "UserObject:Encrypt Error";

}  // namespace corvela::users
