// EncodePassword through the ProgID factory, and the constant-time
// comparison of its results.
#include "users/password_encoding.h"

#include <openssl/crypto.h>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "users/md5_encoder.h"

namespace corvela::users {
namespace {

// The fixed key of every password encoding; stored passwords depend on it.
constexpr std::string_view kPasswordKey = "qWEX_amber";

}  // namespace

std::string EncodePassword(std::string_view password) {
  try {
    std::shared_ptr<Object> encoder = createObject(kMd5EncoderProgId);
    Variant args[] = {Variant(password), Variant(kPasswordKey)};
    return encoder->call("Hmac", args).toString();
  } catch (const ComError& error) {
    throw error.withSource(kEncryptErrorSource);
  }
}

bool sameEncodedPassword(std::string_view offered, std::string_view stored) {
  if (offered.size() != stored.size()) {
    // Compare anyway, so a stored value of another length (a blank, an
    // old encoding) costs the same time as a wrong one.
    CRYPTO_memcmp(offered.data(), offered.data(), offered.size());
    return false;
  }
  return CRYPTO_memcmp(offered.data(), stored.data(), offered.size()) == 0;
}

}  // namespace corvela::users
