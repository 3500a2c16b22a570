// RegRW over the file-backed registry: root-name mapping, the 255-byte read
// buffer of the system code page, and silent writes into existing keys only.
#include "core/regrw.h"

#include <array>
#include <cstdio>

#include "platform/registry/registry.h"
#include "platform/text/codepage.h"

namespace corvela::core::RegRW {
namespace {

struct RootName {
  std::string_view name;
  RootKey key;
};

constexpr std::array<RootName, 7> kRoots{{
    {"HKEY_CLASSES_ROOT", RootKey::ClassesRoot},
    {"HKEY_CURRENT_USER", RootKey::CurrentUser},
    {"HKEY_LOCAL_MACHINE", RootKey::LocalMachine},
    {"HKEY_USERS", RootKey::Users},
    {"HKEY_PERFORMANCE_DATA", RootKey::PerformanceData},
    {"HKEY_CURRENT_CONFIG", RootKey::CurrentConfig},
    {"HKEY_DYN_DATA", RootKey::DynData},
}};

RootKey rootFromName(std::string_view name) {
  for (const RootName& root : kRoots)
    if (root.name == name) return root.key;
  return RootKey::None;
}

// The path the registry layer understands: root name and subkey joined.
std::string registryPath(const SplitKey& split) {
  if (split.subkey.empty()) return split.rootName;
  return split.rootName + "\\" + split.subkey;
}

// What the old read buffer did to a value: spaces trimmed at both ends of
// the buffer (the NUL that ends the value stops the trailing trim, so
// trailing spaces of the value stay), then the text cut at its first NUL.
std::string bufferText(std::string_view value) {
  size_t start = value.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  value.remove_prefix(start);
  size_t nul = value.find('\0');
  if (nul != std::string_view::npos) value = value.substr(0, nul);
  return std::string(value);
}

}  // namespace

SplitKey splitKeyName(std::string_view keyName) {
  SplitKey result;
  if (keyName.substr(0, 5) != "HKEY_" || keyName.back() == '\\') {
    std::fprintf(stderr, "Incorrect Format:\n\n%.*s\n", static_cast<int>(keyName.size()), keyName.data());
    return result;
  }
  size_t slash = keyName.find('\\');
  std::string_view rootName = keyName.substr(0, slash);
  result.root = rootFromName(rootName);
  if (result.root == RootKey::None) return result;
  result.rootName = std::string(rootName);
  if (slash != std::string_view::npos) result.subkey = std::string(keyName.substr(slash + 1));
  return result;
}

std::string readValue(std::string_view keyName, std::string_view valueName) {
  SplitKey split = splitKeyName(keyName);
  if (split.root == RootKey::None) return {};
  std::optional<std::string> value = registry::readValue(registryPath(split), valueName);
  if (!value) return "Error";
  if (text::byteLengthInCodePage(*value, text::systemCodePage()) > kMaxValueBytes) return "Error";
  return bufferText(*value);
}

void writeValue(std::string_view keyName, std::string_view valueName, std::string_view text) {
  SplitKey split = splitKeyName(keyName);
  if (split.root == RootKey::None) return;
  registry::writeValue(registryPath(split), valueName, text);
}

}  // namespace corvela::core::RegRW
