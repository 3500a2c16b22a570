// The VBScript lexer (see lexer.h). Literal typing follows Microsoft's
// engine: decimal integers are Integer, then Long, then Double; &H/&O
// literals are 16-bit patterns when they fit in 16 bits, else Long; a
// trailing & reads the digits as 32 bits and types them by their value.
#include "platform/vbscript/lexer.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/automation/locale.h"
#include "platform/text/utf8.h"

namespace corvela::vbs {
namespace {

constexpr size_t kMaxIdentifierLength = 255;  // code points; 256 gives 1030

constexpr int32_t kSyntaxError = 1002;
constexpr int32_t kExpectedBracket = 1007;
constexpr int32_t kIdentifierTooLong = 1030;
constexpr int32_t kInvalidNumber = 1031;
constexpr int32_t kInvalidCharacter = 1032;
constexpr int32_t kUnterminatedString = 1033;

struct KeywordEntry {
  std::string_view lower;
  std::string_view spelling;
  TokenKind kind;
};

// Sorted by `lower` for binary search.
constexpr KeywordEntry kKeywords[] = {
    {"and", "And", TokenKind::KwAnd},           {"byref", "ByRef", TokenKind::KwByRef},
    {"byval", "ByVal", TokenKind::KwByVal},     {"call", "Call", TokenKind::KwCall},
    {"case", "Case", TokenKind::KwCase},        {"class", "Class", TokenKind::KwClass},
    {"const", "Const", TokenKind::KwConst},     {"default", "Default", TokenKind::KwDefault},
    {"dim", "Dim", TokenKind::KwDim},           {"do", "Do", TokenKind::KwDo},
    {"each", "Each", TokenKind::KwEach},        {"else", "Else", TokenKind::KwElse},
    {"elseif", "ElseIf", TokenKind::KwElseIf},  {"empty", "Empty", TokenKind::KwEmpty},
    {"end", "End", TokenKind::KwEnd},           {"eqv", "Eqv", TokenKind::KwEqv},
    {"erase", "Erase", TokenKind::KwErase},     {"error", "Error", TokenKind::KwError},
    {"exit", "Exit", TokenKind::KwExit},        {"explicit", "Explicit", TokenKind::KwExplicit},
    {"false", "False", TokenKind::KwFalse},     {"for", "For", TokenKind::KwFor},
    {"function", "Function", TokenKind::KwFunction}, {"get", "Get", TokenKind::KwGet},
    {"goto", "GoTo", TokenKind::KwGoTo},        {"if", "If", TokenKind::KwIf},
    {"imp", "Imp", TokenKind::KwImp},           {"in", "In", TokenKind::KwIn},
    {"is", "Is", TokenKind::KwIs},              {"let", "Let", TokenKind::KwLet},
    {"loop", "Loop", TokenKind::KwLoop},        {"me", "Me", TokenKind::KwMe},
    {"mod", "Mod", TokenKind::KwMod},           {"new", "New", TokenKind::KwNew},
    {"next", "Next", TokenKind::KwNext},        {"not", "Not", TokenKind::KwNot},
    {"nothing", "Nothing", TokenKind::KwNothing}, {"null", "Null", TokenKind::KwNull},
    {"on", "On", TokenKind::KwOn},              {"option", "Option", TokenKind::KwOption},
    {"or", "Or", TokenKind::KwOr},              {"preserve", "Preserve", TokenKind::KwPreserve},
    {"private", "Private", TokenKind::KwPrivate}, {"property", "Property", TokenKind::KwProperty},
    {"public", "Public", TokenKind::KwPublic},  {"redim", "ReDim", TokenKind::KwReDim},
    {"rem", "Rem", TokenKind::KwRem},           {"resume", "Resume", TokenKind::KwResume},
    {"select", "Select", TokenKind::KwSelect},  {"set", "Set", TokenKind::KwSet},
    {"step", "Step", TokenKind::KwStep},        {"stop", "Stop", TokenKind::KwStop},
    {"sub", "Sub", TokenKind::KwSub},           {"then", "Then", TokenKind::KwThen},
    {"to", "To", TokenKind::KwTo},              {"true", "True", TokenKind::KwTrue},
    {"until", "Until", TokenKind::KwUntil},     {"wend", "Wend", TokenKind::KwWend},
    {"while", "While", TokenKind::KwWhile},     {"with", "With", TokenKind::KwWith},
    {"xor", "Xor", TokenKind::KwXor},
};

TokenKind keywordKind(std::string_view word) {
  // No keyword is longer than 8 letters; longer words are identifiers.
  if (word.size() > 8) return TokenKind::Identifier;
  char lower[8];
  for (size_t i = 0; i < word.size(); ++i) {
    lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
  }
  const std::string_view key(lower, word.size());
  const auto* end = std::end(kKeywords);
  const auto* it = std::lower_bound(std::begin(kKeywords), end, key,
                                    [](const KeywordEntry& e, std::string_view k) { return e.lower < k; });
  return it != end && it->lower == key ? it->kind : TokenKind::Identifier;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// A non-ASCII code point that may appear in a name: any well-formed one
// except the spaces and marks that editors slip in (no-break space,
// ideographic space, byte-order mark, line/paragraph separators).
bool isNameCodePoint(char32_t cp) {
  return cp != text::kReplacementCharacter && cp != 0xA0 && cp != 0x3000 && cp != 0xFEFF &&
         cp != 0x2028 && cp != 0x2029;
}

// Decimal text to Double in the C locale (the script's "." is always the
// decimal point, whatever the regional settings say).
double parseDecimal(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return strtod_l(text.c_str(), nullptr, cLocale);
}

// Date literals are read as en-US text whatever the regional settings are,
// so a script means the same date everywhere.
bool parseDateLiteral(std::string_view text, double& oleDate) {
  const int previous = setCurrentLcid(kLcidEnUs);
  const bool ok = parseDate(text, oleDate);
  if (previous != 0) setCurrentLcid(previous);
  return ok;
}

}  // namespace

std::string_view tokenKindName(TokenKind kind) {
  for (const auto& entry : kKeywords) {
    if (entry.kind == kind) return entry.spelling;
  }
  switch (kind) {
    case TokenKind::EndOfInput: return "end of input";
    case TokenKind::Newline: return "line break";
    case TokenKind::Colon: return ":";
    case TokenKind::Error: return "error";
    case TokenKind::Identifier: return "identifier";
    case TokenKind::Number: return "number";
    case TokenKind::String: return "string";
    case TokenKind::Date: return "date";
    case TokenKind::LParen: return "(";
    case TokenKind::RParen: return ")";
    case TokenKind::Comma: return ",";
    case TokenKind::Dot: return ".";
    case TokenKind::Plus: return "+";
    case TokenKind::Minus: return "-";
    case TokenKind::Star: return "*";
    case TokenKind::Slash: return "/";
    case TokenKind::Backslash: return "\\";
    case TokenKind::Caret: return "^";
    case TokenKind::Ampersand: return "&";
    case TokenKind::Equal: return "=";
    case TokenKind::NotEqual: return "<>";
    case TokenKind::Less: return "<";
    case TokenKind::Greater: return ">";
    case TokenKind::LessEqual: return "<=";
    case TokenKind::GreaterEqual: return ">=";
    default: return "?";
  }
}

std::vector<uint32_t> lineStartsOf(std::string_view source) {
  std::vector<uint32_t> starts{0};
  for (size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n') ++i;
    if (isLineBreak(source[i])) starts.push_back(static_cast<uint32_t>(i + 1));
  }
  return starts;
}

Lexer::Lexer(std::string_view source) : src_(source) {
  if (src_.substr(0, 3) == "\xEF\xBB\xBF") {
    pos_ = lineStart_ = columnOffset_ = 3;
  }
}

int32_t Lexer::columnOf(size_t offset) {
  if (offset < columnOffset_) {
    columnOffset_ = lineStart_;
    columnAt_ = 1;
  }
  for (; columnOffset_ < offset; ++columnOffset_) {
    // Continuation bytes do not start a character.
    if ((static_cast<unsigned char>(src_[columnOffset_]) & 0xC0) != 0x80) ++columnAt_;
  }
  return columnAt_;
}

bool Lexer::atLineBreak() const { return pos_ < src_.size() && isLineBreak(src_[pos_]); }

void Lexer::consumeLineBreak() {
  if (src_[pos_] == '\r' && pos_ + 1 < src_.size() && src_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
  lineStart_ = columnOffset_ = pos_;
  columnAt_ = 1;
}

void Lexer::skipToLineEnd() {
  while (pos_ < src_.size() && !isLineBreak(src_[pos_])) ++pos_;
}

void Lexer::skipBlanks() {
  while (pos_ < src_.size()) {
    const char c = src_[pos_];
    if (isBlank(c)) {
      ++pos_;
    } else if (c == '\'') {
      skipToLineEnd();
    } else if (c == '_') {
      // " _" continues the statement on the next line; blanks may follow it.
      size_t after = pos_ + 1;
      while (after < src_.size() && isBlank(src_[after])) ++after;
      if (after < src_.size() && !isLineBreak(src_[after])) return;
      pos_ = after;
      if (pos_ < src_.size()) consumeLineBreak();
      continued_ = true;
    } else {
      return;
    }
  }
}

Token Lexer::make(TokenKind kind) {
  Token token;
  token.kind = kind;
  token.pos = {line_, columnOf(tokenStart_)};
  token.spaceBefore = spaceBefore_;
  previous_ = kind;
  return token;
}

Token Lexer::fail(int32_t number) {
  Token token = make(TokenKind::Error);
  token.errorNumber = number;
  finished_ = true;
  last_ = token;
  return token;
}

Token Lexer::next() {
  if (finished_) return last_;
  const size_t before = pos_;
  continued_ = false;
  skipBlanks();
  tokenStart_ = pos_;
  // `obj.Ret() _` then `.Ret()` on the next line: a "." that a line
  // continuation brought down goes on the member chain, as if joined.
  const bool continuedDot = continued_ && pos_ < src_.size() && src_[pos_] == '.';
  spaceBefore_ = (pos_ != before || pos_ == lineStart_) && !continuedDot;
  if (pos_ >= src_.size()) {
    Token token = make(TokenKind::EndOfInput);
    finished_ = true;
    last_ = token;
    return token;
  }
  const char c = src_[pos_];
  if (isLineBreak(c)) {
    Token token = make(TokenKind::Newline);
    consumeLineBreak();
    return token;
  }
  if (isAsciiLetter(c)) return lexWord();
  if (isDigit(c) || (c == '.' && pos_ + 1 < src_.size() && isDigit(src_[pos_ + 1]))) return lexNumber();
  switch (c) {
    case '[': return lexBracketed();
    case '"': return lexString();
    case '#': return lexDate();
    case '&': return lexRadix();
    case ':': ++pos_; return make(TokenKind::Colon);
    default: break;
  }
  if (static_cast<unsigned char>(c) >= 0x80) {
    size_t probe = pos_;
    if (isNameCodePoint(text::decodeCodePoint(src_, probe))) return lexWord();
    return fail(kInvalidCharacter);
  }
  return lexOperator();
}

Token Lexer::lexWord() {
  size_t codePoints = 0;
  while (pos_ < src_.size()) {
    const char c = src_[pos_];
    if (isAsciiLetter(c) || isDigit(c) || c == '_') {
      ++pos_;
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      size_t probe = pos_;
      if (!isNameCodePoint(text::decodeCodePoint(src_, probe))) break;
      pos_ = probe;
    } else {
      break;
    }
    ++codePoints;
  }
  if (codePoints > kMaxIdentifierLength) return fail(kIdentifierTooLong);
  const std::string_view word = src_.substr(tokenStart_, pos_ - tokenStart_);
  // After "." every word is a member name: obj.Class, obj.Rem, obj.End.
  const TokenKind kind = previous_ == TokenKind::Dot ? TokenKind::Identifier : keywordKind(word);
  if (kind == TokenKind::KwRem) {
    skipToLineEnd();
    return make(kind);
  }
  Token token = make(kind);
  token.text = std::string(word);
  return token;
}

Token Lexer::lexBracketed() {
  ++pos_;  // [
  const size_t begin = pos_;
  while (pos_ < src_.size() && src_[pos_] != ']' && !isLineBreak(src_[pos_])) ++pos_;
  if (pos_ >= src_.size() || src_[pos_] != ']') {
    tokenStart_ = pos_;
    return fail(kExpectedBracket);
  }
  const std::string_view name = src_.substr(begin, pos_ - begin);
  ++pos_;  // ]
  if (text::codePointCount(name) > kMaxIdentifierLength) return fail(kIdentifierTooLong);
  Token token = make(TokenKind::Identifier);
  token.text = std::string(name);
  return token;
}

Token Lexer::lexNumber() {
  bool isFloat = false;
  while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
  if (pos_ < src_.size() && src_[pos_] == '.') {
    isFloat = true;
    ++pos_;
    while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
  }
  if (pos_ < src_.size() && (src_[pos_] == 'e' || src_[pos_] == 'E')) {
    size_t digits = pos_ + 1;
    if (digits < src_.size() && (src_[digits] == '+' || src_[digits] == '-')) ++digits;
    if (digits < src_.size() && isDigit(src_[digits])) {
      isFloat = true;
      pos_ = digits;
      while (pos_ < src_.size() && isDigit(src_[pos_])) ++pos_;
    }
  }
  const std::string text(src_.substr(tokenStart_, pos_ - tokenStart_));
  if (!isFloat) {
    uint64_t value = 0;
    for (char digit : text) {
      value = value * 10 + static_cast<uint64_t>(digit - '0');
      if (value > 0x7FFFFFFF) break;
    }
    if (value <= 0x7FFF) {
      Token token = make(TokenKind::Number);
      token.value = Variant::fromInteger(static_cast<int16_t>(value));
      return token;
    }
    if (value <= 0x7FFFFFFF) {
      Token token = make(TokenKind::Number);
      token.value = Variant(static_cast<int32_t>(value));
      return token;
    }
  }
  const double value = parseDecimal(text);
  if (std::isinf(value)) return fail(kInvalidNumber);
  Token token = make(TokenKind::Number);
  token.value = Variant(value);
  return token;
}

Token Lexer::lexRadix() {
  // &H1F hexadecimal, &O17 or &17 octal; anything else is the & operator
  // ("x" &hi is "x" & hi).
  size_t p = pos_ + 1;
  int shift = 0;
  if (p < src_.size() && (src_[p] == 'h' || src_[p] == 'H') && p + 1 < src_.size() && isHexDigit(src_[p + 1])) {
    shift = 4;
    ++p;
  } else if (p < src_.size() && (src_[p] == 'o' || src_[p] == 'O') && p + 1 < src_.size() && isDigit(src_[p + 1])) {
    shift = 3;
    ++p;
  } else if (p < src_.size() && isDigit(src_[p])) {
    shift = 3;
  } else {
    ++pos_;
    return make(TokenKind::Ampersand);
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; p < src_.size(); ++p) {
    const char c = src_[p];
    int digit;
    if (shift == 4 && isHexDigit(c)) {
      digit = isDigit(c) ? c - '0' : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    } else if (shift == 3 && isDigit(c)) {
      if (!isOctalDigit(c)) {
        pos_ = p;
        return fail(kSyntaxError);
      }
      digit = c - '0';
    } else {
      break;
    }
    if (!overflow) {
      value = (value << shift) | static_cast<uint64_t>(digit);
      overflow = value > 0xFFFFFFFFu;
    }
  }
  pos_ = p;
  if (overflow) return fail(kSyntaxError);
  const bool longSuffix = pos_ < src_.size() && src_[pos_] == '&';
  if (longSuffix) ++pos_;
  // Without the suffix, a value of up to 16 bits is a 16-bit pattern (&HFFFF
  // is Integer -1) and a wider one is Long (&HFFFFFFFF is Long -1). The
  // suffix reads the digits as 32 bits and lets the value pick the kind:
  // &HFFFF& is Long 65535, &HFFFFFFFF& and &H10& are Integer. -32768 is Long
  // either way (&H8000), as in Microsoft's engine.
  const auto number = static_cast<int32_t>(static_cast<uint32_t>(value));
  const bool narrowPattern = !longSuffix && value <= 0xFFFF;
  const int32_t result = narrowPattern ? static_cast<int16_t>(static_cast<uint16_t>(value)) : number;
  const bool integer = (narrowPattern || longSuffix) && result > INT16_MIN && result <= INT16_MAX;
  Token token = make(TokenKind::Number);
  token.value = integer ? Variant::fromInteger(static_cast<int16_t>(result)) : Variant(result);
  return token;
}

Token Lexer::lexString() {
  std::string text;
  ++pos_;  // opening quote
  for (;;) {
    if (pos_ >= src_.size() || isLineBreak(src_[pos_])) {
      // Reported where the line ends, as the string ran on to there.
      tokenStart_ = pos_;
      return fail(kUnterminatedString);
    }
    const char c = src_[pos_++];
    if (c != '"') {
      text.push_back(c);
    } else if (pos_ < src_.size() && src_[pos_] == '"') {
      text.push_back('"');
      ++pos_;
    } else {
      break;
    }
  }
  Token token = make(TokenKind::String);
  token.value = Variant(text);
  return token;
}

Token Lexer::lexDate() {
  ++pos_;  // #
  const size_t begin = pos_;
  while (pos_ < src_.size() && src_[pos_] != '#' && !isLineBreak(src_[pos_])) ++pos_;
  if (pos_ >= src_.size() || src_[pos_] != '#') return fail(kSyntaxError);
  const std::string_view body = src_.substr(begin, pos_ - begin);
  ++pos_;  // #
  double oleDate = 0;
  if (!parseDateLiteral(body, oleDate)) return fail(kSyntaxError);
  Token token = make(TokenKind::Date);
  token.value = Variant::fromDate(oleDate);
  return token;
}

Token Lexer::lexOperator() {
  const char c = src_[pos_++];
  const char n = pos_ < src_.size() ? src_[pos_] : '\0';
  auto two = [&](TokenKind kind) {
    ++pos_;
    return make(kind);
  };
  switch (c) {
    case '(': return make(TokenKind::LParen);
    case ')': return make(TokenKind::RParen);
    case ',': return make(TokenKind::Comma);
    case '.': return make(TokenKind::Dot);
    case '+': return make(TokenKind::Plus);
    case '-': return make(TokenKind::Minus);
    case '*': return make(TokenKind::Star);
    case '/': return make(TokenKind::Slash);
    case '\\': return make(TokenKind::Backslash);
    case '^': return make(TokenKind::Caret);
    case '=':
      // => and =< are accepted spellings of >= and <=.
      if (n == '>') return two(TokenKind::GreaterEqual);
      if (n == '<') return two(TokenKind::LessEqual);
      return make(TokenKind::Equal);
    case '<':
      if (n == '>') return two(TokenKind::NotEqual);
      if (n == '=') return two(TokenKind::LessEqual);
      return make(TokenKind::Less);
    case '>':
      if (n == '<') return two(TokenKind::NotEqual);
      if (n == '=') return two(TokenKind::GreaterEqual);
      return make(TokenKind::Greater);
    default:
      --pos_;
      return fail(kInvalidCharacter);
  }
}

}  // namespace corvela::vbs
