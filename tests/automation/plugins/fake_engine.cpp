// Stands in for libcorvela.so in the ProgID factory tests: registers
// "Corvela.FakeEngineThing" while it loads, as the engine registers its
// classes. Its symbols from the automation layer resolve against the test
// program, so the registration lands in the program's factory.
#include <memory>

#include "platform/automation/collection.h"
#include "platform/automation/progid_factory.h"

namespace {

const corvela::ClassRegistration kFakeThing("Corvela.FakeEngineThing",
                                            [] { return std::make_shared<corvela::Collection>(); });

}  // namespace
