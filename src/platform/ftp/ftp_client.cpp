#include "platform/ftp/ftp_client.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/ftp/ftp_channel.h"
#include "platform/ftp/ftp_error.h"

namespace corvela::ftp {
namespace {

constexpr const char* kNotConnectedText = "The connection with the server was terminated abnormally";
constexpr const char* kBadPassiveText = "The server response could not be parsed";
constexpr size_t kBlockSize = 256 * 1024;

// A local file descriptor closed on every path out.
struct LocalFile {
  int fd;
  explicit LocalFile(int f) : fd(f) {}
  ~LocalFile() {
    if (fd >= 0) ::close(fd);
  }
};

[[noreturn]] void localFailure(const std::string& path) {
  throw FtpFailure(kLocalFileError, path + ": " + std::strerror(errno));
}

// The address and port of a 227 reply: "Entering Passive Mode (h1,h2,h3,h4,p1,p2)".
bool parsePassivePort(const std::string& text, uint16_t& port) {
  size_t open = text.find('(');
  size_t start = open == std::string::npos ? text.find_first_of("0123456789") : open + 1;
  if (start == std::string::npos) return false;
  int parts[6];
  int count = 0;
  size_t pos = start;
  while (count < 6 && pos < text.size()) {
    char* end = nullptr;
    long value = std::strtol(text.c_str() + pos, &end, 10);
    if (end == text.c_str() + pos || value < 0 || value > 255) return false;
    parts[count++] = static_cast<int>(value);
    pos = static_cast<size_t>(end - text.c_str());
    if (count < 6) {
      if (pos >= text.size() || text[pos] != ',') return false;
      ++pos;
    }
  }
  if (count != 6) return false;
  port = static_cast<uint16_t>(parts[4] * 256 + parts[5]);
  return true;
}

// CR LF to LF, carrying a CR that ends one block into the next.
void appendFromAscii(std::string& out, const char* data, size_t size, bool& pendingCr) {
  for (size_t i = 0; i < size; ++i) {
    char c = data[i];
    if (pendingCr && c != '\n') out += '\r';
    pendingCr = c == '\r';
    if (!pendingCr) out += c;
  }
}

std::string toAscii(const char* data, size_t size) {
  std::string out;
  out.reserve(size + size / 32);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) out += '\r';
    out += data[i];
  }
  return out;
}

std::string temporaryNameFor(std::string_view remote) {
  std::string path = remotePath(remote);
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "." + name + ".part" + std::to_string(::getpid());
}

}  // namespace

std::string remotePath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

FtpClient::FtpClient() = default;
FtpClient::~FtpClient() { disconnect(); }

bool FtpClient::connected() const noexcept { return control_ && control_->isOpen(); }

void FtpClient::failClosed() {
  stream_.reset();
  control_.reset();
  tls_.reset();
}

void FtpClient::connect(const LoginOptions& options) {
  disconnect();
  options_ = options;
  transferType_ = 0;
  mlsdRefused_ = false;
  control_ = std::make_unique<FtpChannel>(options.timeout);
  try {
    control_->open(options.host, options.port);
    Reply greeting = readReply();
    if (greeting.code / 100 != 2) refuse(greeting);
    if (options.tls) {
      tls_ = std::make_unique<TlsContext>(options.caFile);
      expect("AUTH TLS", 2);
      control_->startTls(*tls_, options.host);
      expect("PBSZ 0", 2);
      expect("PROT P", 2);
    }
    Reply user = command("USER " + options.user);
    if (user.code / 100 == 3) user = command("PASS " + options.password);
    if (user.code / 100 == 3) user = command("ACCT " + options.password);
    if (user.code / 100 != 2) refuse(user);
  } catch (const FtpFailure&) {
    failClosed();
    throw;
  }
}

void FtpClient::disconnect() noexcept {
  if (connected()) {
    try {
      stream_.reset();
      control_->writeAll("QUIT\r\n");
    } catch (const FtpFailure&) {
      // A connection that is already gone needs no goodbye.
    }
  }
  failClosed();
}

void FtpClient::refuse(const Reply& reply) {
  // The text after the code and its separator, as the server wrote it.
  std::string text = reply.text.size() > 4 ? reply.text.substr(4) : std::string();
  throw FtpFailure(reply.code, text);
}

