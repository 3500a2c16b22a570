// Splitting SQL text into tokens for the dialect rewrite.
#include "platform/db/sql_tokenizer.h"

namespace corvela::db {
namespace {

bool isWordStart(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '@' || c == '#' || c >= 0x80;
}
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isWordChar(unsigned char c) { return isWordStart(c) || isDigit(c) || c == '$'; }
bool isSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// End of a literal that opened at `open` with `quote`; a doubled quote is
// part of the text.
size_t endOfQuoted(std::string_view s, size_t open, char quote) {
  size_t i = open + 1;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return s.size();
}

size_t endOfNumber(std::string_view s, size_t i) {
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      i = j;
      while (i < s.size() && isDigit(s[i])) ++i;
    }
  }
  return i;
}

}  // namespace

std::vector<SqlToken> tokenizeSql(std::string_view s) {
  std::vector<SqlToken> tokens;
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    const char next = i + 1 < s.size() ? s[i + 1] : '\0';
    size_t end;
    SqlTokenKind kind;
    if (isSpace(c)) {
      end = i + 1;
      while (end < s.size() && isSpace(s[end])) ++end;
      kind = SqlTokenKind::Space;
    } else if (c == '-' && next == '-') {
      end = s.find('\n', i);
      end = end == std::string_view::npos ? s.size() : end;
      kind = SqlTokenKind::Comment;
    } else if (c == '/' && next == '*') {
      end = s.find("*/", i + 2);
      end = end == std::string_view::npos ? s.size() : end + 2;
      kind = SqlTokenKind::Comment;
    } else if (c == '\'') {
      end = endOfQuoted(s, i, '\'');
      kind = SqlTokenKind::String;
    } else if ((c == 'N' || c == 'n') && next == '\'') {
      end = endOfQuoted(s, i + 1, '\'');
      kind = SqlTokenKind::String;
    } else if (c == '"') {
      end = endOfQuoted(s, i, '"');
      kind = SqlTokenKind::QuotedName;
    } else if (c == '[') {
      end = endOfQuoted(s, i, ']');
      kind = SqlTokenKind::BracketName;
    } else if (isDigit(c) || (c == '.' && isDigit(next))) {
      end = endOfNumber(s, i);
      kind = SqlTokenKind::Number;
    } else if (isWordStart(c)) {
      end = i + 1;
      while (end < s.size() && isWordChar(s[end])) ++end;
      kind = SqlTokenKind::Word;
    } else {
      end = i + 1;
      const std::string_view two = s.substr(i, 2);
      if (two == "<=" || two == ">=" || two == "<>" || two == "!=" || two == "||") end = i + 2;
      kind = SqlTokenKind::Symbol;
    }
    tokens.push_back({kind, s.substr(i, end - i)});
    i = end;
  }
  return tokens;
}

bool isKeyword(const SqlToken& token, std::string_view keyword) {
  if (token.kind != SqlTokenKind::Word || token.text.size() != keyword.size()) return false;
  for (size_t i = 0; i < keyword.size(); ++i) {
    char a = token.text[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
    char b = keyword[i];
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
    if (a != b) return false;
  }
  return true;
}

}  // namespace corvela::db
