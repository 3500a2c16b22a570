// Test fixtures that give every test its own registry root, data folder and
// site folder, so tests run in parallel and leave nothing behind.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace corvela::testing {

// A fresh folder removed again when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object and restores
// the previous value afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value);
  ~ScopedEnv();

 private:
  std::string name_;
  std::string old_;
  bool hadOld_;
};

// Fixture with its own CORVELA_REGISTRY and CORVELA_DATA folders.
class IsolatedTest : public ::testing::Test {
 protected:
  IsolatedTest();
  TempDir root_;
  ScopedEnv registry_;
  ScopedEnv data_;
  std::filesystem::path registryDir() const { return root_.path() / "registry"; }
  std::filesystem::path dataDir() const { return root_.path() / "data"; }
};

// The build folder (for finding built programs), from CORVELA_BUILD_DIR.
std::filesystem::path buildDir();

}  // namespace corvela::testing
