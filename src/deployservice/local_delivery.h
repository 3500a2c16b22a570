// Copying a snapshot to its place in a local target folder. The copy is
// written under a fixed temporary name beside the target and renamed over
// it, so readers never see half a file, and a copy cut short by a crash is
// overwritten, not left behind, when its row runs again.
#pragma once

#include <string>

namespace corvela::deployservice {

// Creates the target's missing folders first. Raises the FileSystemObject
// errors: 53 when the snapshot is missing, 70 when access is refused, 61
// when the disk is full, 76 for a path that cannot be made, 57 otherwise.
void deliverFile(const std::string& source, const std::string& target);

}  // namespace corvela::deployservice
