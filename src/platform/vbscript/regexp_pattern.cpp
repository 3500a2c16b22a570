// Translation of JScript regular expressions to PCRE2 and the compiled form.
//
// Where the dialects differ, the translation spells out JScript's meaning:
// - "." excludes the line terminators \n \r U+2028 U+2029 (PCRE2: only \n);
// - with Multiline, ^ and $ are lookarounds on those terminators, so "\r"
//   alone ends a line too; without it $ matches only at the very end;
// - \v is U+000B (PCRE2: any vertical space), \b inside [] is backspace;
// - \xHH and \uHHHH are the only hex escapes; an escaped letter JScript does
//   not know (\A, \Q, \p, ...) stands for the letter itself;
// - \N beyond the number of groups is an octal escape or a literal digit;
// - "[" inside a class is a plain character (no POSIX [:alpha:]), and so is
//   a "-" beside \d, \w or \s ("[\w-.]");
// - "{" that does not start a valid {n}, {n,} or {n,m} is a plain character.
// \d, \w, \s and \b stay ASCII-only, as PCRE2 has them without PCRE2_UCP.
#include "platform/vbscript/regexp_pattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdio>
#include <mutex>
#include <unordered_map>

#include "platform/automation/com_error.h"

namespace corvela::vbs {
namespace {

constexpr const char* kNotLineTerminator = "[^\\n\\r\\x{2028}\\x{2029}]";

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isOctal(char c) { return c >= '0' && c <= '7'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string codePointEscape(unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\x{%x}", value);
  return buffer;
}

// Capturing groups: "(" not followed by "?", outside classes and escapes.
size_t countGroups(std::string_view p) {
  size_t count = 0;
  bool inClass = false;
  for (size_t i = 0; i < p.size(); ++i) {
    const char c = p[i];
    if (c == '\\') {
      ++i;
    } else if (inClass) {
      if (c == ']') inClass = false;
    } else if (c == '[') {
      inClass = true;
    } else if (c == '(' && (i + 1 >= p.size() || p[i + 1] != '?')) {
      ++count;
    }
  }
  return count;
}

// Length of a valid {n}, {n,} or {n,m} at p[i], or 0.
size_t braceQuantifierLength(std::string_view p, size_t i) {
  size_t j = i + 1;
  const size_t firstDigits = j;
  while (j < p.size() && isDigit(p[j])) ++j;
  if (j == firstDigits) return 0;
  if (j < p.size() && p[j] == ',') {
    ++j;
    while (j < p.size() && isDigit(p[j])) ++j;
  }
  return j < p.size() && p[j] == '}' ? j - i + 1 : 0;
}

class Translator {
 public:
  Translator(std::string_view pattern, bool multiline)
      : p_(pattern), multiline_(multiline), groups_(countGroups(pattern)) {}

  std::string run() {
    while (i_ < p_.size()) {
      if (inClass_) classCharacter();
      else outsideCharacter();
    }
    return out_;
  }

 private:
  void outsideCharacter() {
    const char c = p_[i_];
    const bool quantifier = c == '*' || c == '+' || c == '?' || (c == '{' && braceQuantifierLength(p_, i_));
    // A quantifier straight after another one is JScript's "Unexpected
    // quantifier"; PCRE2 would read "a*+" as possessive.
    if (quantifier && afterQuantifier_) raiseRuntimeError(5018);
    afterQuantifier_ = false;
    switch (c) {
      case '\\':
        escape(false);
        return;
      case '.':
        out_ += kNotLineTerminator;
        break;
      case '^':
        out_ += multiline_ ? "(?<![^\\n\\r\\x{2028}\\x{2029}])" : "^";
        break;
      case '$':
        out_ += multiline_ ? "(?![^\\n\\r\\x{2028}\\x{2029}])" : "$";
        break;
      case '(':
        openGroup();
        return;
      case '[':
        out_ += '[';
        inClass_ = true;
        ++i_;
        if (i_ < p_.size() && p_[i_] == '^') {
          out_ += '^';
          ++i_;
        }
        return;
      case '{': {
        const size_t length = braceQuantifierLength(p_, i_);
        if (length == 0) {
          out_ += "\\{";
          break;
        }
        out_.append(p_.substr(i_, length));
        i_ += length;
        quantifierDone();
        return;
      }
      case '}':
        out_ += "\\}";
        break;
      case '*':
      case '+':
      case '?':
        out_ += c;
        ++i_;
        quantifierDone();
        return;
      default:
        out_ += c;
        break;
    }
    ++i_;
  }

  // After a quantifier: one "?" makes it lazy; any further one is an error.
  void quantifierDone() {
    if (i_ < p_.size() && p_[i_] == '?') {
      out_ += '?';
      ++i_;
    }
    afterQuantifier_ = true;
  }

  void openGroup() {
    if (i_ + 1 < p_.size() && p_[i_ + 1] == '*') raiseRuntimeError(5018);  // "(*" verbs do not exist
    if (i_ + 1 < p_.size() && p_[i_ + 1] == '?') {
      const char kind = i_ + 2 < p_.size() ? p_[i_ + 2] : '\0';
      if (kind != ':' && kind != '=' && kind != '!') raiseRuntimeError(5017);
      out_.append(p_.substr(i_, 3));
      i_ += 3;
      return;
    }
    out_ += '(';
    ++i_;
  }

  void classCharacter() {
    const char c = p_[i_];
    if (c == '\\') {
      const bool setEscape = isClassEscapeAt(i_);
      escape(true);
      afterSetEscape_ = setEscape;
      return;
    }
    // Next to \d, \w, \s (or their negations) a "-" cannot make a range:
    // JScript takes it as a plain "-", PCRE2 would refuse "[\w-.]".
    if (c == '-' && (afterSetEscape_ || isClassEscapeAt(i_ + 1))) out_ += "\\-";
    else if (c == '[') out_ += "\\[";
    else out_ += c;
    if (c == ']') inClass_ = false;
    afterSetEscape_ = false;
    ++i_;
  }

  bool isClassEscapeAt(size_t at) const {
    if (at + 1 >= p_.size() || p_[at] != '\\') return false;
    const char c = p_[at + 1];
    return c == 'd' || c == 'D' || c == 'w' || c == 'W' || c == 's' || c == 'S';
  }

  // An escape at p_[i_] (the backslash).
  void escape(bool inClass) {
    if (i_ + 1 >= p_.size()) raiseRuntimeError(5017);  // a trailing backslash
    const char c = p_[i_ + 1];
    i_ += 2;
    switch (c) {
      case 'd': case 'D': case 'w': case 'W': case 's': case 'S':
      case 'f': case 'n': case 'r': case 't':
        out_ += '\\';
        out_ += c;
        return;
      case 'b':
      case 'B':
        if (inClass && c == 'b') out_ += "\\x{8}";
        else if (inClass) out_ += 'B';
        else (out_ += '\\') += c;
        return;
      case 'v':
        out_ += "\\x{b}";
        return;
      case 'c':
        if (i_ < p_.size() && isAsciiLetter(p_[i_])) {
          out_ += codePointEscape(static_cast<unsigned>(p_[i_]) % 32);
          ++i_;
        } else {
          out_ += "\\\\c";  // no control letter: a backslash and a "c"
        }
        return;
      case 'x':
      case 'u':
        hexEscape(c == 'x' ? 2 : 4, c);
        return;
      default:
        break;
    }
    if (isDigit(c)) {
      --i_;
      numberEscape(inClass);
      return;
    }
    if (isAsciiLetter(c)) {
      out_ += c;  // an unknown escape is the letter itself
      return;
    }
    if (static_cast<unsigned char>(c) >= 0x80) {
      --i_;  // a non-ASCII character: copy it whole on the next rounds
      return;
    }
    out_ += '\\';
    out_ += c;
  }

  void hexEscape(size_t digits, char letter) {
    if (i_ + digits > p_.size()) {
      out_ += letter;
      return;
    }
    unsigned value = 0;
    for (size_t k = 0; k < digits; ++k) {
      const char h = p_[i_ + k];
      if (!isHex(h)) {
        out_ += letter;
        return;
      }
      value = value * 16 + (isDigit(h) ? h - '0' : (h | 0x20) - 'a' + 10);
    }
    i_ += digits;
    // A lone UTF-16 surrogate cannot occur in UTF-8 text; it matches nothing.
    out_ += value >= 0xD800 && value <= 0xDFFF ? "(?!)" : codePointEscape(value);
  }

  // \0, \N (a back reference when group N exists) or a legacy octal escape.
  void numberEscape(bool inClass) {
    size_t j = i_;
    size_t number = 0;
    while (j < p_.size() && isDigit(p_[j]) && number <= groups_) number = number * 10 + (p_[j++] - '0');
    if (!inClass && p_[i_] != '0' && number >= 1 && number <= groups_) {
      out_ += "\\g{" + std::to_string(number) + "}";
      i_ = j;
      return;
    }
    if (!isOctal(p_[i_])) {
      out_ += p_[i_++];  // \8 and \9 are the digits themselves
      return;
    }
    unsigned value = 0;
    size_t k = 0;
    while (k < 3 && i_ < p_.size() && isOctal(p_[i_]) && value * 8 + (p_[i_] - '0') <= 0377) {
      value = value * 8 + (p_[i_++] - '0');
      ++k;
    }
    out_ += codePointEscape(value);
  }

  std::string_view p_;
  bool multiline_;
  size_t groups_;
  size_t i_ = 0;
  bool inClass_ = false;
  bool afterQuantifier_ = false;
  bool afterSetEscape_ = false;  // in a class, just after \d \w \s ...
  std::string out_;
};

// The VBScript error for a PCRE2 compile error.
int32_t errorForCompileCode(int code) {
  switch (code) {
    case PCRE2_ERROR_MISSING_SQUARE_BRACKET: return 5019;
    case PCRE2_ERROR_MISSING_CLOSING_PARENTHESIS: return 5020;
    case PCRE2_ERROR_CLASS_RANGE_ORDER: return 5021;
    case PCRE2_ERROR_QUANTIFIER_INVALID:
    case PCRE2_ERROR_QUANTIFIER_OUT_OF_ORDER: return 5018;
    default: return 5017;
  }
}

}  // namespace

std::string translatePattern(std::string_view pattern, bool multiline) {
  return Translator(pattern, multiline).run();
}

// Compiled PCRE2 code: read-only once built, so engines on several threads
// may match with it at once (each with its own match data).
struct PatternCode {
  pcre2_code* code = nullptr;
  size_t groupCount = 0;
  explicit PatternCode(pcre2_code* compiled) : code(compiled) {
    uint32_t captures = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
    groupCount = captures;
  }
  ~PatternCode() { pcre2_code_free(code); }
  PatternCode(const PatternCode&) = delete;
  PatternCode& operator=(const PatternCode&) = delete;
};

namespace {

std::shared_ptr<const PatternCode> compileCode(std::string_view pattern, bool ignoreCase, bool multiline) {
  const std::string translated = translatePattern(pattern, multiline);
  uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_ALLOW_EMPTY_CLASS | PCRE2_DOLLAR_ENDONLY |
                     PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_BACKSLASH_C;
  if (ignoreCase) options |= PCRE2_CASELESS;
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(translated.data()), translated.size(), options,
                                   &error, &offset, nullptr);
  if (!code) raiseRuntimeError(error == PCRE2_ERROR_HEAP_FAILED ? 7 : errorForCompileCode(error));
  auto result = std::make_shared<const PatternCode>(code);
  // The JIT only speeds matching up; where it is unavailable (some CPUs,
  // hardened kernels) the interpreter gives the same results.
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  return result;
}

// Scripts often create a RegExp per call ("Set re = New RegExp" inside a
// function run for every record); compiling and JIT-compiling costs tens of
// microseconds, so compiled patterns are kept, keyed by flags and text. The
// cache is emptied when it fills; invalid patterns are never kept.
constexpr size_t kPatternCacheLimit = 256;

std::shared_ptr<const PatternCode> cachedCode(std::string_view pattern, bool ignoreCase, bool multiline) {
  static std::mutex mutex;
  static std::unordered_map<std::string, std::shared_ptr<const PatternCode>> cache;
  std::string key(1, static_cast<char>('0' + (ignoreCase ? 1 : 0) + (multiline ? 2 : 0)));
  key += pattern;
  {
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = cache.find(key);
    if (found != cache.end()) return found->second;
  }
  std::shared_ptr<const PatternCode> code = compileCode(pattern, ignoreCase, multiline);
  std::lock_guard<std::mutex> lock(mutex);
  if (cache.size() >= kPatternCacheLimit) cache.clear();
  cache.emplace(std::move(key), code);
  return code;
}

// The JIT matcher keeps its backtracking state on a stack of its own, only
// 32 KB by default: "(a|b)*c" then gave up on 10,000 characters that
// VBScript handles. Each thread gets one that can grow to kJitStackLimit
// (address space is reserved up front, memory is used as it grows).
constexpr size_t kJitStackStart = 64 * 1024;
constexpr size_t kJitStackLimit = 32 * 1024 * 1024;

class ThreadMatchContext {
 public:
  ThreadMatchContext()
      : context_(pcre2_match_context_create(nullptr)),
        stack_(pcre2_jit_stack_create(kJitStackStart, kJitStackLimit, nullptr)) {
    if (context_ && stack_) pcre2_jit_stack_assign(context_, nullptr, stack_);
  }
  ~ThreadMatchContext() {
    pcre2_jit_stack_free(stack_);
    pcre2_match_context_free(context_);
  }
  ThreadMatchContext(const ThreadMatchContext&) = delete;
  ThreadMatchContext& operator=(const ThreadMatchContext&) = delete;

