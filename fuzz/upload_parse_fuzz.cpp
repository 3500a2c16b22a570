// libFuzzer target for the multipart parser: any body must parse without a
// crash, every part must lie inside the body in order, and a file name cut
// from its client path must never keep a separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "upload/client_file_name.h"
#include "upload/multipart_parser.h"

namespace {

bool inside(std::string_view outer, std::string_view inner) {
  return inner.empty() || (inner.data() >= outer.data() && inner.data() + inner.size() <= outer.data() + outer.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvela::upload;
  std::string_view body(reinterpret_cast<const char*>(data), size);
  MultipartBody parsed = parseMultipart(body);
  const char* previousEnd = body.data();
  for (const MultipartPart& part : parsed.parts) {
    if (!inside(body, part.name) || !inside(body, part.fileName) || !inside(body, part.contentType) ||
        !inside(body, part.data))
      std::abort();
    if (part.data.data() < previousEnd) std::abort();
    previousEnd = part.data.data() + part.data.size();
    std::string_view name = withoutClientPath(part.fileName);
    if (name.find_first_of("\\/") != std::string_view::npos) std::abort();
    if (isSafeFileName(name) && (name == ".." || name.find('\0') != std::string_view::npos)) std::abort();
  }
  if (!parsed.hasLineBreak && !parsed.parts.empty()) std::abort();
  return 0;
}
