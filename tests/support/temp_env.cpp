#include "support/temp_env.h"

#include <cstdlib>
#include <random>

namespace corvela::testing {

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("corvela-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
  const char* old = std::getenv(name);
  hadOld_ = old != nullptr;
  if (old) old_ = old;
  setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
  if (hadOld_)
    setenv(name_.c_str(), old_.c_str(), 1);
  else
    unsetenv(name_.c_str());
}

IsolatedTest::IsolatedTest()
    : registry_("CORVELA_REGISTRY", (root_.path() / "registry").string()),
      data_("CORVELA_DATA", (root_.path() / "data").string()) {
  std::filesystem::create_directories(registryDir());
  std::filesystem::create_directories(dataDir());
}

std::filesystem::path buildDir() {
  const char* dir = std::getenv("CORVELA_BUILD_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::current_path();
}

}  // namespace corvela::testing
