// The library's entry point for the ProgID factory: the registry key
// HKEY_CLASSES_ROOT\Sluicegate.Service names this library as InprocServer.
#include <cstring>

#include "platform/automation/progid_factory.h"
#include "servicecontrol/service.h"

extern "C" __attribute__((visibility("default"))) corvela::Object* corvela_create_object(const char* progid) {
  if (strcasecmp(progid, corvela::servicecontrol::kServiceProgId) != 0) return nullptr;
  return new corvela::servicecontrol::Service();
}
