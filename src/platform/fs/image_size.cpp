// Picture sizes from file headers (see image_size.h). Each format has one
// small reader that asks the byte source for fixed-size pieces; the source
// refuses any piece that is not wholly inside the data, which is the only
// bounds check the readers rely on.
#include "platform/fs/image_size.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string>
#include <sys/stat.h>

#include "platform/automation/com_error.h"
#include "platform/fs/path_text.h"

namespace corvela::fs {
namespace {

// Bytes of an image, in memory or in an open file. Reads from a file go
// through one cached block, so a marker-by-marker walk costs few calls.
class ByteSource {
 public:
  explicit ByteSource(std::string_view bytes) : bytes_(bytes), size_(bytes.size()) {}
  ByteSource(int fd, uint64_t size) : fd_(fd), size_(size) {}

  uint64_t size() const { return size_; }

  // Copies `count` bytes at `offset` into `out`; false when they are not
  // all there.
  bool read(uint64_t offset, size_t count, uint8_t* out) {
    if (offset > size_ || count > size_ - offset) return false;
    if (fd_ < 0) {
      std::memcpy(out, bytes_.data() + offset, count);
      return true;
    }
    while (count > 0) {
      if (offset < blockStart_ || offset >= blockStart_ + blockLength_) {
        if (!fillBlock(offset)) return false;
      }
      size_t inBlock = static_cast<size_t>(offset - blockStart_);
      size_t piece = std::min(count, blockLength_ - inBlock);
      std::memcpy(out, block_.data() + inBlock, piece);
      out += piece;
      offset += piece;
      count -= piece;
    }
    return true;
  }

