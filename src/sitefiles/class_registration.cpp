// Registers the site-file classes of the engine library with the ProgID
// factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>

#include "platform/automation/progid_factory.h"
#include "sitefiles/file.h"
#include "sitefiles/folder.h"
#include "sitefiles/site_folder.h"

namespace corvela::sitefiles {
namespace {

template <class T>
void registerSiteClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct SiteFileClasses {
  SiteFileClasses() {
    registerSiteClass<SiteFolder>();
    registerSiteClass<Folder>();
    registerSiteClass<File>();
  }
};

const SiteFileClasses registered;

}  // namespace
}  // namespace corvela::sitefiles
