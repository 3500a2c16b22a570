// GenerationReport entries.
#include "content/generation_report.h"

namespace corvela::content {

void GenerationReport::addCreated(std::string_view uri) {
  ((text += kReportCreated) += uri) += kReportLineEnd;
  ++created;
}

void GenerationReport::addOverwritten(std::string_view uri) {
  ((text += kReportOverwritten) += uri) += kReportLineEnd;
  ++overwritten;
}

void GenerationReport::addFailed(std::string_view uri, std::string_view errorText) {
  ((((text += kReportFailed) += uri) += " ") += errorText) += kReportLineEnd;
  ++failed;
}

void GenerationReport::count(const GenerationReport& other) {
  created += other.created;
  overwritten += other.overwritten;
  failed += other.failed;
}

}  // namespace corvela::content
