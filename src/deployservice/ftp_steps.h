// The FTP steps of the queue runner. Each step connects first (reusing the
// kept connection while the row names the same server and port and the
// connection is still alive), traps its own errors into one log entry
// ("ftpCopyFile：" + description, ...) and, where it carries a status,
// queues a retry of its operation with the status raised by one when the
// server refuses or cannot be reached.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "deployservice/queue_rows.h"
#include "deployservice/service_context.h"

namespace corvela::deployservice {

struct FtpTarget {
  std::string server;
  int32_t port = 21;
  std::string user, password;
};

class FtpSteps {
 public:
  explicit FtpSteps(ServiceContext& context) : context_(context) {}

  bool ftpFolderExist(std::string_view path, const FtpTarget& to);
  bool ftpFileExist(std::string_view path, const FtpTarget& to);
  void ftpCreateFolder(std::string_view path, const FtpTarget& to, int32_t status);
  void ftpDeleteFolder(std::string_view path, const FtpTarget& to, int32_t status);
  // True when a retry row (status below 3) now names `source`: its snapshot
  // must stay until that attempt has run.
  bool ftpCopyFile(std::string_view source, std::string_view target, const FtpTarget& to, int32_t status);
  void ftpDeleteFile(std::string_view path, const FtpTarget& to, int32_t status);

 private:
  void connect(const FtpTarget& to, const QueueRow* retry);
  void queueRetry(const QueueRow& retry, const char* prefix);
  bool folderExists(const std::string& path, const FtpTarget& to);
  void createFolder(const std::string& path, const FtpTarget& to, int32_t status);
  void deleteFolder(const std::string& path, const FtpTarget& to, int32_t status);
  void deleteFile(const std::string& path, const FtpTarget& to, int32_t status);
  QueueRow retryRow(const FtpTarget& to, std::string_view source, std::string_view target, const char* sourceType,
                    const char* operation, int32_t status) const;

  ServiceContext& context_;
  // Folders seen to exist on the current connection, so copying many files
  // into one folder does not ask for it every time; emptied on every new
  // connection and whenever folders are deleted.
  std::set<std::string> knownFolders_;
};

inline constexpr const char* kFtpConnectSource = "FTP连接";
inline constexpr const char* kFtpConnectText = "FTP服务器连接不上，可能是口令不正确或者网络不畅通。FTP服务器：";
inline constexpr const char* kBadFolderNameText = "目录名不合法：";

}  // namespace corvela::deployservice
