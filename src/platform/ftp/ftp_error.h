// FtpFailure: how the FTP client reports a failed step. A refusal by the
// server carries the reply code as its number and the reply text after the
// code; a failure below the protocol carries one of the transport numbers
// below (the numbers WinINet gave the same faults, so callers that show or
// compare them see what they always saw).
#pragma once

#include <stdexcept>
#include <string>

namespace corvela::ftp {

inline constexpr int kTimeout = 12002;
inline constexpr int kNameNotResolved = 12007;
inline constexpr int kCannotConnect = 12029;
inline constexpr int kConnectionAborted = 12030;
inline constexpr int kSecureFailure = 12157;  // TLS handshake or certificate
inline constexpr int kProtocolError = 12111;  // a reply the client cannot read
inline constexpr int kLocalFileError = 2;     // local file missing or unwritable
inline constexpr int kLocalFileExists = 80;

class FtpFailure : public std::runtime_error {
 public:
  FtpFailure(int number, std::string text) : std::runtime_error(text), number_(number), text_(std::move(text)) {}
  int number() const noexcept { return number_; }
  const std::string& text() const noexcept { return text_; }

 private:
  int number_;
  std::string text_;
};

}  // namespace corvela::ftp
