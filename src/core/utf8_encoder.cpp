// The built-in UTF-8 encoder component and Utf8Bytes.
#include "core/utf8_encoder.h"

#include <vector>

#include "platform/automation/member_binding.h"

namespace corvela::core {

Variant Utf8Encoder::Encode(std::string_view text) const {
  return Variant::bytes(std::vector<uint8_t>(text.begin(), text.end()));
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
