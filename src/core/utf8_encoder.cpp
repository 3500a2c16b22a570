// The built-in UTF-8 encoder component and Utf8Bytes.
//
// It once copied the string's bytes as they are, so a lone surrogate or a
// half unit of a script string (see utf8_units.h) reached files as bytes
// that are not UTF-8 at all. Each of those is encoded as U+FFFD, as a UTF-16
// to UTF-8 conversion does.
#include "core/utf8_encoder.h"

#include <vector>

#include "platform/automation/member_binding.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"

namespace corvela::core {

Variant Utf8Encoder::Encode(std::string_view text) const {
  std::string utf8 = text::repairUtf8(text::wholeUnits(text));
  if (text::hasHalfUnit(text)) text::appendCodePoint(utf8, text::kReplacementCharacter);
  return Variant::bytes(std::vector<uint8_t>(utf8.begin(), utf8.end()));
}

const DispatchTable<Utf8Encoder>& Utf8Encoder::dispatchTable() {
  static const DispatchTable<Utf8Encoder> table = Members<Utf8Encoder>()
      .method<&Utf8Encoder::Encode>("Encode")
      .build();
  return table;
}

Variant Utf8Bytes(std::string_view text) {
  Variant argument(text);
  return createObject(kUtf8EncoderProgId)->call("Encode", std::span<Variant>(&argument, 1));
}

}  // namespace corvela::core
