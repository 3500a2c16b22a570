// Every input kept from fuzzing compiles (or fails to compile with a compile
// error) without crashing; a compile error must carry a number and position.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/vbscript/script_engine.h"

namespace fs = std::filesystem;

TEST(FuzzReplay, EveryKeptInputCompilesOrReportsACompileError) {
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(FUZZ_CORPUS_DIR)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    corvela::vbs::ScriptError error;
    auto program = corvela::vbs::ScriptEngine::compile(bytes.str(), error);
    if (!program) {
      EXPECT_NE(0, error.number) << entry.path();
      EXPECT_GE(error.line, 1) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0u) << "no inputs under " << FUZZ_CORPUS_DIR;
}
