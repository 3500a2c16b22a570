#include "support/ftp_server.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace corvela::testing {
namespace {

std::filesystem::path serverScript() { return std::filesystem::path(CORVELA_SOURCE_DIR) / "scripts" / "ftp-test-server"; }

void makeCertificate(const std::filesystem::path& folder) {
  std::string command = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1"
                        " -subj /CN=localhost -addext subjectAltName=IP:127.0.0.1,DNS:localhost"
                        " -keyout '" + (folder / "key.pem").string() + "' -out '" + (folder / "cert.pem").string() +
                        "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("openssl could not make a test certificate");
}

}  // namespace

FtpServer::FtpServer(std::filesystem::path root, FtpServerOptions options)
    : root_(std::move(root)), options_(std::move(options)) {
  std::filesystem::create_directories(root_);
  if (options_.tls) {
    certDir_ = root_.parent_path() / (root_.filename().string() + "-cert");
    std::filesystem::create_directories(certDir_);
    makeCertificate(certDir_);
  }
  start();
}

FtpServer::~FtpServer() {
  stop();
  if (!certDir_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(certDir_, ignored);
  }
}

void FtpServer::start() {
  std::vector<std::string> args = {"/usr/bin/python3", serverScript().string(), root_.string(),
                                   "--port", std::to_string(options_.port ? options_.port : port_),
                                   "--user", options_.user, "--password", options_.password};
  if (options_.tls) {
    args.push_back("--tls");
    args.push_back(certificate());
    args.push_back((certDir_ / "key.pem").string());
  }
  if (options_.noMlsd) args.push_back("--no-mlsd");
  if (options_.noRename) args.push_back("--no-rename");
  if (!options_.logFile.empty()) {
    args.push_back("--log");
    args.push_back(options_.logFile);
  }

  int out[2];
  if (::pipe(out) != 0) throw std::runtime_error("pipe failed");
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(out[1], 1);
    ::close(out[0]);
    ::close(out[1]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(out[1]);
  std::string line;
  char c;
  while (::read(out[0], &c, 1) == 1 && c != '\n') line += c;
  ::close(out[0]);
  if (line.empty()) {
    stop();
    throw std::runtime_error("the test FTP server did not start");
  }
  port_ = static_cast<uint16_t>(std::stoi(line));
}

void FtpServer::stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

void FtpServer::restart() {
  stop();
  // The old listening socket may linger for a moment.
  for (int attempt = 0;; ++attempt) {
    try {
      start();
      return;
    } catch (const std::runtime_error&) {
      if (attempt == 20) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
}

}  // namespace corvela::testing
