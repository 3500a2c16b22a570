#include "deployservice/aspftp.h"

#include <filesystem>

#include "platform/ftp/ftp_client.h"
#include "platform/ftp/ftp_error.h"
#include "platform/text/codepage.h"

namespace corvela::deployservice {
namespace {

constexpr const char* kCouldNotConnect = "Could not connect to server.";
constexpr const char* kNoConnection = "No available connection.";
constexpr const char* kNoFileOpened = "No File Opened.";
constexpr const char* kServerNameRequired = "Server name required.";
constexpr const char* kIndexOutOfRange = "Index out of range.";
constexpr const char* kEmptyDirectory = "Empty Directory";
constexpr const char* kNoMatchingEntries = "No Matching Entries";
constexpr const char* kFileExistsText = "The file exists.";
constexpr std::string_view kSecurePrefix = "ftps://";
constexpr size_t kReadBlock = 1024;

int32_t attributesOf(const ftp::ListingEntry& entry) {
  int32_t bits = entry.isDirectory ? kItemDirectory : kItemNormal;
  if (!entry.name.empty() && entry.name[0] == '.') bits |= kItemHidden;
  return bits;
}

}  // namespace

ASPFTP::ASPFTP() : client_(std::make_unique<ftp::FtpClient>()), items_(std::make_shared<colItem>()) {}

ASPFTP::~ASPFTP() { bDisconnect(); }

void ASPFTP::ClearError() {
  errorNum_ = 0;
  errorDesc_.clear();
}

void ASPFTP::SetError(int32_t code, std::string description) {
  errorNum_ = code;
  errorDesc_ = std::move(description);
}

template <class Step>
bool ASPFTP::attempt(Step&& step) {
  try {
    step();
    return true;
  } catch (const ftp::FtpFailure& failure) {
    SetError(failure.number(), failure.text());
    return false;
  }
}

bool ASPFTP::connected() const { return client_->connected(); }

bool ASPFTP::bConnect() {
  ClearError();
  if (client_->connected()) return true;
  if (serverName_.empty()) {
    SetError(-1, kServerNameRequired);
    bDisconnect();
    return false;
  }
  ftp::LoginOptions options;
  options.host = serverName_;
  if (options.host.starts_with(kSecurePrefix)) {
    options.host.erase(0, kSecurePrefix.size());
    options.tls = true;
    options.caFile = caFile_;
  }
  options.port = static_cast<uint16_t>(port_);
  options.user = userId_;
  options.password = password_;
  return attempt([&] { client_->connect(options); });
}

bool ASPFTP::bDisconnect() {
  client_->disconnect();
  items_->Clear();
  return true;
}

bool ASPFTP::ensureConnected() {
  if (client_->connected()) return true;
  bConnect();
  if (client_->connected()) return true;
  // The login's own failure says more than the fixed text; keep it.
  if (errorNum_ == 0) SetError(-1, kCouldNotConnect);
  return false;
}

bool ASPFTP::bGetFile(std::string_view strSourceFile, std::string_view strTargetFile) {
  ClearError();
  if (!ensureConnected()) return false;
  std::string target(strTargetFile);
  if (failIfExists_ && std::filesystem::exists(target)) {
    SetError(ftp::kLocalFileExists, kFileExistsText);
    return false;
  }
  return attempt([&] {
    client_->setBinary(transferType_ != kTransferAscii);
    client_->getFile(strSourceFile, target);
  });
}

bool ASPFTP::bPutFile(std::string_view strSourceFile, std::string_view strTargetFile) {
  ClearError();
  if (!ensureConnected()) return false;
  // Uploads are binary whatever lTransferType says.
  return attempt([&] {
    client_->setBinary(true);
    client_->putFileSafely(std::string(strSourceFile), strTargetFile);
  });
}

bool ASPFTP::bRename(std::string_view strCurrentName, std::string_view strNewName) {
  ClearError();
  if (!ensureConnected()) return false;
  return attempt([&] { client_->rename(strCurrentName, strNewName); });
}

bool ASPFTP::bOpenFile(std::string_view strFileName) {
  ClearError();
  if (!ensureConnected()) return false;
  return attempt([&] {
    client_->setBinary(transferType_ != kTransferAscii);
    client_->openStream(strFileName, fileAccess_ == kFileAccessWrite);
  });
}

bool ASPFTP::bRemoveDir(std::string_view strDir) {
  ClearError();
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return false;
  }
  return attempt([&] { client_->removeDir(strDir); });
}

bool ASPFTP::bMakeDir(std::string_view strDir) {
  ClearError();
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return false;
  }
  return attempt([&] { client_->makeDir(strDir); });
}

bool ASPFTP::bDeleteFile(std::string_view strFile) {
  ClearError();
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return false;
  }
  return attempt([&] { client_->deleteFile(strFile); });
}

bool ASPFTP::bSetCurrentDir(std::string_view strDirName) {
  ClearError();
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return false;
  }
  return attempt([&] { client_->changeDir(strDirName); });
}

std::string ASPFTP::sGetCurrentDir() {
  ClearError();
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return sError();
  }
  std::string folder;
  if (!attempt([&] { folder = client_->currentDir(); })) return sError();
  return folder;
}

