// Every body kept from fuzzing the parser and the upload object parses
// again without a crash, and every file kept holds FileSize bytes under a
// name without path parts.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_runner.h"
#include "support/temp_env.h"
#include "upload/upload.h"

namespace corvela::upload {
namespace {

namespace fs = std::filesystem;

TEST(UploadFuzzReplay, EveryKeptBodyParsesIntoSoundFiles) {
  corvela::testing::ScopedEnv codepage("CORVELA_CODEPAGE", "GBK");
  size_t count = 0;
  for (const auto& entry : fs::directory_iterator(UPLOAD_FUZZ_CORPUS)) {
    std::string body = corvela::testing::readFileText(entry.path());
    upload up(std::vector<uint8_t>(body.begin(), body.end()));
    EXPECT_EQ(up.TotalBytes(), static_cast<int32_t>(body.size()));
    for (int32_t i = 0; i < up.Files()->Count(); ++i) {
      auto file = up.Files()->at(static_cast<size_t>(i));
      EXPECT_EQ(file->FileContent().rawArray()->bytes.size(), static_cast<size_t>(file->FileSize().toLong()))
          << entry.path();
      std::string name = file->FileName().toString();
      EXPECT_FALSE(name.empty() || name.find_first_of("\\/") != std::string::npos) << entry.path();
    }
    ++count;
  }
  EXPECT_GT(count, 0u) << "no inputs under " << UPLOAD_FUZZ_CORPUS;
}

}  // namespace
}  // namespace corvela::upload
