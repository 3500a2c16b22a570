// FtpClient: an RFC 959 client over one control connection. Data moves over
// passive connections (PASV, to the control connection's own peer address),
// listings use MLSD and fall back to LIST on servers without it, and a login
// may ask for FTPS by AUTH TLS (RFC 4217: PBSZ 0, PROT P, data protected
// too). Remote paths are sent as given, with "\" turned into "/".
//
// Every step raises FtpFailure: a refusal carries the server's reply code
// and text; a lost or timed-out connection closes the client, so the next
// connect() starts afresh.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ftp/ftp_listing.h"

namespace corvela::ftp {

class FtpChannel;
class TlsContext;

struct LoginOptions {
  std::string host;
  uint16_t port = 21;
  std::string user = "anonymous";
  std::string password;
  bool tls = false;     // AUTH TLS before the login
  std::string caFile;   // extra trusted certificates for TLS (PEM)
  std::chrono::milliseconds timeout{30000};
};

struct Reply {
  int code = 0;
  std::string text;  // every line of the reply, joined with CR LF
};

class FtpClient {
 public:
  FtpClient();
  ~FtpClient();
  FtpClient(const FtpClient&) = delete;
  FtpClient& operator=(const FtpClient&) = delete;

  void connect(const LoginOptions& options);
  bool connected() const noexcept;
  // QUIT when still connected, then closes; never raises.
  void disconnect() noexcept;

  // The last reply the server sent (code 0 before any).
  const Reply& lastReply() const noexcept { return lastReply_; }

  void setBinary(bool binary);  // TYPE I or TYPE A, sent when it changes
  void changeDir(std::string_view path);
  std::string currentDir();
  void makeDir(std::string_view path);
  void removeDir(std::string_view path);
  void deleteFile(std::string_view path);
  void rename(std::string_view from, std::string_view to);

  // STOR of a local file under `remote`.
  void putFile(const std::string& local, std::string_view remote);
  // Uploads to a temporary name beside `remote` and renames it into place,
  // so no reader ever sees a half-written file under the final name. Falls
  // back to a plain STOR on servers that refuse the temporary name or do
  // not rename; a failed upload removes its temporary file.
  void putFileSafely(const std::string& local, std::string_view remote);
  // RETR into a local file, written to a temporary name and renamed.
  void getFile(std::string_view remote, const std::string& local);

  // Entries of a folder ("" for the current one).
  std::vector<ListingEntry> list(std::string_view path = {});

  // A remote file opened for streaming: RETR when reading, STOR when
  // writing; closeStream() ends the transfer and reads the final reply.
  void openStream(std::string_view remote, bool forWriting);
  bool streamOpen() const noexcept;
  size_t readStream(char* buffer, size_t size);
  void writeStream(std::string_view bytes);
  void closeStream();

 private:
  Reply command(std::string_view line);
  Reply readReply();
  Reply expect(std::string_view line, int positiveClass);
  [[noreturn]] void refuse(const Reply& reply);
  std::unique_ptr<FtpChannel> openData();
  void startData(std::unique_ptr<FtpChannel>& data, std::string_view line);
  void finishData(std::unique_ptr<FtpChannel>& data);
  void failClosed();

  LoginOptions options_;
  std::unique_ptr<FtpChannel> control_;
  std::unique_ptr<TlsContext> tls_;
  std::unique_ptr<FtpChannel> stream_;
  Reply lastReply_;
  int transferType_ = 0;  // 0 unknown, 'A' or 'I'
  bool mlsdRefused_ = false;
};

// A remote path as sent to servers: "\" becomes "/".
std::string remotePath(std::string_view path);

}  // namespace corvela::ftp