bool ASPFTP::ReadDir(std::string_view folder) {
  items_->Clear();
  if (!folder.empty() && !bSetCurrentDir(folder)) return true;
  if (!client_->connected()) {
    SetError(-1, kNoConnection);
    return false;
  }
  return attempt([&] {
    for (const ftp::ListingEntry& entry : client_->list()) items_->Add(entry.name, attributesOf(entry));
  });
}

std::string ASPFTP::sListDir(std::string_view strDir, int16_t intType) {
  ClearError();
  if (!ReadDir(strDir)) return {};
  if (items_->Count() == 0) {
    SetError(0, kEmptyDirectory);
    return {};
  }
  std::string names;
  bool any = false;
  for (int32_t i = 1; i <= items_->Count(); ++i) {
    auto item = items_->Item(i);
    if (intType > 0 && (item->Attributes() & intType) == 0) continue;
    if (any) names += ';';
    names += item->Name();
    any = true;
  }
  if (!any) SetError(0, kNoMatchingEntries);
  return names;
}

bool ASPFTP::bGetDir(std::string_view strDir, int16_t intType) {
  ClearError();
  if (!ReadDir(strDir)) return false;
  if (items_->Count() == 0) {
    SetError(0, kEmptyDirectory);
    return true;
  }
  if (intType > 0) {
    for (int32_t i = items_->Count(); i >= 1; --i)
      if ((items_->Item(i)->Attributes() & intType) != intType) items_->Remove(i);
    if (items_->Count() == 0) SetError(0, kNoMatchingEntries);
  }
  return true;
}

std::string ASPFTP::sGetDirName(int16_t intItem) {
  ClearError();
  if (intItem < 1 || intItem > items_->Count()) {
    SetError(-1, kIndexOutOfRange);
    return {};
  }
  return items_->Item(intItem)->Name();
}

template <class Operation>
bool ASPFTP::quick(std::string_view server, std::string_view user, std::string_view password, Operation&& operation) {
  bDisconnect();
  serverName_ = server;
  userId_ = user;
  password_ = password;
  bool done = false;
  if (bConnect()) done = attempt(operation);
  else if (errorNum_ == 0) SetError(-1, kCouldNotConnect);
  client_->disconnect();
  items_->Clear();
  return done;
}

bool ASPFTP::bQGetFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                       std::string_view strSourceFile, std::string_view strTargetFile, int32_t lngTransferType,
                       bool blnOverWrite) {
  transferType_ = lngTransferType;
  failIfExists_ = !blnOverWrite;
  std::string target(strTargetFile);
  return quick(strServerName, strUserID, strPassword, [&] {
    if (failIfExists_ && std::filesystem::exists(target)) throw ftp::FtpFailure(ftp::kLocalFileExists, kFileExistsText);
    client_->setBinary(lngTransferType != kTransferAscii);
    client_->getFile(strSourceFile, target);
  });
}

bool ASPFTP::bQPutFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                       std::string_view strSourceFile, std::string_view strTargetFile, int32_t lngTransferType) {
  transferType_ = lngTransferType;
  return quick(strServerName, strUserID, strPassword, [&] {
    client_->setBinary(lngTransferType != kTransferAscii);
    client_->putFileSafely(std::string(strSourceFile), strTargetFile);
  });
}

bool ASPFTP::bQRemoveDir(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                         std::string_view strDir) {
  return quick(strServerName, strUserID, strPassword, [&] { client_->removeDir(strDir); });
}

bool ASPFTP::bQMakeDir(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                       std::string_view strDir) {
  return quick(strServerName, strUserID, strPassword, [&] { client_->makeDir(strDir); });
}

bool ASPFTP::bQRename(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                      std::string_view strCurrentName, std::string_view strNewName) {
  return quick(strServerName, strUserID, strPassword, [&] { client_->rename(strCurrentName, strNewName); });
}

bool ASPFTP::bQDeleteFile(std::string_view strServerName, std::string_view strUserID, std::string_view strPassword,
                          std::string_view strFile) {
  return quick(strServerName, strUserID, strPassword, [&] { client_->deleteFile(strFile); });
}

std::string ASPFTP::sReadFile() {
  ClearError();
  if (!client_->streamOpen()) {
    SetError(-1, kNoFileOpened);
    return {};
  }
  std::string bytes;
  char block[kReadBlock];
  attempt([&] {
    while (size_t count = client_->readStream(block, sizeof block)) bytes.append(block, count);
  });
  return text::fromCodePage(bytes);
}

bool ASPFTP::bWriteFile(std::string_view strData) {
  ClearError();
  if (!client_->streamOpen()) {
    SetError(-1, kNoFileOpened);
    return false;
  }
  return attempt([&] { client_->writeStream(text::toCodePage(strData)); });
}

bool ASPFTP::bCloseFile() {
  ClearError();
  return attempt([&] { client_->closeStream(); });
}

std::string ASPFTP::sConvertCrLf(std::string_view strData) {
  std::string out;
  out.reserve(strData.size());
  for (size_t i = 0; i < strData.size(); ++i) {
    if (strData[i] == '\r' && i + 1 < strData.size() && strData[i + 1] == '\n') {
      out += "<br>";
      ++i;
    } else {
      out += strData[i];
    }
  }
  return out;
}

}  // namespace corvela::deployservice
