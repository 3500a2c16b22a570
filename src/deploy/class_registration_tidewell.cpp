// Registers Tidewell with the ProgID factory when libcorvela.so is loaded.
#include <memory>

#include "deploy/tidewell.h"
#include "platform/automation/progid_factory.h"

namespace corvela::deploy {
namespace {

const ClassRegistration kTidewell("Corvela." + std::string(Tidewell::kClassName),
                                  [] { return std::make_shared<Tidewell>(); });

}  // namespace
}  // namespace corvela::deploy
