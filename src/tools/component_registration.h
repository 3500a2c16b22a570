// The libraries shipped beside the engine that programs reach by ProgID
// alone (they link none of them): `corvela init` registers each library
// found under HKEY_CLASSES_ROOT\<ProgID>, value InprocServer = its path, so
// the ProgID factory loads it on the first CreateObject. It also creates
// the upload library's settings key with its size limit.
#pragma once

#include <cstdint>
#include <optional>

namespace corvela::tools {

// Registers every shipped library found in $CORVELA_LIB_DIR, the program's
// folder or ../lib beside it, printing one line per ProgID; a library not
// found is reported and skipped. `uploadLimit` replaces the stored upload
// size limit; without it an existing limit is kept. False when a registry
// key cannot be created.
bool registerComponents(std::optional<int64_t> uploadLimit);

}  // namespace corvela::tools
