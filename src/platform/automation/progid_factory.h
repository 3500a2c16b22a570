// The ProgID factory: how objects are created by name, as CoCreateInstance
// did. createObject (declared in object.h) looks in three places in order:
//
//   1. classes registered in this process with registerClass (ProgIDs
//      compare case-insensitively);
//   2. for an unknown "Corvela." ProgID, the engine library libcorvela.so is
//      loaded once (its classes register themselves as it loads) and the
//      lookup is repeated. The library is looked for in $CORVELA_LIB_DIR, in
//      the folder of the running program, in ../lib beside it, and then on
//      the default library path;
//   3. the registry value "InprocServer" of the key
//      "HKEY_CLASSES_ROOT\<ProgID>" naming a shared library that exports
//      kCreateObjectSymbol (see CreateObjectFunction);
//   4. classes registered with registerReplaceableClass.
//
// A ProgID found nowhere raises 429 "ActiveX component can't create object".
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/automation/object.h"

namespace corvela {

using ObjectFactory = std::function<std::shared_ptr<Object>()>;

// Registers (or replaces) the class behind a ProgID in this process; returns
// the factory it replaced (empty when there was none), so a stand-in can be
// taken back.
ObjectFactory registerClass(std::string_view progId, ObjectFactory factory);

// Registers a built-in stand-in for a component that installations used to
// provide themselves (a password encoder, say): a server that the registry
// names for the ProgID (step 3 above) takes its place.
void registerReplaceableClass(std::string_view progId, ObjectFactory factory);

// Registers a class while a library loads:
//   static const ClassRegistration kConfig("Corvela.Config", [] { return std::make_shared<Config>(); });
struct ClassRegistration {
  ClassRegistration(std::string_view progId, ObjectFactory factory) { registerClass(progId, std::move(factory)); }
};

// The C entry point of a library registered under InprocServer:
//
//   extern "C" corvela::Object* corvela_create_object(const char* progid);
//
// It returns a new heap object (allocated with new) for the ProgID, whose
// ownership passes to the caller, or nullptr when it does not know the
// ProgID. It may throw ComError. The library stays loaded for the life of
// the process, and it must share this process's copy of the automation layer
// (link against libcorvela_platform.so) so both sides agree on Object.
using CreateObjectFunction = Object* (*)(const char* progId);
inline constexpr const char* kCreateObjectSymbol = "corvela_create_object";

}  // namespace corvela
