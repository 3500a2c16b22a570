// The size of a picture read from the headers of its file, without decoding
// any pixels: BMP, GIF, JPEG, PNG, icons and cursors (ICO/CUR), placeable
// Windows metafiles (WMF) and enhanced metafiles (EMF).
//
// Parsing is defensive: every read is checked against the end of the data,
// so a truncated or hostile file yields "not an image" and never a read out
// of bounds. A JPEG is walked marker by marker up to its frame header; the
// walk gives up after kJpegScanLimit bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvela::fs {

enum class ImageFormat { Bmp, Gif, Jpeg, Png, Icon, Cursor, Wmf, Emf };

struct ImageSize {
  ImageFormat format;
  // In units of 1/unitsPerInch inch: pixels for raster images and icons
  // (unitsPerInch 96, the screen resolution pictures are shown at), the
  // header's own logical units for a WMF, 0.01 mm for an EMF frame (2540).
  int32_t width = 0;
  int32_t height = 0;
  int32_t unitsPerInch = 96;
};

// How far into a JPEG the frame header is looked for (16 MiB).
inline constexpr uint64_t kJpegScanLimit = 16u << 20;

// The size of the image held in `bytes`; nullopt when they are not an image
// of a known format, are damaged, or describe an empty (0 x 0) picture.
std::optional<ImageSize> imageSizeOf(std::string_view bytes);

// The same for a file, reading only the headers. Raises 53 "File not found"
// when nothing is at the path (or a folder of it is missing); a file that
// cannot be read, or a folder, gives nullopt like an unknown format.
std::optional<ImageSize> readImageSize(std::string_view path);

// The size in HIMETRIC (0.01 mm), rounded half away from zero as Windows'
// MulDiv does; nullopt when it does not fit a Long.
std::optional<int32_t> toHimetric(int32_t units, int32_t unitsPerInch);

}  // namespace corvela::fs
