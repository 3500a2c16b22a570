// Fixture of the site-file tests: a private installation (core_fixture.h)
// with helpers to look at the site folder directly, beside the engine.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core_fixture.h"
#include "platform/automation/com_error.h"

namespace corvela::testing {

class SiteFilesTest : public CoreTest {
 protected:
  std::string at(const std::string& uri) const { return siteDir() + uri; }
  void put(const std::string& uri, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(at(uri)).parent_path());
    std::ofstream(at(uri), std::ios::binary) << bytes;
  }
  std::string bytesAt(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
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
  try {
    action();
    ADD_FAILURE() << "expected error " << number << " " << source << " " << description;
  } catch (const ComError& error) {
    EXPECT_EQ(error.number(), number) << error.description();
    EXPECT_EQ(error.source(), source);
    EXPECT_EQ(error.description(), description);
  }
}

inline constexpr const char* kInvalidUrlSource = "Lumisto Standard Edition";

}  // namespace corvela::testing
