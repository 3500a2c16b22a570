// Registers the channel tree, channel and column classes with the ProgID
// factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "structure/column.h"

namespace corvela::structure {
namespace {

template <class T>
void registerStructureClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct StructureClasses {
  StructureClasses() {
    registerStructureClass<ChannelManager>();
    registerStructureClass<Channel>();
    registerStructureClass<Column>();
  }
};

const StructureClasses registered;

}  // namespace
}  // namespace corvela::structure
