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

const char* formatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::Bmp: return "Bmp";
    case ImageFormat::Gif: return "Gif";
    case ImageFormat::Jpeg: return "Jpeg";
    case ImageFormat::Png: return "Png";
    case ImageFormat::Icon: return "Icon";
    case ImageFormat::Cursor: return "Cursor";
    case ImageFormat::Wmf: return "Wmf";
    case ImageFormat::Emf: return "Emf";
  }
  return "?";
}

std::string describe(const std::optional<ImageSize>& size) {
  if (!size) return "none";
  return std::string(formatName(size->format)) + " " + std::to_string(size->width) + "x" +
         std::to_string(size->height) + "/" + std::to_string(size->unitsPerInch);
}

struct SizeCase {
  const char* what;
  std::string bytes;
  std::string expected;
  size_t needed;  // the shortest prefix that still gives the size
};

std::vector<SizeCase> validCases() {
  return {
      {"bmp", img::bmp(640, 480), "Bmp 640x480/96", 26},
      {"top-down bmp", img::bmp(3, -2), "Bmp 3x2/96", 26},
      {"core bmp", img::bmp(300, 200, true), "Bmp 300x200/96", 26},
      {"gif89a", img::gif(16, 9), "Gif 16x9/96", 10},
      {"gif87a", img::gif(1, 65535, "GIF87a"), "Gif 1x65535/96", 10},
      {"png", img::png(800, 600), "Png 800x600/96", 24},
      {"jpeg", img::jpeg(1024, 768), "Jpeg 1024x768/96", 29},
      {"progressive jpeg", img::jpeg(7, 5, 0xC2), "Jpeg 7x5/96", 29},
      {"icon", img::icon(32, 16), "Icon 32x16/96", 30},
      {"256 icon", img::icon(0, 0), "Icon 256x256/96", 30},
      {"cursor", img::icon(48, 48, 2), "Cursor 48x48/96", 30},
      {"wmf", img::wmf(-100, 0, 1340, 720, 1440), "Wmf 1440x720/1440", 22},
      {"emf", img::emf(0, 0, 2117, 1058), "Emf 2117x1058/2540", 44},
  };
}

TEST(ImageSizeTest, ReadsTheSizeOfEachFormat) {
  for (const SizeCase& c : validCases()) EXPECT_EQ(describe(imageSizeOf(c.bytes)), c.expected) << c.what;
}

TEST(ImageSizeTest, EveryTruncationShorterThanTheHeaderIsNotAnImage) {
  for (const SizeCase& c : validCases()) {
    for (size_t length = 0; length < c.bytes.size(); ++length) {
      std::string expected = length < c.needed ? "none" : c.expected;
      ASSERT_EQ(describe(imageSizeOf(std::string_view(c.bytes).substr(0, length))), expected)
          << c.what << " cut to " << length << " bytes";
    }
  }
}

TEST(ImageSizeTest, RefusesDamagedAndUnknownHeaders) {
  std::string noFrame = img::jpeg(5, 5);
  noFrame[20 + 1] = static_cast<char>(0xE2);  // the frame becomes an APP2 segment
  std::string zeroLength = img::jpeg(5, 5);
  zeroLength[20 + 3] = 0;  // SOF length 0 would never advance
  std::string badIconOffset = img::icon(16, 16);
  badIconOffset[18] = 2;  // image data before the directory ends
  std::string iconPastEnd = img::icon(16, 16);
  iconPastEnd[14] = 100;  // more image bytes than the file holds
  std::string badPngChunk = img::png(4, 4);
  badPngChunk[12] = 'X';
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"text", "hello, world"},
      {"zero width bmp", img::bmp(0, 10)},
      {"small bmp header", img::bmp(1, 1).replace(14, 1, "\x20")},
      {"zero height gif", img::gif(10, 0)},
      {"gif88a", img::gif(10, 10, "GIF88a")},
      {"jpeg scan before frame", noFrame},
      {"jpeg segment length 0", zeroLength},
      {"lossless jpeg", img::jpeg(5, 5, 0xC3)},
      {"arithmetic jpeg", img::jpeg(5, 5, 0xC9)},
      {"jpeg height from DNL", img::jpeg(5, 0)},
      {"png without IHDR first", badPngChunk},
      {"png wider than a Long", img::png(0x80000000u, 1)},
      {"icon with no images", img::icon(16, 16).replace(4, 1, std::string(1, '\0'))},
      {"icon data inside directory", badIconOffset},
      {"icon data past the end", iconPastEnd},
      {"wmf with zero units per inch", img::wmf(0, 0, 10, 10, 0)},
      {"wmf with reversed box", img::wmf(10, 0, 0, 10, 96)},
      {"emf without signature", img::emf(0, 0, 10, 10).replace(40, 4, "XEMF")},
      {"emf with empty frame", img::emf(5, 5, 5, 100)},
  };
  for (const auto& [what, bytes] : cases) EXPECT_EQ(describe(imageSizeOf(bytes)), "none") << what;
}

TEST(ImageSizeTest, JpegWalkSkipsFillBytesAndStandaloneMarkers) {
  std::string bytes = img::jpeg(33, 44);
  // Fill bytes before the frame marker and a RST0 marker between segments.
  bytes.insert(20, "\xFF\xFF\xFF\xD0");
  EXPECT_EQ(describe(imageSizeOf(bytes)), "Jpeg 33x44/96");
}

TEST(ImageSizeTest, HimetricRoundsHalfAwayFromZero) {
  struct Case {
    int32_t units, perInch, expected;
  };
  const Case cases[] = {
      {100, 96, 2646},  // 2645.83
      {96, 96, 2540},   {1, 96, 26},      {3, 96, 79},   // 79.375
      {-3, 96, -79},    {0, 96, 0},       {1000, 1440, 1764},
      {1, 5080, 1},     {-1, 5080, -1},   // exactly one half
      {2117, 2540, 2117},
  };
  for (const Case& c : cases)
    EXPECT_EQ(toHimetric(c.units, c.perInch), std::optional<int32_t>(c.expected)) << c.units << "/" << c.perInch;
  EXPECT_EQ(toHimetric(2147483647, 96), std::nullopt);
  EXPECT_EQ(toHimetric(10, 0), std::nullopt);
}

class ImageFileTest : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) {
    std::string path = (dir_.path() / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  corvela::testing::TempDir dir_;
};

TEST_F(ImageFileTest, ReadsAFrameFarBeyondTheFirstBlock) {
  // The APP1 segment pushes the frame header across several read blocks.
  std::string path = write("big.jpg", img::jpeg(123, 45, 0xC1, 30000));
  EXPECT_EQ(describe(readImageSize(path)), "Jpeg 123x45/96");
}

TEST_F(ImageFileTest, MissingFilesRaise53AndFoldersAreNoImage) {
  write("a.gif", img::gif(2, 3));
  EXPECT_EQ(describe(readImageSize(dir_.str() + "\\a.gif")), "Gif 2x3/96");
  for (const std::string& missing : {dir_.str() + "/none.gif", dir_.str() + "/nodir/a.gif", std::string()}) {
    try {
      readImageSize(missing);
      ADD_FAILURE() << "no error for '" << missing << "'";
    } catch (const ComError& e) {
      EXPECT_EQ(e.number(), 53) << missing;
    }
  }
  EXPECT_EQ(readImageSize(dir_.str()), std::nullopt);
}

}  // namespace
}  // namespace corvela::fs
