// What the three passes of the deploy service share: the way to yield to
// control requests between items, the snapshot folder, and the one FTP
// connection kept for the life of the program with the server and port it
// was last connected to.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "deployservice/aspftp.h"
#include "deployservice/service_paths.h"

namespace corvela::deployservice {

struct ServiceContext {
  // Handles pending control requests; may raise StopRequested.
  std::function<void()> yield = [] {};
  Snapshots snapshots;
  std::shared_ptr<ASPFTP> ftp;  // created on first FTP use
  std::string ftpServer;
  int32_t ftpPort = -1;
  std::string ftpsCaFile;  // extra trusted certificates for ftps:// servers
};

// Raised at a yield when the service is asked to stop: it ends the running
// pass at once, as unloading the window did.
struct StopRequested {};

}  // namespace corvela::deployservice
