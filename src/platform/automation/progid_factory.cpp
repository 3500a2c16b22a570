// The ProgID factory: registered classes, the engine library loaded on
// demand, and in-process servers named in the registry.
#include "platform/automation/progid_factory.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <mutex>
#include <string>
#include <system_error>
#include <vector>

#include "platform/automation/com_error.h"
#include "platform/registry/registry.h"

namespace corvela {

namespace {

constexpr std::string_view kEngineProgIdPrefix = "corvela.";
constexpr const char* kEngineLibrary = "libcorvela.so";
constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT\\";
constexpr std::string_view kInprocServerValue = "InprocServer";

std::string foldAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

// Process-wide state. Function-local so that libraries registering classes
// from their static initializers never run before it exists.
struct FactoryState {
  std::mutex mutex;
  std::map<std::string, ObjectFactory> classes;        // by folded ProgID
  std::map<std::string, ObjectFactory> replaceable;    // by folded ProgID
  std::map<std::string, CreateObjectFunction> servers;  // by library path
  bool engineLoadTried = false;
};

FactoryState& state() {
  static FactoryState instance;
  return instance;
}

ObjectFactory findIn(const std::map<std::string, ObjectFactory>& classes, const std::string& folded) {
  std::lock_guard<std::mutex> lock(state().mutex);
  auto it = classes.find(folded);
  return it == classes.end() ? ObjectFactory() : it->second;
}

std::filesystem::path programFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path();
}

// dlopen of the engine from the places named in the header, first hit wins.
void loadEngineLibrary() {
  std::vector<std::filesystem::path> candidates;
  if (const char* dir = std::getenv("CORVELA_LIB_DIR"); dir && *dir) candidates.emplace_back(dir);
  std::filesystem::path folder = programFolder();
  if (!folder.empty()) {
    candidates.push_back(folder);
    candidates.push_back(folder.parent_path() / "lib");
  }
  for (const std::filesystem::path& dir : candidates) {
    std::filesystem::path file = dir / kEngineLibrary;
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && dlopen(file.c_str(), RTLD_NOW | RTLD_GLOBAL)) return;
  }
  dlopen(kEngineLibrary, RTLD_NOW | RTLD_GLOBAL);
}

// The engine is loaded at most once per process; a later call finds its
// classes registered (or not) and does not try again.
void loadEngineOnce() {
  FactoryState& s = state();
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.engineLoadTried) return;
    s.engineLoadTried = true;
  }
  // Outside the lock: the library's initializers call registerClass.
  loadEngineLibrary();
}

CreateObjectFunction serverEntry(const std::string& path) {
  FactoryState& s = state();
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.servers.find(path);
    if (it != s.servers.end()) return it->second;
  }
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (!handle) return nullptr;
  auto entry = reinterpret_cast<CreateObjectFunction>(dlsym(handle, kCreateObjectSymbol));
  if (!entry) return nullptr;
  std::lock_guard<std::mutex> lock(s.mutex);
  s.servers.emplace(path, entry);
  return entry;
}

// A ProgID becomes part of a registry key path, so one that could name
// another key ("a\\..\\b", "x/y") is never looked up.
bool isPlainProgId(std::string_view progId) {
  if (progId.empty()) return false;
  for (char c : progId)
    if (c == '\\' || c == '/' || static_cast<unsigned char>(c) < 0x20) return false;
  return progId.find("..") == std::string_view::npos;
}

std::shared_ptr<Object> createFromRegistry(std::string_view progId) {
  if (!isPlainProgId(progId)) return nullptr;
  std::string key = std::string(kClassesRoot) + std::string(progId);
  std::optional<std::string> path = registry::readValue(key, kInprocServerValue);
  if (!path || path->empty()) return nullptr;
  CreateObjectFunction entry = serverEntry(*path);
  if (!entry) return nullptr;
  return std::shared_ptr<Object>(entry(std::string(progId).c_str()));
}

std::shared_ptr<Object> createFrom(const std::map<std::string, ObjectFactory>& classes, const std::string& folded) {
  ObjectFactory factory = findIn(classes, folded);
  return factory ? factory() : nullptr;
}

}  // namespace

ObjectFactory registerClass(std::string_view progId, ObjectFactory factory) {
  FactoryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  ObjectFactory& slot = s.classes[foldAscii(progId)];
  std::swap(slot, factory);
  return factory;
}

void registerReplaceableClass(std::string_view progId, ObjectFactory factory) {
  FactoryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.replaceable[foldAscii(progId)] = std::move(factory);
}

std::shared_ptr<Object> createObject(std::string_view progId) {
  FactoryState& s = state();
  std::string folded = foldAscii(progId);
  if (std::shared_ptr<Object> object = createFrom(s.classes, folded)) return object;
  if (folded.starts_with(kEngineProgIdPrefix)) {
    loadEngineOnce();
    if (std::shared_ptr<Object> object = createFrom(s.classes, folded)) return object;
  }
  if (std::shared_ptr<Object> object = createFromRegistry(progId)) return object;
  if (std::shared_ptr<Object> object = createFrom(s.replaceable, folded)) return object;
  raiseRuntimeError(429);
}

}  // namespace corvela
