// Registers the account classes ("Corvela.User", "Corvela.UserManager") and
// the built-in password encoder "myMd5.Encode" when libcorvela.so loads.
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "users/md5_encoder.h"
#include "users/user.h"
#include "users/user_manager.h"

namespace corvela::users {
namespace {

template <class T>
void registerEngineClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct UserClasses {
  UserClasses() {
    registerEngineClass<User>();
    registerEngineClass<UserManager>();
    // A site keeps its own encoder by registering it under the ProgID.
    registerReplaceableClass(kMd5EncoderProgId, [] { return std::make_shared<Md5Encoder>(); });
  }
};

const UserClasses registered;

}  // namespace
}  // namespace corvela::users
