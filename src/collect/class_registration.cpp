// Registers the content collection record classes with the ProgID factory
// when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>
#include <string>

#include "collect/cc_agent.h"
#include "collect/cc_element.h"
#include "platform/automation/progid_factory.h"

namespace corvela::collect {
namespace {

template <class T>
void registerCollectClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct CollectClasses {
  CollectClasses() {
    registerCollectClass<CCAgent>();
    registerCollectClass<CCElement>();
  }
};

const CollectClasses registered;

}  // namespace
}  // namespace corvela::collect
