// The report every generator returns: an HTML fragment with one entry per
// file ("CreateFile:" or "OverWrite:" + URI + "<br>", or "Error:" + URI + " "
// + the template's error text + "<br>" for a page left as it was), and the
// same outcome counted for callers that summarise many runs.
#pragma once

#include <string>
#include <string_view>

namespace corvela::content {

struct GenerationReport {
  std::string text;
  int created = 0;
  int overwritten = 0;
  int failed = 0;

  void addCreated(std::string_view uri);
  void addOverwritten(std::string_view uri);
  void addFailed(std::string_view uri, std::string_view errorText);
  // Adds the counts of another run (its text is not taken).
  void count(const GenerationReport& other);
};

inline constexpr const char* kReportCreated = "CreateFile:";
inline constexpr const char* kReportOverwritten = "OverWrite:";
inline constexpr const char* kReportFailed = "Error:";
inline constexpr const char* kReportLineEnd = "<br>";

}  // namespace corvela::content
