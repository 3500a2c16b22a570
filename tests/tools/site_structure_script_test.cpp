// site_structure.vbs builds a small tree, a schema and access entries through
// CreateObject under `corvela run` on a fresh installation; its output must
// equal site_structure.out.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace corvela::testing {
namespace {

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SiteStructureScript : public IsolatedTest {};

TEST_F(SiteStructureScript, OutputMatches) {
  const std::filesystem::path here = std::filesystem::path(__FILE__).parent_path();
  const std::string program = "'" + (buildDir() / "bin" / "corvela").string() + "'";
  const std::filesystem::path out = root_.path() / "stdout", err = root_.path() / "stderr";
  ASSERT_EQ(std::system((program + " init >/dev/null").c_str()), 0);
  int status = std::system((program + " run '" + (here / "site_structure.vbs").string() + "' >'" + out.string() +
                            "' 2>'" + err.string() + "'")
                               .c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << readAll(err);
  EXPECT_EQ(readAll(err), "");
  EXPECT_EQ(readAll(out), readAll(here / "site_structure.out"));
}

}  // namespace
}  // namespace corvela::testing
