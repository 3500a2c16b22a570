// The built-in "myMd5.Encode" component over OpenSSL's libcrypto.
#include "users/md5_encoder.h"

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>

#include "platform/automation/member_binding.h"

namespace corvela::users {
namespace {

// E_FAIL, as a component reports a failure of its own.
constexpr int32_t kEncoderFailure = static_cast<int32_t>(0x80004005u);
constexpr const char* kEncoderUnavailable = "HMAC-MD5 is not available: ";

}  // namespace

std::string hmacMd5Hex(std::string_view data, std::string_view key) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  // An empty key still needs a valid pointer: HMAC() reads NULL as "reuse
  // the previous key", which a one-shot call does not have.
  static const unsigned char kNoKey = 0;
  const void* keyBytes = key.empty() ? static_cast<const void*>(&kNoKey) : key.data();
  // A libcrypto in FIPS mode refuses MD5.
  if (!HMAC(EVP_md5(), keyBytes, static_cast<int>(key.size()), reinterpret_cast<const unsigned char*>(data.data()),
            data.size(), digest, &length)) {
    char reason[256];
    ERR_error_string_n(ERR_get_error(), reason, sizeof reason);
    throw ComError(kEncoderFailure, std::string(kMd5EncoderProgId), kEncoderUnavailable + std::string(reason));
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(length * 2);
  for (unsigned int i = 0; i < length; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 0xF];
  }
  return hex;
}

std::string Md5Encoder::Hmac(std::string_view text, std::string_view key) const { return hmacMd5Hex(text, key); }

const DispatchTable<Md5Encoder>& Md5Encoder::dispatchTable() {
  static const DispatchTable<Md5Encoder> table = Members<Md5Encoder>()
      .method<&Md5Encoder::Hmac>("Hmac")
      .build();
  return table;
}

}  // namespace corvela::users
