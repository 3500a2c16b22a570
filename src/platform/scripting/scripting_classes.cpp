// Registers the creatable Scripting Runtime classes (see scripting_classes.h).
#include "platform/scripting/scripting_classes.h"

#include "platform/automation/progid_factory.h"
#include "platform/scripting/dictionary.h"
#include "platform/scripting/file_system_object.h"

namespace corvela::scripting {

void registerScriptingClasses() {
  registerClass("Scripting.Dictionary", [] { return std::make_shared<Dictionary>(); });
  registerClass("Scripting.FileSystemObject", [] { return std::make_shared<FileSystemObject>(); });
}

}  // namespace corvela::scripting
