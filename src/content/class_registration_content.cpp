// Registers the article class with the ProgID factory when libcorvela.so is
// loaded ("Corvela.Content").
#include <memory>
#include <string>

#include "content/content.h"
#include "platform/automation/progid_factory.h"

namespace corvela::content {
namespace {

const ClassRegistration kContent("Corvela." + std::string(Content::kClassName),
                                 [] { return std::make_shared<Content>(); });

}  // namespace
}  // namespace corvela::content
