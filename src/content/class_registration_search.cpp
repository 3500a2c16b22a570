// Registers the site-search and site-version classes of the content
// subsystem with the ProgID factory when libcorvela.so is loaded
// ("Corvela." + class name).
#include <memory>
#include <string>

#include "content/search.h"
#include "content/version.h"
#include "platform/automation/progid_factory.h"

namespace corvela::content {
namespace {

template <class T>
void registerSearchClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct SearchClasses {
  SearchClasses() {
    registerSearchClass<Search>();
    registerSearchClass<Version>();
  }
};

const SearchClasses registered;

}  // namespace
}  // namespace corvela::content
