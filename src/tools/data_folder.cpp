// Where `corvela init` puts the site, the temporary folder and the database.
#include "tools/data_folder.h"

#include <unistd.h>

#include <cstdlib>

namespace corvela::tools {
namespace {

const char* nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

}  // namespace

std::filesystem::path dataFolder() {
  if (const char* data = nonEmptyEnv("CORVELA_DATA")) return data;
  if (geteuid() == 0) return "/var/lib/corvela";
  if (const char* xdg = nonEmptyEnv("XDG_DATA_HOME")) return std::filesystem::path(xdg) / "corvela";
  const char* home = nonEmptyEnv("HOME");
  return std::filesystem::path(home ? home : ".") / ".local/share/corvela";
}

}  // namespace corvela::tools
