// The RegExp object: its properties, Test, Execute and Replace, and its
// registration under the ProgID "VBScript.RegExp".
//
// Global searches follow JScript: after an empty match the next search starts
// one character further on, so "x*" finds an empty match between every two
// characters and one at the end.
#include "platform/vbscript/regexp.h"

#include "platform/automation/com_error.h"
#include "platform/automation/progid_factory.h"
#include "platform/text/utf8.h"
#include "platform/text/utf8_units.h"
#include "platform/vbscript/regexp_pattern.h"

namespace corvela::vbs {
namespace {

// Converts ascending byte offsets of one text into character offsets (UTF-16
// code units, as FirstIndex and Length count), counting each stretch of text
// once.
class CharacterCounter {
 public:
  explicit CharacterCounter(std::string_view text) : text_(text) {}
  size_t at(size_t byte) {
    if (byte < byte_) {
      byte_ = 0;
      chars_ = 0;
    }
    chars_ += text::utf16Length(text_.substr(byte_, byte - byte_));
    byte_ = byte;
    return chars_;
  }

 private:
  std::string_view text_;
  size_t byte_ = 0;
  size_t chars_ = 0;
};

std::vector<MatchSpan> findMatches(const CompiledPattern& pattern, std::string_view text, bool global) {
  std::vector<MatchSpan> matches;
  size_t from = 0;
  MatchSpan span;
  while (from <= text.size() && pattern.search(text, from, span)) {
    matches.push_back(span);
    if (!global) break;
    from = span.end;
    if (span.end == span.start) {
      if (from >= text.size()) break;
      text::decodeCodePoint(text, from);
    }
  }
  return matches;
}

std::string_view groupText(std::string_view text, const MatchSpan& span, size_t group) {
  const auto& [start, end] = span.groups[group - 1];
  return start == MatchSpan::npos ? std::string_view() : text.substr(start, end - start);
}

// Appends a replacement template for one match: $$, $&, $`, $', $n and $nn
// (when that group exists; otherwise the "$" stays as written).
void expandTemplate(std::string& out, std::string_view replacement, std::string_view text, const MatchSpan& span) {
  const size_t groups = span.groups.size();
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  for (size_t i = 0; i < replacement.size(); ++i) {
    const char c = replacement[i];
    if (c != '$' || i + 1 == replacement.size()) {
      out += c;
      continue;
    }
    const char next = replacement[i + 1];
    if (next == '$') {
      out += '$';
      ++i;
    } else if (next == '&') {
      out += text.substr(span.start, span.end - span.start);
      ++i;
    } else if (next == '`') {
      out += text.substr(0, span.start);
      ++i;
    } else if (next == '\'') {
      out += text.substr(span.end);
      ++i;
    } else if (isDigit(next)) {
      const size_t one = next - '0';
      const bool hasTwo = i + 2 < replacement.size() && isDigit(replacement[i + 2]);
      const size_t two = hasTwo ? one * 10 + (replacement[i + 2] - '0') : 0;
      if (hasTwo && two >= 1 && two <= groups) {
        out += groupText(text, span, two);
        i += 2;
      } else if (one >= 1 && one <= groups) {
        out += groupText(text, span, one);
        ++i;
      } else {
        out += '$';
      }
    } else {
      out += '$';
    }
  }
}

// A function given as the replacement (GetRef): called with the match, each
// submatch, the character offset and the whole text; its result is inserted.
void callReplacer(std::string& out, Object& replacer, std::string_view text, const MatchSpan& span,
                  size_t firstIndex) {
  std::vector<Variant> args;
  args.reserve(span.groups.size() + 3);
  args.emplace_back(text.substr(span.start, span.end - span.start));
  for (size_t g = 1; g <= span.groups.size(); ++g) args.emplace_back(groupText(text, span, g));
  args.emplace_back(static_cast<int32_t>(firstIndex));
  args.emplace_back(text);
  Variant result;
  replacer.invoke(DISPID_VALUE, InvokeMethod, args, result);
  out += result.toString();
}

// Rebuilds the text with each match replaced by what `append` writes for it
// (given the match and its character offset).
template <class Append>
std::string replaceMatches(const CompiledPattern& pattern, bool global, std::string_view text, Append append) {
  const std::vector<MatchSpan> spans = findMatches(pattern, text, global);
  std::string out;
  out.reserve(text.size());
  CharacterCounter counter(text);
  size_t copied = 0;
  for (const MatchSpan& span : spans) {
    out += text.substr(copied, span.start - copied);
    append(out, span, counter.at(span.start));
    copied = span.end;
  }
  out += text.substr(copied);
  return out;
}

}  // namespace

RegExp::RegExp() = default;
RegExp::~RegExp() = default;

void RegExp::setPattern(std::string pattern) {
  pattern_ = std::move(pattern);
  compiled_.reset();
}

void RegExp::setIgnoreCase(bool value) {
  if (value != ignoreCase_) compiled_.reset();
  ignoreCase_ = value;
}

void RegExp::setMultiline(bool value) {
  if (value != multiline_) compiled_.reset();
  multiline_ = value;
}

const CompiledPattern& RegExp::compiled() {
  if (!compiled_) compiled_ = std::make_unique<CompiledPattern>(pattern_, ignoreCase_, multiline_);
  return *compiled_;
}

bool RegExp::Test(std::string_view text) {
  MatchSpan span;
  return compiled().search(text, 0, span);
}

std::shared_ptr<Object> RegExp::Execute(std::string_view text) {
  const std::vector<MatchSpan> spans = findMatches(compiled(), text, global_);
  std::vector<std::shared_ptr<Object>> matches;
  matches.reserve(spans.size());
  CharacterCounter counter(text);
  for (const MatchSpan& span : spans) {
    std::vector<Variant> subMatches;
    subMatches.reserve(span.groups.size());
    for (const auto& [start, end] : span.groups)
      subMatches.push_back(start == MatchSpan::npos ? Variant() : Variant(text.substr(start, end - start)));
    const size_t first = counter.at(span.start);
    const size_t last = counter.at(span.end);
    matches.push_back(std::make_shared<Match>(std::string(text.substr(span.start, span.end - span.start)),
                                              static_cast<int32_t>(first), static_cast<int32_t>(last - first),
                                              std::move(subMatches)));
  }
  return std::make_shared<MatchCollection>(std::move(matches));
}

std::string RegExp::Replace(std::string_view text, std::string_view replacement) {
  return replaceMatches(compiled(), global_, text, [&](std::string& out, const MatchSpan& span, size_t) {
    expandTemplate(out, replacement, text, span);
  });
}

std::string RegExp::ReplaceWith(std::string_view text, Object& function) {
  return replaceMatches(compiled(), global_, text, [&](std::string& out, const MatchSpan& span, size_t first) {
    callReplacer(out, function, text, span, first);
  });
}

namespace {

bool boolValue(const Variant& v) { return v.dereferenced().toBool(); }

// Replace takes its text and replacement as Variants and converts them the
// way Automation does, without VBScript's Boolean words: True is "-1".
std::string automationText(const Variant& argument) {
  const Variant value = argument.dereferenced();
  if (value.type() == VarType::Boolean) return value.rawBool() ? "-1" : "0";
  return value.toString();
}

Variant replaceMember(RegExp& self, Args args) {
  const std::string text = automationText(args[0]);
  if (args[1].isObject() && args[1].rawObject()) return Variant(self.ReplaceWith(text, *args[1].rawObject()));
  return Variant(self.Replace(text, automationText(args[1])));
}

}  // namespace

const DispatchTable<RegExp>& RegExp::dispatchTable() {
  static const DispatchTable<RegExp> table{
      {.name = "Pattern",
       .get = [](RegExp& self, Args) -> Variant { return Variant(self.Pattern()); },
       .let = [](RegExp& self, Args, const Variant& v) { self.setPattern(v.dereferenced().toString()); }},
      {.name = "IgnoreCase",
       .get = [](RegExp& self, Args) -> Variant { return Variant(self.IgnoreCase()); },
       .let = [](RegExp& self, Args, const Variant& v) { self.setIgnoreCase(boolValue(v)); }},
      {.name = "Global",
       .get = [](RegExp& self, Args) -> Variant { return Variant(self.Global()); },
       .let = [](RegExp& self, Args, const Variant& v) { self.setGlobal(boolValue(v)); }},
      {.name = "Execute",
       .call = [](RegExp& self, Args args) -> Variant { return Variant(self.Execute(args[0].dereferenced().toString())); },
       .minArgs = 1,
       .maxArgs = 1},
      {.name = "Test",
       .call = [](RegExp& self, Args args) -> Variant { return Variant(self.Test(args[0].dereferenced().toString())); },
       .minArgs = 1,
       .maxArgs = 1},
      {.name = "Replace", .call = replaceMember, .minArgs = 2, .maxArgs = 2},
      {.name = "Multiline",
       .get = [](RegExp& self, Args) -> Variant { return Variant(self.Multiline()); },
       .let = [](RegExp& self, Args, const Variant& v) { self.setMultiline(boolValue(v)); }},
  };
  return table;
}

std::shared_ptr<Object> createRegExp() { return std::make_shared<RegExp>(); }

void registerRegExpClass() { registerClass("VBScript.RegExp", createRegExp); }

}  // namespace corvela::vbs
