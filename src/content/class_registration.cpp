// Registers the page and attachment classes of the content subsystem with
// the ProgID factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>
#include <string>

#include "content/attach.h"
#include "content/page.h"
#include "platform/automation/progid_factory.h"

namespace corvela::content {
namespace {

template <class T>
void registerContentClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct ContentClasses {
  ContentClasses() {
    registerContentClass<Page>();
    registerContentClass<Attach>();
  }
};

const ContentClasses registered;

}  // namespace
}  // namespace corvela::content
