// A real FTP server for tests: scripts/ftp-test-server (pyftpdlib) serving a
// folder on a loopback port, stopped again when the object goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvela::testing {

struct FtpServerOptions {
  std::string user = "deploy";
  std::string password = "secret";
  bool tls = false;       // FTPS required on control and data (AUTH TLS)
  bool noMlsd = false;    // answers MLSD with 500
  bool noRename = false;  // answers RNFR with 500
  uint16_t port = 0;      // 0: any free port
  std::string logFile;    // the server's log of logins and commands
};

class FtpServer {
 public:
  FtpServer(std::filesystem::path root, FtpServerOptions options = {});
  ~FtpServer();
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  uint16_t port() const { return port_; }
  const std::filesystem::path& root() const { return root_; }
  // PEM file of the self-signed certificate of a TLS server.
  std::string certificate() const { return (certDir_ / "cert.pem").string(); }
  // Kills the server at once (a server that goes away mid-run).
  void stop();
  // Starts it again on the same port.
  void restart();

 private:
  void start();

  std::filesystem::path root_;
  FtpServerOptions options_;
  std::filesystem::path certDir_;
  pid_t pid_ = -1;
  uint16_t port_ = 0;
};

}  // namespace corvela::testing
