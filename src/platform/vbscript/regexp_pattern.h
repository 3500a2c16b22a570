// The regular expressions of VBScript's RegExp (JScript's dialect) run on
// PCRE2: a pattern is translated once into PCRE2 syntax with the same
// meaning, compiled, and then searched as often as needed.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct pcre2_real_match_data_8;

namespace corvela::vbs {

// Where one match and its groups lie, in bytes of the subject. A group that
// took no part in the match has start == npos.
struct MatchSpan {
  static constexpr size_t npos = static_cast<size_t>(-1);
  size_t start = 0, end = 0;
  std::vector<std::pair<size_t, size_t>> groups;
};

// JScript pattern text -> PCRE2 pattern text. Raises 5017 (syntax error) or
// 5018 (unexpected quantifier) for what JScript refuses but PCRE2 would take
// ("(?<=", "(*VERB)", "a*+"); the rest of the syntax errors come from PCRE2.
std::string translatePattern(std::string_view pattern, bool multiline);

struct PatternCode;

// A compiled pattern with its own match buffer: one thread at a time (as a
// RegExp object is used by one script engine at a time). The compiled code
// itself is shared between all users of the same pattern and flags.
class CompiledPattern {
 public:
  // Raises 5017..5021 as VBScript does when the pattern is not valid.
  CompiledPattern(std::string_view pattern, bool ignoreCase, bool multiline);
  ~CompiledPattern();
  CompiledPattern(const CompiledPattern&) = delete;
  CompiledPattern& operator=(const CompiledPattern&) = delete;

  // The first match at or after byte `from`. Raises 28 (Out of stack space)
  // when the search gives up on runaway backtracking.
  bool search(std::string_view subject, size_t from, MatchSpan& match) const;
  size_t groupCount() const;

 private:
  std::shared_ptr<const PatternCode> code_;
  pcre2_real_match_data_8* matchData_ = nullptr;
};

}  // namespace corvela::vbs
