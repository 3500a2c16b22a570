// Reading the mount table and choosing the drives (see mount_table.h).
#include "platform/scripting/mount_table.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fs/path_text.h"

namespace corvela::scripting {
namespace {

constexpr std::array<std::string_view, 22> kPseudoTypes = {
    "proc",     "sysfs",      "cgroup",    "cgroup2",     "devpts",   "devtmpfs",  "mqueue",   "securityfs",
    "debugfs",  "tracefs",    "pstore",    "bpf",         "configfs", "fusectl",   "hugetlbfs", "autofs",
    "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",      "selinuxfs", "squashfs",
};

constexpr std::array<std::string_view, 4> kRuntimeAreas = {"/proc", "/sys", "/dev", "/run"};

bool isPseudoType(std::string_view type) {
  return std::find(kPseudoTypes.begin(), kPseudoTypes.end(), type) != kPseudoTypes.end();
}

// True when `path` is `folder` or lies below it.
bool isAtOrBelow(std::string_view path, std::string_view folder) {
  if (folder == "/") return !path.empty() && path[0] == '/';
  return path.substr(0, folder.size()) == folder && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool isInRuntimeArea(std::string_view path) {
  return std::any_of(kRuntimeAreas.begin(), kRuntimeAreas.end(),
                     [&](std::string_view area) { return isAtOrBelow(path, area); });
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes space, tab, newline and backslash in a field as \ooo.
std::string unescapeField(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
        isOctal(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

std::vector<Mount> parseMountTable(std::string_view text) {
  std::vector<Mount> mounts;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string source, path, type;
    if (!(fields >> source >> path >> type) || path.empty() || path[0] != '/') continue;
    mounts.push_back({unescapeField(source), unescapeField(path), unescapeField(type)});
  }
  return mounts;
}

std::vector<Mount> drivesAmong(const std::vector<Mount>& mounts,
                               const std::function<bool(const std::string&)>& isFolder) {
  std::vector<Mount> drives;
  for (const Mount& mount : mounts) {
    // A later mount on the same folder hides the earlier one.
    std::erase_if(drives, [&](const Mount& d) { return d.path == mount.path; });
    bool root = mount.path == "/";
    if (!root && (isPseudoType(mount.type) || isInRuntimeArea(mount.path))) continue;
    if (!isFolder(mount.path)) continue;
    drives.push_back(mount);
  }
  std::sort(drives.begin(), drives.end(), [](const Mount& a, const Mount& b) { return a.path < b.path; });
  return drives;
}

std::vector<Mount> currentDrives() {
  std::ifstream file("/proc/self/mounts");
  std::stringstream text;
  text << file.rdbuf();
  return drivesAmong(parseMountTable(text.str()), [](const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(path, ignored);
  });
}

std::optional<Mount> driveHolding(const std::vector<Mount>& drives, std::string_view path) {
  const Mount* best = nullptr;
  for (const Mount& drive : drives)
    if (isAtOrBelow(path, drive.path) && (!best || drive.path.size() > best->path.size())) best = &drive;
  if (!best) return std::nullopt;
  return *best;
}

std::string mountPointNamed(std::string_view name) {
  std::string path = fs::physicalPath(name);
  if (path.empty() || path[0] != '/') return {};
  return fs::absolutePathOf(path);
}

}  // namespace corvela::scripting
