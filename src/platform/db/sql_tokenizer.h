// A lexical split of SQL text into tokens, enough to rewrite one dialect into
// another without looking inside string literals, quoted identifiers or
// comments. Every byte of the input belongs to exactly one token, so joining
// the token texts gives the input back.
#pragma once

#include <string_view>
#include <vector>

namespace corvela::db {

enum class SqlTokenKind {
  Space,         // blanks and line ends
  Comment,       // -- to the end of the line, or /* ... */
  String,        // 'it''s' (also N'...': the text then starts with N)
  QuotedName,    // "name"
  BracketName,   // [name] (]] inside stands for ])
  Word,          // identifiers and keywords, including @vars and non-ASCII letters
  Number,        // 12, 1.5, 2e3
  Symbol,        // one punctuation character, or <= >= <> != || 
};

struct SqlToken {
  SqlTokenKind kind;
  std::string_view text;
};

// Splits text into tokens. An unterminated literal, name or comment runs to
// the end of the text (the database reports the error).
std::vector<SqlToken> tokenizeSql(std::string_view text);

// Case-insensitive comparison of a token's text with an ASCII keyword.
bool isKeyword(const SqlToken& token, std::string_view keyword);

}  // namespace corvela::db
