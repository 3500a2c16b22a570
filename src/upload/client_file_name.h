// File names as clients send them, made safe to save under. Browsers send
// the bare name, but old ones sent the whole client path
// ("C:\img\logo.gif"), and a hostile client may send anything
// ("..\..\etc\passwd", "/etc/x", "a\0b").
#pragma once

#include <string_view>

namespace corvela::upload {

// The name after the client's last "\" or "/".
std::string_view withoutClientPath(std::string_view fileName);

// True when `name` names an entry directly inside a folder: not empty, not
// "." or "..", and without separators or control characters (NUL among them).
bool isSafeFileName(std::string_view name);

}  // namespace corvela::upload
