// site_structure.vbs builds a small tree, a schema and access entries through
// CreateObject under `corvela run` on a fresh installation; its output must
// equal site_structure.out.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class SiteStructureScript : public IsolatedTest {};

TEST_F(SiteStructureScript, OutputMatches) {
  expectScriptOutput(root_.path(), std::filesystem::path(TEST_SOURCE_DIR) / "site_structure");
}

}  // namespace
}  // namespace corvela::testing
