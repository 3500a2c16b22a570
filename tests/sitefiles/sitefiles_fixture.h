// Fixture of the site-file tests: a private installation (core_fixture.h)
// with helpers to look at the site folder directly, beside the engine.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/core_fixture.h"
#include "platform/automation/com_error.h"
#include "support/cli_runner.h"

namespace corvela::testing {

class SiteFilesTest : public CoreTest {
 protected:
  std::string at(const std::string& uri) const { return siteDir() + uri; }
  void put(const std::string& uri, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(at(uri)).parent_path());
    std::ofstream(at(uri), std::ios::binary) << bytes;
  }
  static std::string bytesAt(const std::string& path) { return readFileText(path); }
  std::string got(const std::string& uri) const { return bytesAt(at(uri)); }
  bool exists(const std::string& uri) const { return std::filesystem::exists(at(uri)); }
  std::string rowCount(const std::string& filename) {
    return scalar("SELECT COUNT(*) FROM cms_fileattribute WHERE filename='" + filename + "'");
  }
  void addTask(const std::string& directory, const std::string& target) {
    static int id = 0;
    sql("INSERT INTO dep_task (id,directory,target,method,server,port,username,password,active,frequency) VALUES (" +
        std::to_string(++id + 1000) + ",'" + directory + "','" + target + "','NTFS',' ',21,' ',' ','N',1)");
  }
};

// Runs the action and checks the error it raises.
inline void expectError(const std::function<void()>& action, int number, const std::string& source,
                        const std::string& description) {
  EXPECT_EQ(raised(action), (Raised{number, source, description}));
}

inline constexpr const char* kInvalidUrlSource = "Lumisto Standard Edition";

}  // namespace corvela::testing
