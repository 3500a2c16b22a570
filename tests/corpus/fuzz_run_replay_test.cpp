// Every input the run fuzzer kept (and the hostile scripts that seeded it)
// runs in a sealed, step-limited engine to its end or to an error with a
// number: never a crash, a hang or a sanitizer report.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "fuzz/sealed_run.h"

namespace fs = std::filesystem;

TEST(FuzzRunReplay, EveryKeptInputRunsToItsEndOrToAnError) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(FUZZ_RUN_CORPUS_DIR)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    corvela::vbs::ScriptError error;
    if (!corvela::fuzzing::runSealed(bytes.str(), error)) {
      EXPECT_NE(0, error.number) << entry.path();
      EXPECT_FALSE(error.description.empty()) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0u) << "no inputs under " << FUZZ_RUN_CORPUS_DIR;
}
