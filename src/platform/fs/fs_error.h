// Turning an errno into the VBScript run-time error that FileSystemObject
// raised for the same failure (internal to the fs folder).
#pragma once

#include <string_view>

namespace corvela::fs::detail {

// What a missing path means for the operation: a missing file (53, or 76
// when even its folder is missing) or a missing folder (76).
enum class Missing { File, Folder };

[[noreturn]] void raiseErrno(int error, std::string_view path, Missing missing);

}  // namespace corvela::fs::detail