Reply FtpClient::readReply() {
  Reply reply;
  std::string line = control_->readLine();
  auto hasCode = [](const std::string& l) {
    return l.size() >= 3 && std::isdigit(static_cast<unsigned char>(l[0])) &&
           std::isdigit(static_cast<unsigned char>(l[1])) && std::isdigit(static_cast<unsigned char>(l[2]));
  };
  if (!hasCode(line)) {
    failClosed();
    throw FtpFailure(kProtocolError, kBadPassiveText);
  }
  reply.code = std::stoi(line.substr(0, 3));
  reply.text = line;
  if (line.size() > 3 && line[3] == '-') {
    std::string end = line.substr(0, 3) + " ";
    do {
      line = control_->readLine();
      reply.text += "\r\n" + line;
    } while (!line.starts_with(end));
  }
  lastReply_ = reply;
  return reply;
}

Reply FtpClient::command(std::string_view line) {
  if (!connected()) throw FtpFailure(kConnectionAborted, kNotConnectedText);
  try {
    control_->writeAll(std::string(line) + "\r\n");
    Reply reply = readReply();
    // 421: the server is closing the control connection.
    if (reply.code == 421) failClosed();
    return reply;
  } catch (const FtpFailure&) {
    failClosed();
    throw;
  }
}

Reply FtpClient::expect(std::string_view line, int positiveClass) {
  Reply reply = command(line);
  if (reply.code / 100 != positiveClass) refuse(reply);
  return reply;
}

void FtpClient::setBinary(bool binary) {
  int wanted = binary ? 'I' : 'A';
  if (transferType_ == wanted) return;
  expect(binary ? "TYPE I" : "TYPE A", 2);
  transferType_ = wanted;
}

void FtpClient::changeDir(std::string_view path) { expect("CWD " + remotePath(path), 2); }

std::string FtpClient::currentDir() {
  Reply reply = expect("PWD", 2);
  // 257 "/path" with embedded quotes doubled.
  size_t open = reply.text.find('"');
  if (open == std::string::npos) return reply.text.size() > 4 ? reply.text.substr(4) : std::string();
  std::string path;
  for (size_t i = open + 1; i < reply.text.size(); ++i) {
    if (reply.text[i] == '"') {
      if (i + 1 < reply.text.size() && reply.text[i + 1] == '"') {
        path += '"';
        ++i;
        continue;
      }
      break;
    }
    path += reply.text[i];
  }
  return path;
}

void FtpClient::makeDir(std::string_view path) { expect("MKD " + remotePath(path), 2); }
void FtpClient::removeDir(std::string_view path) { expect("RMD " + remotePath(path), 2); }
void FtpClient::deleteFile(std::string_view path) { expect("DELE " + remotePath(path), 2); }

void FtpClient::rename(std::string_view from, std::string_view to) {
  expect("RNFR " + remotePath(from), 3);
  expect("RNTO " + remotePath(to), 2);
}

std::unique_ptr<FtpChannel> FtpClient::openData() {
  Reply reply = expect("PASV", 2);
  uint16_t port = 0;
  if (!parsePassivePort(reply.text, port)) throw FtpFailure(kProtocolError, kBadPassiveText);
  // The address in the reply is ignored: data goes to the host we logged in
  // to, so a server behind NAT works and a hostile one cannot point the
  // client at a third machine.
  auto data = std::make_unique<FtpChannel>(options_.timeout);
  data->open(control_->peerAddress(), port);
  return data;
}

void FtpClient::startData(std::unique_ptr<FtpChannel>& data, std::string_view line) {
  Reply reply = command(line);
  if (reply.code / 100 != 1) {
    data.reset();
    refuse(reply);
  }
  if (tls_) data->startTls(*tls_, options_.host, control_->session());
}

void FtpClient::finishData(std::unique_ptr<FtpChannel>& data) {
  data.reset();
  Reply done = readReply();
  if (done.code / 100 != 2) refuse(done);
}

