// libFuzzer target for the whole upload object: parse, decoding of names
// and values in a double-byte code page, the collections and the handing
// over of the body to the largest file. Every file kept must have as many
// bytes as its FileSize says and a name without path parts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "upload/upload.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("CORVELA_CODEPAGE", "GBK", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  corvela::upload::upload up(std::vector<uint8_t>(data, data + size));
  if (up.TotalBytes() != static_cast<int32_t>(size)) std::abort();
  auto files = up.Files();
  for (int32_t i = 0; i < files->Count(); ++i) {
    auto file = files->at(static_cast<size_t>(i));
    const corvela::Variant content = file->FileContent();
    if (!content.isArray() || content.rawArray()->bytes.size() != static_cast<size_t>(file->FileSize().toLong()))
      std::abort();
    std::string name = file->FileName().toString();
    if (name.empty() || name.find_first_of("\\/") != std::string::npos) std::abort();
  }
  for (int32_t i = 1; i <= up.Form()->Count(); ++i) up.Form()->Item(corvela::Variant(i))->value().toString();
  return 0;
}
