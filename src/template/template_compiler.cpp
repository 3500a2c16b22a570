// The template compiler. Literal lines are split at CR LF and also at a lone
// LF, so templates saved by Linux editors compile; either way each output
// line ends in CR LF. A line break inside a string literal could never
// compile, so no template that compiled before changes its output.
#include "template/template_compiler.h"

#include "platform/automation/com_error.h"

namespace corvela::tmpl {
namespace {

constexpr std::string_view kCodeStart = "<!--%";
constexpr std::string_view kCodeEnd = "%-->";
constexpr std::string_view kRegionMarker = "<!--Template";
constexpr std::string_view kRegionBegin = "Begin";
constexpr std::string_view kCommentEnd = "-->";
constexpr std::string_view kMetadataStart = "<!--METADATA";

[[noreturn]] void raiseMarkerError(const char* description) {
  throw ComError(kTemplateMarkerError, "", description);
}

bool isBlank(std::string_view piece) { return piece.find_first_not_of(' ') == std::string_view::npos; }

class Compilation {
 public:
  std::string run(std::string_view text) {
    size_t p = 0;
    while (true) {
      size_t start = text.find(kCodeStart, p);
      if (start == std::string_view::npos) {
        emitLiteral(text.substr(p));
        return std::move(script_);
      }
      emitLiteral(text.substr(p, start - p));
      size_t end = text.find(kCodeEnd, start + kCodeStart.size());
      if (end == std::string_view::npos) raiseMarkerError(kNoCodeEnd);
      script_.append(text.substr(start + kCodeStart.size(), end - start - kCodeStart.size()));
      script_.append("\r\n");
      p = end + kCodeEnd.size();
    }
  }

 private:
  // Literal text outside regions; the region state carries from one chunk
  // to the next.
  std::string filterRegions(std::string_view chunk) {
    std::string kept;
    size_t p = 0;
    for (size_t t; (t = chunk.find(kRegionMarker, p)) != std::string_view::npos;) {
      if (!inRegion_) kept.append(chunk.substr(p, t - p));
      size_t close = chunk.find(kCommentEnd, t + kRegionMarker.size());
      if (close == std::string_view::npos) raiseMarkerError(kNoMarkerEnd);
      inRegion_ = chunk.substr(t + kRegionMarker.size(), kRegionBegin.size()) == kRegionBegin;
      p = close + kCommentEnd.size();
    }
    if (!inRegion_) kept.append(chunk.substr(p));
    return kept;
  }

  void emitLine(std::string_view piece) {
    if (isBlank(piece)) return;
    script_.append("Response.Output \"");
    for (char c : piece) {
      if (c == '"') script_.push_back('"');
      script_.push_back(c);
    }
    script_.append("\" & vbCrlf\r\n");
  }

  void emitLiteral(std::string_view chunk) {
    if (chunk.empty()) return;
    std::string text = filterRegions(chunk);
    std::string_view rest = text;
    for (size_t lf; (lf = rest.find('\n')) != std::string_view::npos;) {
      size_t end = lf > 0 && rest[lf - 1] == '\r' ? lf - 1 : lf;
      emitLine(rest.substr(0, end));
      rest.remove_prefix(lf + 1);
    }
    emitLine(rest);
  }

  std::string script_;
  bool inRegion_ = false;
};

}  // namespace

std::string compileTemplate(std::string_view text) { return Compilation().run(text); }

std::string stripMetadata(std::string_view text) {
  std::string out;
  size_t p = 0;
  while (p < text.size()) {
    size_t start = text.find(kMetadataStart, p);
    if (start == std::string_view::npos) {
      out.append(text.substr(p));
      break;
    }
    out.append(text.substr(p, start - p));
    size_t end = text.find(kCommentEnd, start);
    if (end == std::string_view::npos) break;
    p = end + kCommentEnd.size();
  }
  return out;
}

}  // namespace corvela::tmpl