void FtpClient::putFile(const std::string& local, std::string_view remote) {
  LocalFile file(::open(local.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.fd < 0) localFailure(local);
  auto data = openData();
  startData(data, "STOR " + remotePath(remote));
  std::string block(kBlockSize, '\0');
  try {
    for (;;) {
      ssize_t count = ::read(file.fd, block.data(), block.size());
      if (count < 0) {
        if (errno == EINTR) continue;
        localFailure(local);
      }
      if (count == 0) break;
      if (transferType_ == 'A') data->writeAll(toAscii(block.data(), static_cast<size_t>(count)));
      else data->writeAll(std::string_view(block.data(), static_cast<size_t>(count)));
    }
  } catch (const FtpFailure&) {
    // The server learns of the broken transfer from the closed data
    // connection; its reply is read so the control connection stays in step.
    data.reset();
    if (connected()) {
      try {
        readReply();
      } catch (const FtpFailure&) {
      }
    }
    throw;
  }
  finishData(data);
}

void FtpClient::putFileSafely(const std::string& local, std::string_view remote) {
  std::string temporary = temporaryNameFor(remote);
  try {
    putFile(local, temporary);
  } catch (const FtpFailure& failure) {
    // 553/550 on the temporary name: the server may only accept known names.
    if (failure.number() == 553 || failure.number() == 550) {
      putFile(local, remote);
      return;
    }
    if (connected() && failure.number() >= 400 && failure.number() < 600) {
      try {
        deleteFile(temporary);
      } catch (const FtpFailure&) {
      }
    }
    throw;
  }
  Reply from = command("RNFR " + temporary);
  if (from.code / 100 == 3) {
    Reply to = command("RNTO " + remotePath(remote));
    if (to.code / 100 == 2) return;
    // Some servers will not rename over an existing file.
    Reply removed = command("DELE " + remotePath(remote));
    if (removed.code / 100 == 2) {
      expect("RNFR " + temporary, 3);
      expect("RNTO " + remotePath(remote), 2);
      return;
    }
    refuse(to);
  }
  // No rename on this server: upload under the final name after all.
  try {
    deleteFile(temporary);
  } catch (const FtpFailure&) {
  }
  if (from.code == 500 || from.code == 502 || from.code == 504) {
    putFile(local, remote);
    return;
  }
  refuse(from);
}

void FtpClient::getFile(std::string_view remote, const std::string& local) {
  std::filesystem::path target(local);
  std::string temporary = (target.parent_path() / ("." + target.filename().string() + ".part")).string();
  LocalFile file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (file.fd < 0) localFailure(local);
  bool done = false;
  try {
    auto data = openData();
    startData(data, "RETR " + remotePath(remote));
    std::string block(kBlockSize, '\0');
    std::string converted;
    bool pendingCr = false;
    for (;;) {
      size_t count = data->readSome(block.data(), block.size());
      if (count == 0) break;
      const char* bytes = block.data();
      if (transferType_ == 'A') {
        converted.clear();
        appendFromAscii(converted, block.data(), count, pendingCr);
        bytes = converted.data();
        count = converted.size();
      }
      for (size_t written = 0; written < count;) {
        ssize_t n = ::write(file.fd, bytes + written, count - written);
        if (n < 0 && errno != EINTR) localFailure(local);
        if (n > 0) written += static_cast<size_t>(n);
      }
    }
    if (pendingCr && ::write(file.fd, "\r", 1) != 1) localFailure(local);
    finishData(data);
    if (::fsync(file.fd) != 0 || ::rename(temporary.c_str(), local.c_str()) != 0) localFailure(local);
    done = true;
  } catch (const FtpFailure&) {
    if (!done) ::unlink(temporary.c_str());
    throw;
  }
}

std::vector<ListingEntry> FtpClient::list(std::string_view path) {
  std::string argument = path.empty() ? std::string() : " " + remotePath(path);
  bool machine = !mlsdRefused_;
  auto data = openData();
  Reply reply = command((machine ? "MLSD" : "LIST") + argument);
  if (machine && (reply.code == 500 || reply.code == 502 || reply.code == 504)) {
    mlsdRefused_ = true;
    data.reset();
    return list(path);
  }
  if (reply.code / 100 != 1) refuse(reply);
  if (tls_) data->startTls(*tls_, options_.host, control_->session());
  std::vector<ListingEntry> entries;
  std::string line;
  while (data->readLineOrEnd(line)) {
    auto entry = machine ? parseMlsdLine(line) : parseListLine(line);
    if (entry) entries.push_back(std::move(*entry));
  }
  finishData(data);
  return entries;
}

void FtpClient::openStream(std::string_view remote, bool forWriting) {
  closeStream();
  auto data = openData();
  startData(data, (forWriting ? "STOR " : "RETR ") + remotePath(remote));
  stream_ = std::move(data);
}

bool FtpClient::streamOpen() const noexcept { return stream_ != nullptr; }

size_t FtpClient::readStream(char* buffer, size_t size) { return stream_->readSome(buffer, size); }

void FtpClient::writeStream(std::string_view bytes) { stream_->writeAll(bytes); }

void FtpClient::closeStream() {
  if (!stream_) return;
  finishData(stream_);
}

}  // namespace corvela::ftp
