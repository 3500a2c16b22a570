// RegRW: the small registry module every engine class reads its settings
// through. It keeps the rules of the module the engine always had: a value
// that cannot be read comes back as the text "Error" (never as an error
// raised), values must fit a 255-byte buffer in the system code page, and a
// write never creates a key and never reports a failure.
#pragma once

#include <string>
#include <string_view>

namespace corvela::core::RegRW {

// The predefined root keys; None stands for the 0 handle of a refused name.
enum class RootKey {
  None = 0,
  ClassesRoot,
  CurrentUser,
  LocalMachine,
  Users,
  PerformanceData,
  CurrentConfig,
  DynData,
};

struct SplitKey {
  RootKey root = RootKey::None;
  std::string rootName;  // "HKEY_LOCAL_MACHINE", empty when refused
  std::string subkey;    // the path after the first "\"
};

// Splits "HKEY_x\sub\path" into its root and subkey path. Names that do not
// start with "HKEY_" or that end in "\" are refused: the "Incorrect Format:"
// message goes to stderr and the root is None. Root names compare exactly.
SplitKey splitKeyName(std::string_view keyName);

// The value's text: "" when the root is refused; "Error" when the key or the
// value is missing or the value needs 255 bytes or more in the system code
// page; otherwise the value with leading and trailing spaces trimmed and cut
// before its first NUL.
std::string readValue(std::string_view keyName, std::string_view valueName);

// Stores the value when its key exists; otherwise does nothing. Silent.
void writeValue(std::string_view keyName, std::string_view valueName, std::string_view text);

// The longest value, in code-page bytes, that fits the read buffer (the
// buffer holds 255 bytes, the terminating NUL included).
inline constexpr size_t kMaxValueBytes = 254;

}  // namespace corvela::core::RegRW
