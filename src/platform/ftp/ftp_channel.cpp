// Sockets are non-blocking and every wait goes through poll() with the
// channel's timeout; OpenSSL runs over the same non-blocking socket and asks
// to wait for reading or writing as it needs.
#include "platform/ftp/ftp_channel.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include "platform/ftp/ftp_error.h"

namespace corvela::ftp {
namespace {

constexpr const char* kTimeoutText = "The operation timed out";
constexpr const char* kNotResolvedText = "The server name or address could not be resolved";
constexpr const char* kCannotConnectText = "A connection with the server could not be established";
constexpr const char* kAbortedText = "The connection with the server was terminated abnormally";
constexpr const char* kSecureText = "A secure connection with the server could not be established: ";
constexpr size_t kMaxLine = 64 * 1024;  // a control line longer than this is no FTP reply

std::string openSslErrors() {
  std::string text;
  while (unsigned long code = ERR_get_error()) {
    char buffer[256];
    ERR_error_string_n(code, buffer, sizeof buffer);
    if (!text.empty()) text += "; ";
    text += buffer;
  }
  return text.empty() ? "unknown TLS error" : text;
}

bool isNumericAddress(const std::string& host) {
  in6_addr address6;
  in_addr address4;
  return inet_pton(AF_INET, host.c_str(), &address4) == 1 || inet_pton(AF_INET6, host.c_str(), &address6) == 1;
}

}  // namespace

TlsContext::TlsContext(const std::string& caFile) : ctx_(SSL_CTX_new(TLS_client_method())) {
  if (!ctx_) throw FtpFailure(kSecureFailure, kSecureText + openSslErrors());
  SSL_CTX_set_min_proto_version(ctx_, TLS1_2_VERSION);
  SSL_CTX_set_verify(ctx_, SSL_VERIFY_PEER, nullptr);
  SSL_CTX_set_default_verify_paths(ctx_);
  SSL_CTX_set_session_cache_mode(ctx_, SSL_SESS_CACHE_CLIENT);
  if (!caFile.empty() && SSL_CTX_load_verify_locations(ctx_, caFile.c_str(), nullptr) != 1) {
    std::string errors = openSslErrors();
    SSL_CTX_free(ctx_);
    throw FtpFailure(kSecureFailure, kSecureText + caFile + ": " + errors);
  }
}

TlsContext::~TlsContext() { SSL_CTX_free(ctx_); }

FtpChannel::~FtpChannel() { close(); }

void FtpChannel::fail(int number, const std::string& text) {
  ERR_clear_error();
  close();
  throw FtpFailure(number, text);
}

void FtpChannel::waitFor(short events) {
  pollfd entry{fd_, events, 0};
  for (;;) {
    int ready = ::poll(&entry, 1, static_cast<int>(timeout_.count()));
    if (ready > 0) return;
    if (ready == 0) fail(kTimeout, kTimeoutText);
    if (errno != EINTR) fail(kConnectionAborted, kAbortedText);
  }
}

void FtpChannel::open(const std::string& host, uint16_t port) {
  close();
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  std::string service = std::to_string(port);
  if (::getaddrinfo(host.c_str(), service.c_str(), &hints, &found) != 0 || !found)
    throw FtpFailure(kNameNotResolved, kNotResolvedText);
  std::string lastError = kCannotConnectText;
  for (addrinfo* candidate = found; candidate; candidate = candidate->ai_next) {
    fd_ = ::socket(candidate->ai_family, candidate->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, candidate->ai_protocol);
    if (fd_ < 0) continue;
    if (::connect(fd_, candidate->ai_addr, candidate->ai_addrlen) == 0) break;
    if (errno == EINPROGRESS) {
      pollfd entry{fd_, POLLOUT, 0};
      int ready = ::poll(&entry, 1, static_cast<int>(timeout_.count()));
      int error = 0;
      socklen_t length = sizeof error;
      if (ready > 0 && ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) break;
      if (ready == 0) lastError = kTimeoutText;
    }
    ::close(fd_);
    fd_ = -1;
  }
  ::freeaddrinfo(found);
  if (fd_ < 0) throw FtpFailure(lastError == kTimeoutText ? kTimeout : kCannotConnect, lastError);
  int on = 1;
  ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

void FtpChannel::startTls(const TlsContext& tls, const std::string& peerName, SSL_SESSION* resume) {
  ssl_ = SSL_new(tls.get());
  if (!ssl_) fail(kSecureFailure, kSecureText + openSslErrors());
  SSL_set_fd(ssl_, fd_);
  if (isNumericAddress(peerName)) {
    X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_), peerName.c_str());
  } else {
    SSL_set_tlsext_host_name(ssl_, peerName.c_str());
    SSL_set1_host(ssl_, peerName.c_str());
  }
  if (resume) SSL_set_session(ssl_, resume);
  for (;;) {
    int result = SSL_connect(ssl_);
    if (result == 1) return;
    int reason = SSL_get_error(ssl_, result);
    if (reason == SSL_ERROR_WANT_READ) waitFor(POLLIN);
    else if (reason == SSL_ERROR_WANT_WRITE) waitFor(POLLOUT);
    else {
      long verify = SSL_get_verify_result(ssl_);
      std::string why = verify != X509_V_OK ? X509_verify_cert_error_string(verify) : openSslErrors();
      fail(kSecureFailure, kSecureText + why);
    }
  }
}

