// Registration of the Scripting Runtime's creatable classes with the ProgID
// factory: "Scripting.Dictionary" and "Scripting.FileSystemObject". Hosts
// call it once at start-up (a static initialiser in a static library would
// be dropped by the linker). Calling it again is harmless.
#pragma once

namespace corvela::scripting {

void registerScriptingClasses();

}  // namespace corvela::scripting
