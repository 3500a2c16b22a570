// Registration of the shipped in-process libraries and the upload settings.
#include "tools/component_registration.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/registry.h"
#include "upload/request_body.h"

namespace corvela::tools {
namespace {

constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT\\";
constexpr std::string_view kInprocServerValue = "InprocServer";

struct ShippedLibrary {
  const char* file;
  std::vector<std::string_view> progIds;
};

const ShippedLibrary kShippedLibraries[] = {
    {"libzerinupload.so",
     {"ZerinUpload.upload", "ZerinUpload.cForm", "ZerinUpload.cFormField", "ZerinUpload.cFiles",
      "ZerinUpload.cFile"}},
};

std::vector<std::filesystem::path> libraryFolders() {
  std::vector<std::filesystem::path> folders;
  if (const char* dir = std::getenv("CORVELA_LIB_DIR"); dir && *dir) folders.emplace_back(dir);
  std::error_code ec;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    folders.push_back(program.parent_path());
    folders.push_back(program.parent_path().parent_path() / "lib");
  }
  return folders;
}

std::optional<std::filesystem::path> findLibrary(const char* file) {
  for (const std::filesystem::path& folder : libraryFolders()) {
    std::error_code ec;
    std::filesystem::path candidate = folder / file;
    if (std::filesystem::is_regular_file(candidate, ec)) return std::filesystem::canonical(candidate, ec);
  }
  return std::nullopt;
}

bool registerLibrary(const ShippedLibrary& library) {
  std::optional<std::filesystem::path> path = findLibrary(library.file);
  if (!path) {
    std::printf("skipped   %s (not found beside the program)\n", library.file);
    return true;
  }
  for (std::string_view progId : library.progIds) {
    std::string key = std::string(kClassesRoot) + std::string(progId);
    if (!registry::createKey(key) || !registry::writeValue(key, kInprocServerValue, path->string())) {
      std::fprintf(stderr, "corvela init: cannot register %.*s\n", static_cast<int>(progId.size()), progId.data());
      return false;
    }
    std::printf("registered %.*s -> %s\n", static_cast<int>(progId.size()), progId.data(), path->c_str());
  }
  return true;
}

bool storeUploadLimit(std::optional<int64_t> limit) {
  bool stored = registry::readValue(upload::kUploadSettingsKey, upload::kMaxRequestBytesValue).has_value();
  if (stored && !limit) return true;
  std::string value = std::to_string(limit.value_or(upload::kDefaultMaxRequestBytes));
  if (!registry::createKey(upload::kUploadSettingsKey) ||
      !registry::writeValue(upload::kUploadSettingsKey, upload::kMaxRequestBytesValue, value)) {
    std::fprintf(stderr, "corvela init: cannot store the upload size limit\n");
    return false;
  }
  std::printf("set       %.*s = %s\n", static_cast<int>(upload::kMaxRequestBytesValue.size()),
              upload::kMaxRequestBytesValue.data(), value.c_str());
  return true;
}

}  // namespace

bool registerComponents(std::optional<int64_t> uploadLimit) {
  for (const ShippedLibrary& library : kShippedLibraries)
    if (!registerLibrary(library)) return false;
  return storeUploadLimit(uploadLimit);
}

}  // namespace corvela::tools
