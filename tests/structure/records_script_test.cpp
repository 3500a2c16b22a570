// records_script.vbs run by `corvela run` on a fresh installation: the
// schema, access entries, page, attachment and collection records as a
// script reaches them through CreateObject, For Each and by-reference
// arguments. Its output must equal records_script.out.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/temp_env.h"

namespace corvela::testing {
namespace {

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class RecordsScript : public IsolatedTest {};

TEST_F(RecordsScript, OutputMatches) {
  std::filesystem::path here = std::filesystem::path(TEST_SOURCE_DIR);
  std::string program = (buildDir() / "bin" / "corvela").string();
  std::string out = (root_.path() / "stdout").string(), err = (root_.path() / "stderr").string();
  std::string command = "'" + program + "' init >/dev/null && '" + program + "' run '" +
                        (here / "records_script.vbs").string() + "' >'" + out + "' 2>'" + err + "' </dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << slurp(err);
  EXPECT_EQ(slurp(out), slurp(here / "records_script.out"));
  EXPECT_EQ(slurp(err), "");
}

}  // namespace
}  // namespace corvela::testing
