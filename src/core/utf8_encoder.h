// The "UTF8.Encoder" component (Encode: text -> byte array of its UTF-8
// bytes) that the engine once found installed beside it, built in here, and
// Utf8Bytes, which reaches it by ProgID as the engine always did (so a
// replacement registered under that ProgID takes its place).
#pragma once

#include <string_view>

#include "platform/automation/dispatch_table.h"

namespace corvela::core {

class Utf8Encoder : public DispatchObject<Utf8Encoder> {
 public:
  static constexpr std::string_view kClassName = "Encoder";
  static const DispatchTable<Utf8Encoder>& dispatchTable();

  // The UTF-8 bytes of the text, as a Byte() array with lower bound 0.
  Variant Encode(std::string_view text) const;
};

inline constexpr std::string_view kUtf8EncoderProgId = "UTF8.Encoder";

// The byte array that the "UTF8.Encoder" component's Encode gives for the
// text; the factory's 429 when no such component can be created.
Variant Utf8Bytes(std::string_view text);

}  // namespace corvela::core
