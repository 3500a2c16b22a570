// Paths of the deploy service: its join of path parts and the snapshot
// copies of files waiting in the queue.
#pragma once

#include <string>
#include <string_view>

namespace corvela::deployservice {

// `first` and `second` joined by exactly one "/" ("\" in either reads as
// "/"): the task's root "/" on target /backup/site gives /backup/site/.
std::string JoinPath(std::string_view first, std::string_view second);

// The settings value "TempPath", read on first use and kept.
class Snapshots {
 public:
  // Copies the file to "<TempPath>/<newID("dep_templatefile")>.tmp" and
  // returns that path; 555 "CopyTemplate" "RegReadErr" without TempPath.
  std::string CopyTemplate(std::string_view path);
  const std::string& folder();

 private:
  std::string folder_;
};

// A snapshot whose copy has been delivered carries this suffix until its
// queue row is gone (see queue_runner.cpp).
inline constexpr std::string_view kDeliveredSuffix = ".done";

}  // namespace corvela::deployservice
