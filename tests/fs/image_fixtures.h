// Builders of the smallest headers of each picture format, so tests make
// their images in memory or in a temp folder instead of keeping binaries.
#pragma once

#include <cstdint>
#include <string>

namespace corvela::testing::images {

inline void putLe16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
inline void putLe32(std::string& out, uint32_t v) {
  putLe16(out, v & 0xFFFF);
  putLe16(out, v >> 16);
}
inline void putBe16(std::string& out, uint32_t v) {
  out += static_cast<char>((v >> 8) & 0xFF);
  out += static_cast<char>(v & 0xFF);
}
inline void putBe32(std::string& out, uint32_t v) {
  putBe16(out, v >> 16);
  putBe16(out, v & 0xFFFF);
}

// BITMAPFILEHEADER + BITMAPINFOHEADER (or the 12-byte core header).
inline std::string bmp(int32_t width, int32_t height, bool coreHeader = false) {
  std::string out = "BM";
  putLe32(out, 0);   // file size (not checked)
  putLe32(out, 0);   // reserved
  putLe32(out, 54);  // pixel data offset
  if (coreHeader) {
    putLe32(out, 12);
    putLe16(out, static_cast<uint32_t>(width));
    putLe16(out, static_cast<uint32_t>(height));
    putLe16(out, 1);
    putLe16(out, 24);
    return out;
  }
  putLe32(out, 40);
  putLe32(out, static_cast<uint32_t>(width));
  putLe32(out, static_cast<uint32_t>(height));
  putLe16(out, 1);
  putLe16(out, 24);
  out.append(24, '\0');
  return out;
}

inline std::string gif(uint32_t width, uint32_t height, const char* version = "GIF89a") {
  std::string out = version;
  putLe16(out, width);
  putLe16(out, height);
  out += "\x80\x00\x00";
  return out;
}

inline std::string png(uint32_t width, uint32_t height) {
  std::string out("\x89PNG\r\n\x1A\n", 8);
  putBe32(out, 13);
  out += "IHDR";
  putBe32(out, width);
  putBe32(out, height);
  out += std::string("\x08\x02\x00\x00\x00", 5);
  putBe32(out, 0);  // CRC (not checked)
  return out;
}

inline std::string jpegSegment(uint8_t marker, const std::string& body) {
  std::string out = "\xFF";
  out += static_cast<char>(marker);
  putBe16(out, static_cast<uint32_t>(body.size() + 2));
  return out + body;
}

// SOI, a JFIF APP0, an optional padding APP1 of `appBytes`, then the frame.
inline std::string jpeg(uint32_t width, uint32_t height, uint8_t frameMarker = 0xC0, size_t appBytes = 0) {
  std::string out("\xFF\xD8", 2);
  out += jpegSegment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));
  if (appBytes) out += jpegSegment(0xE1, std::string(appBytes, 'x'));
  std::string frame("\x08", 1);
  putBe16(frame, height);
  putBe16(frame, width);
  frame += std::string("\x01\x01\x11\x00", 4);
  out += jpegSegment(frameMarker, frame);
  out += jpegSegment(0xDA, std::string("\x01\x01\x00\x00\x3F\x00", 6));
  return out + "\xFF\xD9";
}

// ICONDIR, one entry and its image bytes (type 1 icon, 2 cursor).
inline std::string icon(uint8_t width, uint8_t height, uint16_t type = 1) {
  std::string out;
  putLe16(out, 0);
  putLe16(out, type);
  putLe16(out, 1);
  out += static_cast<char>(width);
  out += static_cast<char>(height);
  out += std::string("\0\0\x01\0\x20\0", 6);
  putLe32(out, 8);   // bytes of the image
  putLe32(out, 22);  // where they start
  return out + std::string(8, '\x55');
}

// A placeable metafile header and the start of the metafile after it.
inline std::string wmf(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch) {
  std::string out;
  putLe32(out, 0x9AC6CDD7);
  putLe16(out, 0);
  putLe16(out, static_cast<uint16_t>(left));
  putLe16(out, static_cast<uint16_t>(top));
  putLe16(out, static_cast<uint16_t>(right));
  putLe16(out, static_cast<uint16_t>(bottom));
  putLe16(out, inch);
  putLe32(out, 0);
  putLe16(out, 0);  // checksum
  return out + std::string("\x01\x00\x09\x00\x00\x03", 6);
}

// An ENHMETAHEADER with its frame in 0.01 mm.
inline std::string emf(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  std::string out;
  putLe32(out, 1);
  putLe32(out, 88);
  for (int i = 0; i < 4; ++i) putLe32(out, 0);  // bounds
  putLe32(out, static_cast<uint32_t>(left));
  putLe32(out, static_cast<uint32_t>(top));
  putLe32(out, static_cast<uint32_t>(right));
  putLe32(out, static_cast<uint32_t>(bottom));
  out += " EMF";
  return out + std::string(44, '\0');
}

}  // namespace corvela::testing::images