SSL_SESSION* FtpChannel::session() const noexcept { return ssl_ ? SSL_get_session(ssl_) : nullptr; }

size_t FtpChannel::readSome(char* buffer, size_t size) {
  if (!buffered_.empty()) {
    size_t count = std::min(size, buffered_.size());
    std::memcpy(buffer, buffered_.data(), count);
    buffered_.erase(0, count);
    return count;
  }
  return readFromPeer(buffer, size);
}

size_t FtpChannel::readFromPeer(char* buffer, size_t size) {
  if (fd_ < 0) fail(kConnectionAborted, kAbortedText);
  for (;;) {
    if (ssl_) {
      int result = SSL_read(ssl_, buffer, static_cast<int>(std::min<size_t>(size, 1 << 30)));
      if (result > 0) return static_cast<size_t>(result);
      int reason = SSL_get_error(ssl_, result);
      if (reason == SSL_ERROR_ZERO_RETURN) return 0;
      if (reason == SSL_ERROR_WANT_READ) waitFor(POLLIN);
      else if (reason == SSL_ERROR_WANT_WRITE) waitFor(POLLOUT);
      else if (reason == SSL_ERROR_SYSCALL && ERR_peek_error() == 0) return 0;  // closed without close_notify
      else fail(kConnectionAborted, kAbortedText);
    } else {
      ssize_t result = ::recv(fd_, buffer, size, 0);
      if (result >= 0) return static_cast<size_t>(result);
      if (errno == EAGAIN || errno == EWOULDBLOCK) waitFor(POLLIN);
      else if (errno != EINTR) fail(kConnectionAborted, kAbortedText);
    }
  }
}

std::string FtpChannel::readLine() {
  std::string line;
  if (!readLineOrEnd(line)) fail(kConnectionAborted, kAbortedText);
  return line;
}

bool FtpChannel::readLineOrEnd(std::string& line) {
  for (;;) {
    size_t end = buffered_.find('\n');
    if (end != std::string::npos) {
      line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    if (buffered_.size() > kMaxLine) fail(kProtocolError, "The server response could not be parsed");
    char chunk[4096];
    size_t count = readFromPeer(chunk, sizeof chunk);
    if (count == 0) {
      if (buffered_.empty()) return false;
      line = std::move(buffered_);
      buffered_.clear();
      return true;
    }
    buffered_.append(chunk, count);
  }
}

void FtpChannel::writeAll(std::string_view bytes) {
  if (fd_ < 0) fail(kConnectionAborted, kAbortedText);
  while (!bytes.empty()) {
    if (ssl_) {
      int result = SSL_write(ssl_, bytes.data(), static_cast<int>(std::min<size_t>(bytes.size(), 1 << 30)));
      if (result > 0) {
        bytes.remove_prefix(static_cast<size_t>(result));
        continue;
      }
      int reason = SSL_get_error(ssl_, result);
      if (reason == SSL_ERROR_WANT_READ) waitFor(POLLIN);
      else if (reason == SSL_ERROR_WANT_WRITE) waitFor(POLLOUT);
      else fail(kConnectionAborted, kAbortedText);
    } else {
      ssize_t result = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
      if (result >= 0) {
        bytes.remove_prefix(static_cast<size_t>(result));
        continue;
      }
      if (errno == EAGAIN || errno == EWOULDBLOCK) waitFor(POLLOUT);
      else if (errno != EINTR) fail(kConnectionAborted, kAbortedText);
    }
  }
}

void FtpChannel::close() noexcept {
  if (ssl_) {
    // One close_notify without waiting for the peer's; a peer that does not
    // answer must not hold the client up.
    SSL_shutdown(ssl_);
    SSL_free(ssl_);
    ssl_ = nullptr;
    ERR_clear_error();
  }
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  buffered_.clear();
}

std::string FtpChannel::peerAddress() const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (fd_ < 0 || ::getpeername(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
  char text[INET6_ADDRSTRLEN] = {};
  if (address.ss_family == AF_INET)
    ::inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&address)->sin_addr, text, sizeof text);
  else
    ::inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(&address)->sin6_addr, text, sizeof text);
  return text;
}

}  // namespace corvela::ftp
