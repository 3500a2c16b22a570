// The errors the upload object raises: all under the source "fileup.Upload",
// with numbers in the component's own range (vbObjectError + n).
#pragma once

#include <cstdint>

namespace corvela::upload {

inline constexpr const char* kUploadErrorSource = "fileup.Upload";

// The body has no line break, so no boundary (kept as the parse error text,
// never raised to the page).
inline constexpr int32_t kNoBoundaryError = static_cast<int32_t>(0x80040001u);
// The request is larger than the configured limit; nothing was read.
inline constexpr int32_t kRequestTooLargeError = static_cast<int32_t>(0x80040002u);
// Save was given a file name that would leave the target folder.
inline constexpr int32_t kUnsafeFileNameError = static_cast<int32_t>(0x80040003u);
// No free name was found for a file within the allowed renaming attempts.
inline constexpr int32_t kNoFreeNameError = static_cast<int32_t>(0x80040004u);
// The size limit in the registry is not a whole number of bytes.
inline constexpr int32_t kBadSizeLimitError = static_cast<int32_t>(0x80040005u);

}  // namespace corvela::upload
