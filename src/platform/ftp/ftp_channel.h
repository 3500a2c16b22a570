// One TCP connection of the FTP client, in clear or wrapped in TLS. Every
// wait is bounded by the channel's timeout, so a server that stops answering
// fails the step instead of hanging the deploy service. Failures raise
// FtpFailure with a transport number.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

typedef struct ssl_ctx_st SSL_CTX;
typedef struct ssl_st SSL;
typedef struct ssl_session_st SSL_SESSION;

namespace corvela::ftp {

// Client TLS settings shared by the control and data connections of one
// login. Peers are verified against the system's certificate store, plus
// caFile when one is named.
class TlsContext {
 public:
  explicit TlsContext(const std::string& caFile);
  ~TlsContext();
  TlsContext(const TlsContext&) = delete;
  TlsContext& operator=(const TlsContext&) = delete;
  SSL_CTX* get() const noexcept { return ctx_; }

 private:
  SSL_CTX* ctx_;
};

class FtpChannel {
 public:
  explicit FtpChannel(std::chrono::milliseconds timeout) : timeout_(timeout) {}
  ~FtpChannel();
  FtpChannel(const FtpChannel&) = delete;
  FtpChannel& operator=(const FtpChannel&) = delete;

  // Resolves and connects (IPv4 or IPv6).
  void open(const std::string& host, uint16_t port);
  // Switches the open connection to TLS and checks the peer against
  // `peerName`. `resume` offers the control connection's session, which
  // many servers require on data connections.
  void startTls(const TlsContext& tls, const std::string& peerName, SSL_SESSION* resume = nullptr);
  bool secure() const noexcept { return ssl_ != nullptr; }
  SSL_SESSION* session() const noexcept;

  // One line without its CR LF; the end of the stream is a failure.
  std::string readLine();
  // The same, but false at the end of the stream (a last line without its
  // line end still counts as a line).
  bool readLineOrEnd(std::string& line);
  // Up to `size` bytes; 0 at the end of the stream.
  size_t readSome(char* buffer, size_t size);
  void writeAll(std::string_view bytes);
  // Ends the TLS session cleanly (the peer needs that to see a complete
  // upload), then closes the socket.
  void close() noexcept;
  bool isOpen() const noexcept { return fd_ >= 0; }
  // The numeric address of the peer, for passive data connections.
  std::string peerAddress() const;

 private:
  [[noreturn]] void fail(int number, const std::string& text);
  void waitFor(short events);
  size_t readFromPeer(char* buffer, size_t size);

  std::chrono::milliseconds timeout_;
  int fd_ = -1;
  SSL* ssl_ = nullptr;
  std::string buffered_;  // read but not yet consumed by readLine
};

}  // namespace corvela::ftp
