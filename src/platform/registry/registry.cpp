// The public registry functions (see registry.h) over key folders and value
// files.
#include "platform/registry/registry.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>

#include "platform/registry/key_folder.h"
#include "platform/registry/read_cache.h"
#include "platform/registry/value_file.h"

namespace corvela::registry {
namespace {

using detail::NamedValue;

constexpr std::string_view kComputerNameValue = "ComputerName";

std::string hostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

std::optional<std::filesystem::path> existingKey(std::string_view keyPath) {
  auto segments = detail::splitKeyPath(keyPath);
  if (!segments) return std::nullopt;
  return detail::findKeyFolder(*segments);
}

bool isComputerNameKey(std::string_view keyPath) {
  auto segments = detail::splitKeyPath(keyPath);
  return segments && detail::isComputerNameKey(*segments);
}

template <class Values>
auto findValue(Values& values, std::string_view name) {
  return std::find_if(values.begin(), values.end(), [&](const NamedValue& value) {
    return detail::namesEqual(value.name, name);
  });
}

}  // namespace

bool keyExists(std::string_view keyPath) {
  if (isComputerNameKey(keyPath)) return true;
  auto segments = detail::splitKeyPath(keyPath);
  if (!segments) return false;
  if (segments->size() == 1) return true;  // the predefined keys always exist
  return detail::findKeyFolder(*segments).has_value();
}

bool createKey(std::string_view keyPath) {
  auto segments = detail::splitKeyPath(keyPath);
  return segments && detail::makeKeyFolder(*segments).has_value();
}

bool deleteKey(std::string_view keyPath) {
  auto segments = detail::splitKeyPath(keyPath);
  if (!segments || segments->size() == 1) return false;  // predefined keys stay
  auto folder = detail::findKeyFolder(*segments);
  if (!folder) return false;
  std::error_code error;
  std::filesystem::remove_all(*folder, error);
  return !error;
}

std::optional<std::string> readValue(std::string_view keyPath, std::string_view valueName) {
  // The name first: splitting the key path on every read is what the cache spares.
  if (detail::namesEqual(valueName, kComputerNameValue) && isComputerNameKey(keyPath))
    return hostName();
  auto values = detail::cachedKeyValues(keyPath);
  if (!values) return std::nullopt;
  auto it = findValue(*values, valueName);
  if (it == values->end()) return std::nullopt;
  return it->data;
}

bool writeValue(std::string_view keyPath, std::string_view valueName, std::string_view value) {
  return storeValue(keyPath, valueName, value).empty();
}

std::string storeValue(std::string_view keyPath, std::string_view valueName, std::string_view value) {
  std::string key(keyPath);
  if (isComputerNameKey(keyPath) && detail::namesEqual(valueName, kComputerNameValue))
    return "the host name in " + key + " is not stored in the registry";
  auto segments = detail::splitKeyPath(keyPath);
  if (!segments) return "the key path " + key + " is not valid";
  // A predefined key's folder is made on its first write; any other key must
  // have been created before.
  auto folder = segments->size() == 1 ? detail::makeKeyFolder(*segments)
                                      : detail::findKeyFolder(*segments);
  if (!folder) return "the key " + key + " does not exist";
  auto outcome = detail::updateValues(*folder, [&](std::vector<NamedValue>& values) {
    auto it = findValue(values, valueName);
    if (it == values.end())
      values.push_back({std::string(valueName), std::string(value)});
    else
      it->data = value;  // the name keeps the case it was created with
    return true;
  });
  int failure = errno;  // of the step that failed, when one did
  std::string file = (*folder / detail::kValueFileName).string();
  switch (outcome) {
    case detail::UpdateOutcome::Stored: return {};
    case detail::UpdateOutcome::Unreadable:
      return file + " is damaged or cannot be read; it was left as it is";
    case detail::UpdateOutcome::NotLocked:
    case detail::UpdateOutcome::WriteFailed:
    case detail::UpdateOutcome::Declined: break;
  }
  return file + " cannot be written: " + std::strerror(failure);
}

bool deleteValue(std::string_view keyPath, std::string_view valueName) {
  auto folder = existingKey(keyPath);
  if (!folder) return false;
  return detail::updateValues(*folder, [&](std::vector<NamedValue>& values) {
    auto it = findValue(values, valueName);
    if (it == values.end()) return false;
    values.erase(it);
    return true;
  }) == detail::UpdateOutcome::Stored;
}

std::vector<std::string> valueNames(std::string_view keyPath) {
  std::vector<std::string> names;
  if (auto folder = existingKey(keyPath))
    if (auto values = detail::loadValues(*folder))
      for (NamedValue& value : *values) names.push_back(std::move(value.name));
  if (isComputerNameKey(keyPath) &&
      std::none_of(names.begin(), names.end(),
                   [](const std::string& name) { return detail::namesEqual(name, kComputerNameValue); }))
    names.emplace_back(kComputerNameValue);
  return names;
}

std::vector<std::string> subkeyNames(std::string_view keyPath) {
  std::vector<std::string> names;
  auto folder = existingKey(keyPath);
  if (!folder) return names;
  std::error_code error;
  std::filesystem::directory_iterator it(*folder, error), end;
  for (; !error && it != end; it.increment(error))
    if (it->is_directory(error)) names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace corvela::registry
