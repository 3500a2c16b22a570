// The scripts under scripts/ run through `corvela run` on a fresh
// installation made by `corvela init`; each NAME.vbs must print NAME.out
// and nothing on standard error.
#include <algorithm>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

const std::filesystem::path kScripts = std::filesystem::path(TEST_SOURCE_DIR) / "scripts";

class SiteScript : public IsolatedTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(SiteScript, OutputMatches) { expectScriptOutput(root_.path(), kScripts / GetParam()); }

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kScripts))
    if (entry.path().extension() == ".vbs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Scripts, SiteScript, ::testing::ValuesIn(scriptNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace corvela::testing
