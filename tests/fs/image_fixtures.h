// Builders of the smallest headers of each picture format, so tests make
// their images in memory or in a temp folder instead of keeping binaries.
#pragma once

#include <cstdint>
#include <string>

namespace corvela::testing::images {

inline std::string le16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
inline std::string le32(uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }
inline std::string be16(uint32_t v) { return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)}; }
inline std::string be32(uint32_t v) { return be16(v >> 16) + be16(v & 0xFFFF); }
inline std::string zeros(size_t n) { return std::string(n, '\0'); }

// File header + BITMAPINFOHEADER, or the 12-byte core header.
inline std::string bmp(int32_t width, int32_t height, bool coreHeader = false) {
  std::string out = "BM" + le32(0) + le32(0) + le32(54);
  if (coreHeader) return out + le32(12) + le16(width) + le16(height) + le16(1) + le16(24);
  return out + le32(40) + le32(width) + le32(height) + le16(1) + le16(24) + zeros(24);
}

inline std::string gif(uint32_t width, uint32_t height, const char* version = "GIF89a") {
  return version + le16(width) + le16(height) + zeros(3);
}

inline std::string png(uint32_t width, uint32_t height) {
  return std::string("\x89PNG\r\n\x1A\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) + "\x08\x02" + zeros(7);
}

inline std::string jpegSegment(uint8_t marker, const std::string& body) {
  return "\xFF" + std::string(1, static_cast<char>(marker)) + be16(static_cast<uint32_t>(body.size() + 2)) + body;
}

// SOI, a JFIF APP0 (so the frame starts at offset 20), an optional APP1 of
// `appBytes`, the frame, a scan and EOI.
inline std::string jpeg(uint32_t width, uint32_t height, uint8_t frameMarker = 0xC0, size_t appBytes = 0) {
  std::string out = "\xFF\xD8" + jpegSegment(0xE0, std::string("JFIF\0\x01\x01", 7) + zeros(7));
  if (appBytes) out += jpegSegment(0xE1, std::string(appBytes, 'x'));
  out += jpegSegment(frameMarker, "\x08" + be16(height) + be16(width) + "\x01\x01\x11" + zeros(1));
  return out + jpegSegment(0xDA, "\x01\x01" + zeros(2) + "\x3F" + zeros(1)) + "\xFF\xD9";
}

// ICONDIR, one entry and its 8 image bytes (type 1 icon, 2 cursor).
inline std::string icon(uint8_t width, uint8_t height, uint16_t type = 1) {
  return le16(0) + le16(type) + le16(1) + std::string{static_cast<char>(width), static_cast<char>(height)} +
         zeros(2) + le16(1) + le16(32) + le32(8) + le32(22) + std::string(8, 'U');
}

// A placeable metafile header and the start of the metafile after it.
inline std::string wmf(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t inch) {
  return le32(0x9AC6CDD7) + le16(0) + le16(left) + le16(top) + le16(right) + le16(bottom) + le16(inch) + zeros(6) +
         "\x01" + zeros(1) + "\x09" + zeros(3);
}

// An ENHMETAHEADER with its frame in 0.01 mm.
inline std::string emf(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return le32(1) + le32(88) + zeros(16) + le32(left) + le32(top) + le32(right) + le32(bottom) + " EMF" + zeros(44);
}

}  // namespace corvela::testing::images