 private:
  bool fillBlock(uint64_t offset) {
    ssize_t got;
    do {
      got = ::pread(fd_, block_.data(), block_.size(), static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return false;
    blockStart_ = offset;
    blockLength_ = static_cast<size_t>(got);
    return true;
  }

  std::string_view bytes_;
  int fd_ = -1;
  uint64_t size_;
  std::array<uint8_t, 8192> block_{};
  uint64_t blockStart_ = 0;
  size_t blockLength_ = 0;
};

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
uint32_t be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         static_cast<uint32_t>(p[3]);
}

std::optional<ImageSize> sized(ImageFormat format, int64_t width, int64_t height, int32_t unitsPerInch = 96) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  if (width <= 0 || height <= 0 || width > kMax || height > kMax) return std::nullopt;
  return ImageSize{format, static_cast<int32_t>(width), static_cast<int32_t>(height), unitsPerInch};
}

// BITMAPFILEHEADER (14 bytes) then either a BITMAPCOREHEADER (12 bytes,
// 16-bit sizes) or a BITMAPINFOHEADER or later (32-bit sizes; a negative
// height marks a top-down bitmap).
std::optional<ImageSize> bmpSize(ByteSource& src) {
  uint8_t h[26];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  uint32_t headerSize = le32(h + 14);
  if (headerSize == 12) return sized(ImageFormat::Bmp, le16(h + 18), le16(h + 20));
  if (headerSize < 40) return std::nullopt;
  int64_t width = static_cast<int32_t>(le32(h + 18));
  int64_t height = static_cast<int32_t>(le32(h + 22));
  return sized(ImageFormat::Bmp, width, height < 0 ? -height : height);
}

// The logical screen descriptor right after "GIF87a" / "GIF89a".
std::optional<ImageSize> gifSize(ByteSource& src) {
  uint8_t h[10];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  return sized(ImageFormat::Gif, le16(h + 6), le16(h + 8));
}

// The IHDR chunk, which must come first.
std::optional<ImageSize> pngSize(ByteSource& src) {
  uint8_t h[24];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  if (be32(h + 8) != 13 || std::memcmp(h + 12, "IHDR", 4) != 0) return std::nullopt;
  return sized(ImageFormat::Png, be32(h + 16), be32(h + 20));
}

// Frame headers the common decoders read: baseline, extended sequential and
// progressive Huffman (SOF0..SOF2). Lossless, hierarchical and arithmetic
// frames count as damaged pictures.
bool isDecodableFrame(uint8_t marker) { return marker >= 0xC0 && marker <= 0xC2; }
bool isOtherFrame(uint8_t marker) {
  return marker == 0xC3 || (marker >= 0xC5 && marker <= 0xC7) || (marker >= 0xC9 && marker <= 0xCB) ||
         (marker >= 0xCD && marker <= 0xCF);
}

// Walks the marker segments after SOI up to the first frame header. Fill
// bytes (0xFF runs) are skipped; RSTn and TEM stand alone; every other
// segment carries a length of at least 2. Start of scan or end of image
// before a frame header means there is no size to read.
std::optional<ImageSize> jpegSize(ByteSource& src) {
  uint64_t pos = 2;
  uint8_t b[1];
  while (pos < kJpegScanLimit) {
    if (!src.read(pos, 1, b) || b[0] != 0xFF) return std::nullopt;
    while (b[0] == 0xFF) {
      if (++pos >= kJpegScanLimit || !src.read(pos, 1, b)) return std::nullopt;
    }
    uint8_t marker = b[0];
    ++pos;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
    if (marker == 0xDA || marker == 0xD9 || marker == 0xD8 || marker == 0x00) return std::nullopt;
    uint8_t seg[7];
    if (!src.read(pos, 2, seg)) return std::nullopt;
    uint16_t length = be16(seg);
    if (length < 2) return std::nullopt;
    if (isOtherFrame(marker)) return std::nullopt;
    if (isDecodableFrame(marker)) {
      // length(2) precision(1) height(2) width(2)
      if (length < 8 || !src.read(pos, sizeof seg, seg)) return std::nullopt;
      return sized(ImageFormat::Jpeg, be16(seg + 5), be16(seg + 3));
    }
    pos += length;
  }
  return std::nullopt;
}

// ICONDIR (6 bytes) and the first ICONDIRENTRY (16 bytes); a width or
// height byte of 0 means 256. The first image's data must lie inside the
// file after the directory, or the icon could not be built from it.
std::optional<ImageSize> iconSize(ByteSource& src, ImageFormat format) {
  uint8_t h[22];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  uint16_t count = le16(h + 4);
  if (count == 0) return std::nullopt;
  uint32_t bytes = le32(h + 14);
  uint32_t offset = le32(h + 18);
  uint64_t directoryEnd = 6 + 16 * static_cast<uint64_t>(count);
  if (bytes == 0 || offset < directoryEnd || static_cast<uint64_t>(offset) + bytes > src.size()) return std::nullopt;
  return sized(format, h[6] ? h[6] : 256, h[7] ? h[7] : 256);
}

// The placeable ("Aldus") header: key, handle, bounding box in logical
// units (left, top, right, bottom as signed 16-bit) and units per inch.
std::optional<ImageSize> wmfSize(ByteSource& src) {
  uint8_t h[22];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  int32_t left = static_cast<int16_t>(le16(h + 6));
  int32_t top = static_cast<int16_t>(le16(h + 8));
  int32_t right = static_cast<int16_t>(le16(h + 10));
  int32_t bottom = static_cast<int16_t>(le16(h + 12));
  uint16_t inch = le16(h + 14);
  if (inch == 0) return std::nullopt;
  return sized(ImageFormat::Wmf, right - left, bottom - top, inch);
}

// ENHMETAHEADER: record type 1, then rclBounds (device pixels) and rclFrame
// (0.01 mm, inclusive), and the " EMF" signature at offset 40.
std::optional<ImageSize> emfSize(ByteSource& src) {
  uint8_t h[44];
  if (!src.read(0, sizeof h, h)) return std::nullopt;
  if (le32(h) != 1 || std::memcmp(h + 40, " EMF", 4) != 0) return std::nullopt;
  int64_t left = static_cast<int32_t>(le32(h + 24));
  int64_t top = static_cast<int32_t>(le32(h + 28));
  int64_t right = static_cast<int32_t>(le32(h + 32));
  int64_t bottom = static_cast<int32_t>(le32(h + 36));
  return sized(ImageFormat::Emf, right - left, bottom - top, 2540);
}

std::optional<ImageSize> sizeFrom(ByteSource& src) {
  uint8_t magic[8];
  if (!src.read(0, 4, magic)) return std::nullopt;
  if (magic[0] == 'B' && magic[1] == 'M') return bmpSize(src);
  if (std::memcmp(magic, "GIF8", 4) == 0) {
    if (!src.read(0, 6, magic) || (magic[4] != '7' && magic[4] != '9') || magic[5] != 'a') return std::nullopt;
    return gifSize(src);
  }
  if (magic[0] == 0xFF && magic[1] == 0xD8 && magic[2] == 0xFF) return jpegSize(src);
  if (src.read(0, 8, magic) && std::memcmp(magic, "\x89PNG\r\n\x1A\n", 8) == 0) return pngSize(src);
  if (magic[0] == 0 && magic[1] == 0 && magic[3] == 0 && (magic[2] == 1 || magic[2] == 2))
    return iconSize(src, magic[2] == 1 ? ImageFormat::Icon : ImageFormat::Cursor);
  if (le32(magic) == 0x9AC6CDD7) return wmfSize(src);
  if (le32(magic) == 1) return emfSize(src);
  return std::nullopt;
}

// Closes the descriptor however the reading ends.
class OpenFile {
 public:
  explicit OpenFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::optional<ImageSize> imageSizeOf(std::string_view bytes) {
  ByteSource src(bytes);
  return sizeFrom(src);
}

std::optional<ImageSize> readImageSize(std::string_view path) {
  std::string physical = physicalPath(path);
  struct stat st;
  if (::stat(physical.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) raiseRuntimeError(53);
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  OpenFile file(physical);
  if (file.fd() < 0) return std::nullopt;
  ByteSource src(file.fd(), static_cast<uint64_t>(st.st_size));
  return sizeFrom(src);
}

std::optional<int32_t> toHimetric(int32_t units, int32_t unitsPerInch) {
  if (unitsPerInch <= 0) return std::nullopt;
  int64_t product = static_cast<int64_t>(units) * 2540;
  int64_t half = unitsPerInch / 2;
  int64_t result = product >= 0 ? (product + half) / unitsPerInch : -((-product + half) / unitsPerInch);
  if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
    return std::nullopt;
  return static_cast<int32_t>(result);
}

}  // namespace corvela::fs
