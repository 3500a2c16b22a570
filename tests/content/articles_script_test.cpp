// articles_script.vbs run by `corvela run` on a fresh installation: articles,
// properties, related articles, lists and a magazine as a script reaches them
// through CreateObject, For Each and the errors it traps. Its output must
// equal articles_script.out.
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

class ArticlesScript : public IsolatedTest {};

TEST_F(ArticlesScript, OutputMatches) {
  // The compiler names this file relative to the build folder.
  std::filesystem::path source(__FILE__);
  if (source.is_relative()) source = buildDir() / source;
  const std::filesystem::path here = source.parent_path();
  const std::string program = "'" + (buildDir() / "bin" / "corvela").string() + "'";
  const std::filesystem::path out = root_.path() / "stdout", err = root_.path() / "stderr";
  ASSERT_EQ(std::system((program + " init >/dev/null").c_str()), 0);
  int status = std::system((program + " run '" + (here / "articles_script.vbs").string() + "' >'" + out.string() +
                            "' 2>'" + err.string() + "' </dev/null")
                               .c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << readAll(err);
  EXPECT_EQ(readAll(err), "");
  EXPECT_EQ(readAll(out), readAll(here / "articles_script.out"));
}

}  // namespace
}  // namespace corvela::testing
