// Registers the deploy classes of the engine library with the ProgID
// factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>

#include "deploy/deploy_task.h"
#include "platform/automation/progid_factory.h"

namespace corvela::deploy {
namespace {

struct DeployClasses {
  DeployClasses() {
    registerClass("Corvela." + std::string(DeployTask::kClassName), [] { return std::make_shared<DeployTask>(); });
  }
};

const DeployClasses registered;

}  // namespace
}  // namespace corvela::deploy
