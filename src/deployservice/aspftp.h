// ASPFTP: the deploy service's FTP client object. One object holds at most
// one connection and one open remote file. Nothing raises: every operation
// answers with a Boolean (or a text) and leaves its outcome in lErrorNum and
// sErrorDesc: -1 with one of the fixed texts below, 0 with "Empty
// Directory" or "No Matching Entries" for listings that found nothing, the
// server's reply code and text when the server refused, otherwise a
// transport number (platform/ftp/ftp_error.h).
//
// A server name written "ftps://host" logs in over TLS (AUTH TLS); the
// certificate must be trusted by the system or by the CA file set with
// setCaFile. Remote paths may use "\" or "/".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "deployservice/ftp_items.h"
#include "platform/automation/dispatch_table.h"

namespace corvela::ftp {
class FtpClient;
}

namespace corvela::deployservice {

class ASPFTP : public DispatchObject<ASPFTP> {
 public:
  static constexpr std::string_view kClassName = "ASPFTP";
  static const DispatchTable<ASPFTP>& dispatchTable();

  ASPFTP();
  ~ASPFTP() override;

  bool bQGetFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                 std::string_view strSourceFile, std::string_view strTargetFile, int32_t lngTransferType,
                 bool blnOverWrite);
  bool bQPutFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                 std::string_view strSourceFile, std::string_view strTargetFile, int32_t lngTransferType);
  std::string sGetDirName(int16_t intItem);
  int32_t lGetDirCount() const { return items_->Count(); }
  bool bGetDir(std::string_view strDir, int16_t intType);
  std::string sListDir(std::string_view strDir, int16_t intType);
  bool bDisconnect();

  int32_t lFileAccess() const { return fileAccess_; }
  void setlFileAccess(int32_t value) { fileAccess_ = value; }
  int32_t lAccessType() const { return accessType_; }
  void setlAccessType(int32_t value) { accessType_ = value; }
  const std::string& sProxyName() const { return proxyName_; }
  void setsProxyName(std::string_view value) { proxyName_ = value; }
  const std::string& sProxyBypass() const { return proxyBypass_; }
  void setsProxyBypass(std::string_view value) { proxyBypass_ = value; }
  std::string sError() const { return std::to_string(errorNum_) + ": " + errorDesc_; }
  int32_t lErrorNum() const { return errorNum_; }
  const std::string& sErrorDesc() const { return errorDesc_; }
  const std::string& sServerName() const { return serverName_; }
  void setsServerName(std::string_view value) { serverName_ = value; }
  int32_t lPort() const { return port_; }
  void setlPort(int32_t value) { port_ = value; }
  const std::string& sUserID() const { return userId_; }
  void setsUserID(std::string_view value) { userId_ = value; }
  const std::string& sPassword() const { return password_; }
  void setsPassword(std::string_view value) { password_ = value; }
  // Kept and reported only: connections are always passive.
  bool bPassiveMode() const { return passiveMode_; }
  void setbPassiveMode(bool value) { passiveMode_ = value; }
  bool bOverWrite() const { return !failIfExists_; }
  void setbOverWrite(bool value) { failIfExists_ = !value; }
  int32_t lTransferType() const { return transferType_; }
  void setlTransferType(int32_t value) { transferType_ = value; }

  bool bCloseFile();
  std::string sConvertCrLf(std::string_view strData);
  std::string sReadFile();
  bool bWriteFile(std::string_view strData);
  bool bOpenFile(std::string_view strFileName);
  bool bConnect();
  bool bRename(std::string_view strCurrentName, std::string_view strNewName);
  bool bGetFile(std::string_view strSourceFile, std::string_view strTargetFile);
  bool bPutFile(std::string_view strSourceFile, std::string_view strTargetFile);
  bool bQRemoveDir(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                   std::string_view strDir);
  bool bQMakeDir(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                 std::string_view strDir);
  bool bQRename(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                std::string_view strCurrentName, std::string_view strNewName);
  bool bQDeleteFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                    std::string_view strFile);
  bool bRemoveDir(std::string_view strDir);
  bool bMakeDir(std::string_view strDir);
  bool bDeleteFile(std::string_view strFile);
  bool bSetCurrentDir(std::string_view strDirName);
  std::string sGetCurrentDir();

  // C++ only: whether the connection is still alive (a server that went
  // away, or a refused login, leaves none), and the extra trusted
  // certificates for ftps:// servers.
  bool connected() const;
  void setCaFile(std::string caFile) { caFile_ = std::move(caFile); }

 private:
  void ClearError();
  void SetError(int32_t code, std::string description);
  bool ReadDir(std::string_view folder);
  // Runs one client step with the error bookkeeping; false when it failed.
  template <class Step>
  bool attempt(Step&& step);
  bool ensureConnected();
  template <class Operation>
  bool quick(std::string_view server, std::string_view user, std::string_view password, Operation&& operation);

  std::unique_ptr<ftp::FtpClient> client_;
  std::shared_ptr<colItem> items_;
  int32_t errorNum_ = 0;
  std::string errorDesc_;
  std::string agent_ = "KESTREL FTP DLL";
  int32_t accessType_ = 1;
  std::string proxyName_;
  std::string proxyBypass_;
  std::string serverName_;
  int32_t port_ = 21;
  std::string userId_ = "anonymous";
  std::string password_;
  bool passiveMode_ = true;
  int32_t fileAccess_ = 1;
  int32_t transferType_ = 1;
  bool failIfExists_ = false;
  std::string caFile_;
};

inline constexpr int32_t kTransferAscii = 1;
inline constexpr int32_t kTransferBinary = 2;
inline constexpr int32_t kFileAccessWrite = 1;

}  // namespace corvela::deployservice
