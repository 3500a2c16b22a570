// articles_script.vbs run by `corvela run` on a fresh installation: articles,
// properties, related articles, lists and a magazine as a script reaches them
// through CreateObject, For Each and the errors it traps. Its output must
// equal articles_script.out.
#include <gtest/gtest.h>

#include "support/cli_runner.h"
#include "support/temp_env.h"

namespace corvela::testing {
namespace {

class ArticlesScript : public IsolatedTest {};

TEST_F(ArticlesScript, OutputMatches) {
  expectScriptOutput(root_.path(), std::filesystem::path(TEST_SOURCE_DIR) / "articles_script");
}

}  // namespace
}  // namespace corvela::testing
