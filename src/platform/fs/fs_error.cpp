// errno to VBScript run-time error numbers (see fs_error.h).
#include "platform/fs/fs_error.h"

#include <cerrno>
#include <filesystem>

#include "platform/automation/com_error.h"
#include "platform/fs/path_text.h"

namespace corvela::fs::detail {

void raiseErrno(int error, std::string_view path, Missing missing) {
  switch (error) {
    case ENOENT: {
      if (missing == Missing::Folder) raiseRuntimeError(76);
      std::string parent = parentFolderOf(path);
      std::error_code ignored;
      bool parentThere = parent.empty() || std::filesystem::is_directory(parent, ignored);
      raiseRuntimeError(parentThere ? 53 : 76);
    }
    case ENOTDIR:
    case ELOOP:
      raiseRuntimeError(76);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
    case ENOTEMPTY:
      raiseRuntimeError(70);
    case EEXIST:
      raiseRuntimeError(58);
    case ENOSPC:
    case EDQUOT:
      raiseRuntimeError(61);
    case EMFILE:
    case ENFILE:
      raiseRuntimeError(67);
    case ENAMETOOLONG:
    case EINVAL:
      raiseRuntimeError(52);
    case EXDEV:
      raiseRuntimeError(74);
    default:
      raiseRuntimeError(57);
  }
}

}  // namespace corvela::fs::detail
