// The scripts under scripts/ run through `corvela run` on a fresh
// installation made by `corvela init`; each NAME.vbs must print NAME.out
// and nothing on standard error.
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace corvela::testing {
namespace {

namespace stdfs = std::filesystem;

std::string slurp(const stdfs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SiteScript : public IsolatedTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(SiteScript, OutputMatches) {
  stdfs::path scripts = stdfs::path(SITEFILES_TEST_DIR) / "scripts";
  std::string program = "'" + (buildDir() / "bin" / "corvela").string() + "'";
  stdfs::path out = root_.path() / "stdout", err = root_.path() / "stderr";
  ASSERT_EQ(std::system((program + " init >/dev/null").c_str()), 0);
  std::string command = program + " run '" + (scripts / (GetParam() + ".vbs")).string() + "' >'" + out.string() +
                        "' 2>'" + err.string() + "' </dev/null";
  int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0);
  EXPECT_EQ(slurp(err), "");
  EXPECT_EQ(slurp(out), slurp(scripts / (GetParam() + ".out")));
}

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(stdfs::path(SITEFILES_TEST_DIR) / "scripts"))
    if (entry.path().extension() == ".vbs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Scripts, SiteScript, ::testing::ValuesIn(scriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace corvela::testing
