// The password encoder component "myMd5.Encode", built in. Account tables
// carried over from an existing installation hold what its Hmac returned, so
// the text must match it exactly: the HMAC-MD5 (RFC 2104) of the password's
// UTF-8 bytes under the key's UTF-8 bytes, as 32 lower-case hex digits.
#pragma once

#include <string>
#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::users {

class Md5Encoder : public DispatchObject<Md5Encoder> {
 public:
  static constexpr std::string_view kClassName = "Encode";
  static const DispatchTable<Md5Encoder>& dispatchTable();

  std::string Hmac(std::string_view text, std::string_view key) const;
};

inline constexpr std::string_view kMd5EncoderProgId = "myMd5.Encode";

// HMAC-MD5 of raw bytes as lower-case hex, for callers that have bytes
// rather than text.
std::string hmacMd5Hex(std::string_view data, std::string_view key);

}  // namespace corvela::users
