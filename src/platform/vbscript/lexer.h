// The VBScript lexer: source text to tokens, one at a time, with the
// 1-based line and column of each. Literals arrive typed the way VBScript
// types them (Integer, Long, Double, String, Date); comments and line
// continuations never reach the parser. A lexical fault comes back as an
// Error token carrying the compile error number, so the parser reports it
// only when it gets that far (the first fault in source order wins).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/variant.h"
#include "platform/vbscript/ast.h"

namespace corvela::vbs {

enum class TokenKind : uint8_t {
  EndOfInput,
  Newline,
  Colon,
  Error,       // errorNumber says which compile error
  Identifier,  // text: the name as written (brackets removed)
  Number,      // value: Integer, Long or Double
  String,      // value: the text with "" unescaped
  Date,        // value: a Date
  LParen, RParen, Comma, Dot,
  Plus, Minus, Star, Slash, Backslash, Caret, Ampersand,
  Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
  // Reserved words. KwRem stands for a whole comment (its text is skipped).
  KwAnd, KwByRef, KwByVal, KwCall, KwCase, KwClass, KwConst, KwDefault, KwDim, KwDo, KwEach,
  KwElse, KwElseIf, KwEmpty, KwEnd, KwEqv, KwErase, KwError, KwExit, KwExplicit, KwFalse, KwFor,
  KwFunction, KwGet, KwGoTo, KwIf, KwImp, KwIn, KwIs, KwLet, KwLoop, KwMe, KwMod, KwNew, KwNext,
  KwNot, KwNothing, KwNull, KwOn, KwOption, KwOr, KwPreserve, KwPrivate, KwProperty, KwPublic,
  KwReDim, KwRem, KwResume, KwSelect, KwSet, KwStep, KwStop, KwSub, KwThen, KwTo, KwTrue,
  KwUntil, KwWend, KwWhile, KwWith, KwXor,
};

struct Token {
  TokenKind kind = TokenKind::EndOfInput;
  ast::Position pos;
  std::string text;         // Identifier and reserved words: the word as written
  Variant value;            // Number, String, Date
  int32_t errorNumber = 0;  // Error only
  bool spaceBefore = false; // blanks (or a line start) precede the token: `f .x` passes .x
};

// The spelling of a token kind for diagnostics and tests ("Then", "<=", ...).
std::string_view tokenKindName(TokenKind kind);

class Lexer {
 public:
  explicit Lexer(std::string_view source);

  // The next token. After EndOfInput (or an Error) it keeps returning the same.
  Token next();

 private:
  void skipBlanks();
  Token make(TokenKind kind);
  Token fail(int32_t number);
  Token lexWord();
  Token lexBracketed();
  Token lexNumber();
  Token lexRadix();
  Token lexString();
  Token lexDate();
  Token lexOperator();
  void skipToLineEnd();
  bool atLineBreak() const;
  void consumeLineBreak();
  // Column (1-based) of byte offset `offset` on the current line.
  int32_t columnOf(size_t offset);

  std::string_view src_;
  size_t pos_ = 0;          // next byte to read
  size_t tokenStart_ = 0;   // first byte of the token being built
  int32_t line_ = 1;
  size_t lineStart_ = 0;    // byte offset where the current line starts
  size_t columnOffset_ = 0; // columnOf cache: last offset counted ...
  int32_t columnAt_ = 1;    // ... and its column
  TokenKind previous_ = TokenKind::Newline;
  bool spaceBefore_ = false;
  bool continued_ = false;  // a line continuation was skipped before the token
  bool finished_ = false;
  Token last_;              // repeated after EndOfInput / Error
};

// Byte offsets where each line starts; lines end at CR LF, LF or CR.
std::vector<uint32_t> lineStartsOf(std::string_view source);

}  // namespace corvela::vbs
