// The classes of the upload library under their ProgIDs ("ZerinUpload." +
// class name) and the built-in "File.Save" writer. They are registered with
// the ProgID factory as the library loads, and the library's entry point
// corvela_create_object creates them for the factory's InprocServer lookup
// ("HKEY_CLASSES_ROOT\ZerinUpload.upload" value "InprocServer" naming this
// library), which is how a program that does not link the library reaches it.
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "platform/text/utf8.h"
#include "upload/file_collection.h"
#include "upload/file_save.h"
#include "upload/form_collection.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

constexpr std::string_view kProgIdPrefix = "ZerinUpload.";

struct LibraryClass {
  std::string progId;
  Object* (*create)();
};

template <class T>
LibraryClass libraryClass() {
  return {std::string(kProgIdPrefix) + std::string(T::kClassName), []() -> Object* { return new T(); }};
}

const std::vector<LibraryClass>& libraryClasses() {
  static const std::vector<LibraryClass> classes = {
      libraryClass<upload>(),     libraryClass<cForm>(),
      libraryClass<cFormField>(), libraryClass<cFiles>(),
      libraryClass<cFile>(),      {std::string(kFileSaveProgId), []() -> Object* { return new FileSave(); }},
  };
  return classes;
}

struct Registration {
  Registration() {
    for (const LibraryClass& entry : libraryClasses())
      registerClass(entry.progId, [create = entry.create] { return std::shared_ptr<Object>(create()); });
  }
};

const Registration registered;

}  // namespace
}  // namespace corvela::upload

extern "C" corvela::Object* corvela_create_object(const char* progid) {
  using namespace corvela::upload;
  for (const LibraryClass& entry : libraryClasses())
    if (corvela::text::equalsIgnoreCase(entry.progId, progid)) return entry.create();
  return nullptr;
}
