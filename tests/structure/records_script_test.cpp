// records_script.vbs run by `corvela run` on a fresh installation: the
// schema, access entries, page, attachment and collection records as a
// script reaches them through CreateObject, For Each and by-reference
// arguments. Its output must equal records_script.out.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class RecordsScript : public IsolatedTest {};

TEST_F(RecordsScript, OutputMatches) {
  expectScriptOutput(root_.path(), std::filesystem::path(TEST_SOURCE_DIR) / "records_script");
}

}  // namespace
}  // namespace corvela::testing
