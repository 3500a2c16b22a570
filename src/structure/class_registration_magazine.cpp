// Registers the magazine, issue and attribute classes with the ProgID
// factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "structure/issue.h"
#include "structure/magazine.h"
#include "structure/my_attribute.h"

namespace corvela::structure {
namespace {

template <class T>
void registerMagazineClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct MagazineClasses {
  MagazineClasses() {
    registerMagazineClass<Magazine>();
    registerMagazineClass<Issue>();
    registerMagazineClass<myAttribute>();
  }
};

const MagazineClasses registered;

}  // namespace
}  // namespace corvela::structure