  pcre2_match_context* get() const {
    if (!context_ || !stack_) raiseRuntimeError(7);
    return context_;
  }

 private:
  pcre2_match_context* context_;
  pcre2_jit_stack* stack_;
};

pcre2_match_context* threadMatchContext() {
  thread_local ThreadMatchContext context;
  return context.get();
}

}  // namespace

CompiledPattern::CompiledPattern(std::string_view pattern, bool ignoreCase, bool multiline)
    : code_(cachedCode(pattern, ignoreCase, multiline)) {
  matchData_ = pcre2_match_data_create_from_pattern(code_->code, nullptr);
  if (!matchData_) raiseRuntimeError(7);
}

CompiledPattern::~CompiledPattern() { pcre2_match_data_free(matchData_); }

size_t CompiledPattern::groupCount() const { return code_->groupCount; }

bool CompiledPattern::search(std::string_view subject, size_t from, MatchSpan& match) const {
  const int rc = pcre2_match(code_->code, reinterpret_cast<PCRE2_SPTR>(subject.data()), subject.size(), from, 0,
                             matchData_, threadMatchContext());
  if (rc == PCRE2_ERROR_NOMATCH) return false;
  if (rc == PCRE2_ERROR_NOMEMORY) raiseRuntimeError(7);
  if (rc < 0) raiseRuntimeError(28);  // match, depth or heap limit: runaway backtracking
  const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData_);
  match.start = ovector[0];
  match.end = ovector[1];
  const size_t groups = code_->groupCount;
  match.groups.assign(groups, {MatchSpan::npos, MatchSpan::npos});
  for (size_t g = 1; g <= groups && g < static_cast<size_t>(rc); ++g) {
    if (ovector[2 * g] == PCRE2_UNSET) continue;
    match.groups[g - 1] = {ovector[2 * g], ovector[2 * g + 1]};
  }
  return true;
}

}  // namespace corvela::vbs
