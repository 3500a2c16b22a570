// Late-bound calls for the scripting tests, as a script would make them, a
// check of the run-time error that a call raises, and a fixture with a
// FileSystemObject over a temporary folder.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/automation/object.h"
#include "platform/scripting/file_system_object.h"
#include "support/runtime_errors.h"
#include "support/temp_env.h"

namespace corvela::scripting {

inline Variant call(const std::shared_ptr<Object>& object, std::string_view member, std::vector<Variant> args = {}) {
  return object->call(member, args);
}

inline Variant get(const std::shared_ptr<Object>& object, std::string_view member, std::vector<Variant> args = {}) {
  return object->get(member, args);
}

inline std::shared_ptr<Object> callObject(const std::shared_ptr<Object>& object, std::string_view member,
                                          std::vector<Variant> args = {}) {
  return call(object, member, std::move(args)).toObject();
}

using testing::errorNumberOf;

class FsoTest : public ::testing::Test {
 protected:
  std::string at(const std::string& name) const { return (dir_.path() / name).string(); }
  void make(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_.path() / name, std::ios::binary) << bytes;
  }
  std::string bytesOf(const std::string& name) const {
    std::ostringstream out;
    out << std::ifstream(dir_.path() / name, std::ios::binary).rdbuf();
    return out.str();
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(dir_.path() / name); }
  // Everything below `folder`, sorted, folders ending in "/": "a.txt sub/ sub/b.txt".
  std::string listing(const std::string& folder = "") const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path() / folder))
      names.push_back(std::filesystem::relative(entry.path(), dir_.path() / folder).string() +
                      (entry.is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : " ") + name;
    return out;
  }
  Variant fso(std::string_view member, std::vector<Variant> args = {}) { return call(fso_, member, std::move(args)); }

  corvela::testing::TempDir dir_;
  std::shared_ptr<Object> fso_ = std::make_shared<FileSystemObject>();
};

}  // namespace corvela::scripting
