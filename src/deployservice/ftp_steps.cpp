#include "deployservice/ftp_steps.h"

#include <vector>

#include "deployservice/service_log.h"
#include "platform/automation/com_error.h"

namespace corvela::deployservice {
namespace {

constexpr int kStepError = 555;
constexpr int32_t kFolderItems = 16;
constexpr int32_t kFileItems = 167;
constexpr int32_t kGivenUp = 3;

std::string slashes(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::vector<std::string> namesOf(const std::string& list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size() && !list.empty()) {
    size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// The folder part of a path; the root for "/name".
std::string parentOf(const std::string& path, size_t slash) {
  std::string parent = path.substr(0, slash);
  return parent.empty() && slash == 0 ? std::string("/") : parent;
}

// Runs a step under its own trap: an error becomes one log entry.
template <class Body>
bool trapped(const char* prefix, Body&& body) {
  try {
    body();
    return true;
  } catch (const ComError& error) {
    WriteLog(std::string(prefix) + error.description());
    return false;
  }
}

}  // namespace

QueueRow FtpSteps::retryRow(const FtpTarget& to, std::string_view source, std::string_view target,
                            const char* sourceType, const char* operation, int32_t status) const {
  QueueRow row;
  row.method = "ftp";
  row.server = to.server;
  row.port = to.port;
  row.user = to.user;
  row.password = to.password;
  row.source = source;
  row.target = target;
  row.sourceType = sourceType;
  row.operation = operation;
  row.status = status + 1;
  return row;
}

// A refusal queues the next attempt; the last one (status 3) stays in the
// queue as the record of the failure and gets a log entry with the server's
// reply, so no operation fails for good without a trace.
void FtpSteps::queueRetry(const QueueRow& retry, const char* prefix) {
  QueueExecution(retry);
  if (retry.status >= kGivenUp) WriteLog(prefix + context_.ftp->sError());
}

void FtpSteps::connect(const FtpTarget& to, const QueueRow* retry) {
  if (!context_.ftp) {
    context_.ftp = std::make_shared<ASPFTP>();
    context_.ftp->setCaFile(context_.ftpsCaFile);
  }
  ASPFTP& ftp = *context_.ftp;
  if (to.server == context_.ftpServer && to.port == context_.ftpPort && ftp.connected()) return;
  knownFolders_.clear();
  ftp.bDisconnect();
  ftp.setsServerName(to.server);
  ftp.setlPort(to.port);
  ftp.setsUserID(to.user);
  ftp.setsPassword(to.password);
  if (!ftp.bConnect()) {
    if (retry) QueueExecution(*retry);
    throw ComError(kStepError, kFtpConnectSource, kFtpConnectText + to.server);
  }
  context_.ftpServer = to.server;
  context_.ftpPort = to.port;
}

bool FtpSteps::folderExists(const std::string& path, const FtpTarget& to) {
  connect(to, nullptr);
  if (path.empty()) return true;
  return context_.ftp->bSetCurrentDir(path);
}

bool FtpSteps::ftpFolderExist(std::string_view path, const FtpTarget& to) {
  bool exists = false;
  trapped("ftpFolderExist：", [&] { exists = folderExists(slashes(path), to); });
  return exists;
}

bool FtpSteps::ftpFileExist(std::string_view path, const FtpTarget& to) {
  bool exists = false;
  trapped("ftpFileExist：", [&] {
    connect(to, nullptr);
    std::string converted = slashes(path);
    size_t slash = converted.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : parentOf(converted, slash);
    std::string name = slash == std::string::npos ? converted : converted.substr(slash + 1);
    // The name must be one of the listed names, not a part of one.
    for (const std::string& listed : namesOf(context_.ftp->sListDir(folder, kFileItems)))
      if (listed == name) exists = true;
  });
  return exists;
}

void FtpSteps::createFolder(const std::string& path, const FtpTarget& to, int32_t status) {
  QueueRow retry = retryRow(to, "", path, "dir", "create", status);
  connect(to, &retry);
  if (path == "/" || path.empty()) return;
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) throw ComError(kStepError, "ftpCreateFolder", kBadFolderNameText + path);
  std::string parent = path.substr(0, slash);
  if (!folderExists(parent, to)) createFolder(parent, to, status);
  if (folderExists(parent, to)) {
    if (!folderExists(path, to) && !context_.ftp->bMakeDir(path)) queueRetry(retry, "ftpCreateFolder：");
  } else {
    queueRetry(retry, "ftpCreateFolder：");
  }
}

void FtpSteps::ftpCreateFolder(std::string_view path, const FtpTarget& to, int32_t status) {
  trapped("ftpCreateFolder：", [&] { createFolder(slashes(path), to, status); });
}

void FtpSteps::deleteFolder(const std::string& path, const FtpTarget& to, int32_t status) {
  QueueRow retry = retryRow(to, "", path, "dir", "delete", status);
  connect(to, &retry);
  for (const std::string& name : namesOf(context_.ftp->sListDir(path, kFolderItems)))
    deleteFolder(path + "/" + name, to, status);
  for (const std::string& name : namesOf(context_.ftp->sListDir(path, kFileItems)))
    deleteFile(path + "/" + name, to, status);
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) throw ComError(kStepError, "ftpDeleteFolder", kBadFolderNameText + path);
  context_.ftp->bSetCurrentDir(parentOf(path, slash));
  if (!context_.ftp->bRemoveDir(path)) queueRetry(retry, "ftpDeleteFolder：");
}

void FtpSteps::ftpDeleteFolder(std::string_view path, const FtpTarget& to, int32_t status) {
  knownFolders_.clear();
  trapped("ftpDeleteFolder：", [&] { deleteFolder(slashes(path), to, status); });
}

bool FtpSteps::ftpCopyFile(std::string_view source, std::string_view target, const FtpTarget& to, int32_t status) {
  bool retried = false;
  std::string converted = slashes(target);
  QueueRow retry = retryRow(to, source, converted, "file", "create", status);
  trapped("ftpCopyFile：", [&] {
    try {
      connect(to, nullptr);
    } catch (const ComError&) {
      QueueExecution(retry);
      retried = retry.status < kGivenUp;
      throw;
    }
    size_t slash = converted.rfind('/');
    if (slash != std::string::npos && slash > 0) {
      std::string folder = converted.substr(0, slash);
      if (!knownFolders_.contains(folder)) {
        if (!folderExists(folder, to)) createFolder(folder, to, status);
        if (folderExists(folder, to)) knownFolders_.insert(folder);
      }
    }
    context_.ftp->setlTransferType(kTransferBinary);
    if (!context_.ftp->bPutFile(source, converted)) {
      queueRetry(retry, "ftpCopyFile：");
      retried = retry.status < kGivenUp;
    }
  });
  return retried;
}

void FtpSteps::deleteFile(const std::string& path, const FtpTarget& to, int32_t status) {
  QueueRow retry = retryRow(to, "", path, "file", "delete", status);
  connect(to, &retry);
  if (!context_.ftp->bDeleteFile(path)) queueRetry(retry, "ftpDeleteFile：");
}

void FtpSteps::ftpDeleteFile(std::string_view path, const FtpTarget& to, int32_t status) {
  trapped("ftpDeleteFile：", [&] { deleteFile(slashes(path), to, status); });
}

}  // namespace corvela::deployservice
