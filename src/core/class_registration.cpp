// Registers every public class of the engine library with the ProgID factory
// when libcorvela.so is loaded ("Corvela." + class name), together with the
// built-in "UTF8.Encoder" component. A static initialiser is safe here: this
// file is compiled straight into the shared library, never into a static
// archive the linker could drop.
#include <memory>

#include "core/com_dal.h"
#include "core/com_id_manager.h"
#include "core/config.h"
#include "core/server_cookie.h"
#include "core/sys_log.h"
#include "core/tips.h"
#include "core/utf8_encoder.h"
#include "platform/automation/progid_factory.h"
#include "platform/db/database_classes.h"
#include "platform/xml/xml_classes.h"

namespace corvela::core {
namespace {

template <class T>
void registerEngineClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct EngineClasses {
  EngineClasses() {
    db::registerDatabaseClasses();
    xml::registerXmlClasses();
    registerEngineClass<Config>();
    registerEngineClass<comDAL>();
    registerEngineClass<comIDManager>();
    registerEngineClass<SysLog>();
    registerEngineClass<Tips>();
    registerEngineClass<ServerCookie>();
    registerClass(std::string(kUtf8EncoderProgId), [] { return std::make_shared<Utf8Encoder>(); });
  }
};

const EngineClasses registered;

}  // namespace
}  // namespace corvela::core
