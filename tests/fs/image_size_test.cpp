// Tests of reading picture sizes from headers, including truncated and
// hostile files.
#include <fstream>

#include <gtest/gtest.h>

#include "fs/image_fixtures.h"
#include "platform/automation/com_error.h"
#include "platform/fs/image_size.h"
#include "support/temp_env.h"

namespace corvela::fs {
namespace {

namespace img = corvela::testing::images;

std::string describe(const std::optional<ImageSize>& size) {
  static const char* const kNames[] = {"Bmp", "Gif", "Jpeg", "Png", "Icon", "Cursor", "Wmf", "Emf"};
  if (!size) return "none";
  return std::string(kNames[static_cast<int>(size->format)]) + " " + std::to_string(size->width) + "x" +
         std::to_string(size->height) + "/" + std::to_string(size->unitsPerInch);
}

struct SizeCase {
  std::string bytes;
  std::string expected;
  size_t needed;  // the shortest prefix that still gives the size
};

TEST(ImageSizeTest, ReadsEachFormatAndNoTruncationShorterThanItsHeader) {
  const SizeCase cases[] = {
      {img::bmp(640, 480), "Bmp 640x480/96", 26},          {img::bmp(3, -2), "Bmp 3x2/96", 26},
      {img::bmp(300, 200, true), "Bmp 300x200/96", 26},    {img::gif(16, 9), "Gif 16x9/96", 10},
      {img::gif(1, 65535, "GIF87a"), "Gif 1x65535/96", 10}, {img::png(800, 600), "Png 800x600/96", 24},
      {img::jpeg(1024, 768), "Jpeg 1024x768/96", 29},      {img::jpeg(7, 5, 0xC2), "Jpeg 7x5/96", 29},
      {img::icon(32, 16), "Icon 32x16/96", 30},            {img::icon(0, 0), "Icon 256x256/96", 30},
      {img::icon(48, 48, 2), "Cursor 48x48/96", 30}, {img::wmf(-100, 0, 1340, 720, 1440), "Wmf 1440x720/1440", 22},
      {img::emf(0, 0, 2117, 1058), "Emf 2117x1058/2540", 44},
  };
  for (const SizeCase& c : cases) {
    EXPECT_EQ(describe(imageSizeOf(c.bytes)), c.expected);
    for (size_t length = 0; length < c.bytes.size(); ++length)
      ASSERT_EQ(describe(imageSizeOf(std::string_view(c.bytes).substr(0, length))),
                length < c.needed ? "none" : c.expected)
          << c.expected << " cut to " << length << " bytes";
  }
}

TEST(ImageSizeTest, RefusesDamagedAndUnknownHeaders) {
  auto patched = [](std::string bytes, size_t at, char value) { return bytes.replace(at, 1, 1, value); };
  const std::pair<const char*, std::string> cases[] = {
      {"text", "hello, world"}, {"zero width bmp", img::bmp(0, 10)},
      {"32-byte bmp info header", patched(img::bmp(1, 1), 14, 32)}, {"gif88a", img::gif(10, 10, "GIF88a")},
      {"jpeg scan before any frame", patched(img::jpeg(5, 5), 21, '\xE2')},
      {"jpeg segment length 0", patched(img::jpeg(5, 5), 23, 0)}, {"lossless jpeg", img::jpeg(5, 5, 0xC3)},
      {"arithmetic jpeg", img::jpeg(5, 5, 0xC9)}, {"jpeg height from DNL", img::jpeg(5, 0)},
      {"png without IHDR first", patched(img::png(4, 4), 12, 'X')},
      {"png wider than a Long", img::png(0x80000000u, 1)}, {"icon with no images", patched(img::icon(16, 16), 4, 0)},
      {"icon data inside the directory", patched(img::icon(16, 16), 18, 2)},
      {"icon data past the end", patched(img::icon(16, 16), 14, 100)},
      {"wmf with 0 units per inch", img::wmf(0, 0, 10, 10, 0)}, {"wmf with reversed box", img::wmf(10, 0, 0, 10, 96)},
      {"emf without signature", patched(img::emf(0, 0, 10, 10), 40, 'X')},
      {"emf with empty frame", img::emf(5, 5, 5, 100)},
  };
  for (const auto& [what, bytes] : cases) EXPECT_EQ(describe(imageSizeOf(bytes)), "none") << what;
  // Fill bytes and a standalone RST0 before the frame are stepped over.
  EXPECT_EQ(describe(imageSizeOf(img::jpeg(33, 44).insert(20, "\xFF\xFF\xFF\xD0"))), "Jpeg 33x44/96");
}

TEST(ImageSizeTest, HimetricRoundsHalfAwayFromZeroAndRefusesOverflow) {
  const int32_t cases[][3] = {{100, 96, 2646}, {96, 96, 2540}, {3, 96, 79},  {-3, 96, -79},
                              {1000, 1440, 1764}, {1, 5080, 1}, {-1, 5080, -1}, {0, 96, 0}};
  for (auto [units, perInch, expected] : cases)
    EXPECT_EQ(toHimetric(units, perInch), std::optional<int32_t>(expected)) << units << "/" << perInch;
  EXPECT_EQ(toHimetric(2147483647, 96), std::nullopt);
  EXPECT_EQ(toHimetric(10, 0), std::nullopt);
}

TEST(ImageSizeTest, ReadsFilesThroughBlocksAndRaises53OnlyForMissingOnes) {
  corvela::testing::TempDir dir;
  auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    return (dir.path() / name).string();
  };
  // The APP1 segment pushes the frame header across several read blocks.
  EXPECT_EQ(describe(readImageSize(write("big.jpg", img::jpeg(123, 45, 0xC1, 30000)))), "Jpeg 123x45/96");
  write("a.gif", img::gif(2, 3));
  EXPECT_EQ(describe(readImageSize(dir.str() + "\\a.gif")), "Gif 2x3/96");
  EXPECT_EQ(readImageSize(dir.str()), std::nullopt);
  for (const std::string& missing : {dir.str() + "/none.gif", dir.str() + "/nodir/a.gif", std::string()}) {
    try {
      readImageSize(missing);
      ADD_FAILURE() << "no error for '" << missing << "'";
    } catch (const ComError& e) {
      EXPECT_EQ(e.number(), 53) << missing;
    }
  }
}

}  // namespace
}  // namespace corvela::fs
