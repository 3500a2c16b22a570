// Registers the schema and access-entry classes of the site structure with
// the ProgID factory when libcorvela.so is loaded ("Corvela." + class name).
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "structure/acl.h"
#include "structure/property.h"
#include "structure/schema.h"
#include "structure/schema2.h"

namespace corvela::structure {
namespace {

template <class T>
void registerRecordClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct RecordClasses {
  RecordClasses() {
    registerRecordClass<Schema>();
    registerRecordClass<Property>();
    registerRecordClass<Schema2>();
    registerRecordClass<ACL>();
  }
};

const RecordClasses registered;

}  // namespace
}  // namespace corvela::structure
