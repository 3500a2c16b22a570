// An advisory lock (flock) on a key folder. Writers of a key's values, and
// creators of its subkeys, hold it exclusively, so concurrent processes and
// threads never lose each other's updates. Readers need no lock: the value
// file is replaced by rename, so a reader always sees a whole file.
#pragma once

#include <filesystem>

namespace corvela::registry::detail {

class FolderLock {
 public:
  // Locks the folder exclusively, waiting for other holders; locked() is
  // false when the folder cannot be opened (it does not exist).
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace corvela::registry::detail
