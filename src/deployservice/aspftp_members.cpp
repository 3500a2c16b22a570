// The member table of ASPFTP, in the class's slot order.
#include "deployservice/aspftp.h"
#include "platform/automation/member_binding.h"

namespace corvela::deployservice {

const DispatchTable<ASPFTP>& ASPFTP::dispatchTable() {
  static const DispatchTable<ASPFTP> table =
      Members<ASPFTP>()
          .method<&ASPFTP::bQGetFile>("bQGetFile")
          .method<&ASPFTP::bQPutFile>("bQPutFile")
          .method<&ASPFTP::sGetDirName>("sGetDirName")
          .readOnly<&ASPFTP::lGetDirCount>("lGetDirCount")
          .method<&ASPFTP::bGetDir>("bGetDir", {"", int16_t{0}})
          .method<&ASPFTP::sListDir>("sListDir", {"", int16_t{0}})
          .method<&ASPFTP::bDisconnect>("bDisconnect")
          .property<&ASPFTP::lFileAccess, &ASPFTP::setlFileAccess>("lFileAccess")
          .property<&ASPFTP::lAccessType, &ASPFTP::setlAccessType>("lAccessType")
          .property<&ASPFTP::sProxyName, &ASPFTP::setsProxyName>("sProxyName")
          .property<&ASPFTP::sProxyBypass, &ASPFTP::setsProxyBypass>("sProxyBypass")
          .readOnly<&ASPFTP::sError>("sError")
          .readOnly<&ASPFTP::lErrorNum>("lErrorNum")
          .readOnly<&ASPFTP::sErrorDesc>("sErrorDesc")
          .property<&ASPFTP::sServerName, &ASPFTP::setsServerName>("sServerName")
          .property<&ASPFTP::lPort, &ASPFTP::setlPort>("lPort")
          .property<&ASPFTP::sUserID, &ASPFTP::setsUserID>("sUserID")
          .property<&ASPFTP::sPassword, &ASPFTP::setsPassword>("sPassword")
          .property<&ASPFTP::bPassiveMode, &ASPFTP::setbPassiveMode>("bPassiveMode")
          .property<&ASPFTP::bOverWrite, &ASPFTP::setbOverWrite>("bOverWrite")
          .property<&ASPFTP::lTransferType, &ASPFTP::setlTransferType>("lTransferType")
          .method<&ASPFTP::bCloseFile>("bCloseFile")
          .method<&ASPFTP::sConvertCrLf>("sConvertCrLf")
          .method<&ASPFTP::sReadFile>("sReadFile")
          .method<&ASPFTP::bWriteFile>("bWriteFile")
          .method<&ASPFTP::bOpenFile>("bOpenFile")
          .method<&ASPFTP::bConnect>("bConnect")
          .method<&ASPFTP::bRename>("bRename")
          .method<&ASPFTP::bGetFile>("bGetFile")
          .method<&ASPFTP::bPutFile>("bPutFile")
          .method<&ASPFTP::bQRemoveDir>("bQRemoveDir")
          .method<&ASPFTP::bQMakeDir>("bQMakeDir")
          .method<&ASPFTP::bQRename>("bQRename")
          .method<&ASPFTP::bQDeleteFile>("bQDeleteFile")
          .method<&ASPFTP::bRemoveDir>("bRemoveDir")
          .method<&ASPFTP::bMakeDir>("bMakeDir")
          .method<&ASPFTP::bDeleteFile>("bDeleteFile")
          .method<&ASPFTP::bSetCurrentDir>("bSetCurrentDir")
          .readOnly<&ASPFTP::sGetCurrentDir>("sGetCurrentDir")
          .build();
  return table;
}

}  // namespace corvela::deployservice
