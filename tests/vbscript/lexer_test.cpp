// The VBScript lexer: literal typing, operator spellings, comments and
// continuations, positions, and the lexical compile errors. Keywords after
// ".", bracketed names and "&" before letters are checked through the parser
// tests' expression trees and the corpus program lexical_a.vbs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/vbscript/lexer.h"

namespace corvela::vbs {
namespace {

std::vector<Token> lexAll(std::string_view source) {
  Lexer lexer(source);
  std::vector<Token> tokens;
  for (;;) {
    tokens.push_back(lexer.next());
    const TokenKind kind = tokens.back().kind;
    if (kind == TokenKind::EndOfInput || kind == TokenKind::Error) return tokens;
  }
}

Token firstToken(std::string_view source) { return Lexer(source).next(); }

struct NumberCase {
  const char* source;
  VarType type;
  double value;
};

TEST(LexerTest, NumericLiteralsAreTypedAsVBScriptTypesThem) {
  const NumberCase cases[] = {
      {"1", VarType::Integer, 1}, {"32767", VarType::Integer, 32767}, {"32768", VarType::Long, 32768},
      {"2147483647", VarType::Long, 2147483647.0}, {"2147483648", VarType::Double, 2147483648.0},
      {"99999999999999999999", VarType::Double, 1e20}, {"010", VarType::Integer, 10},
      {"10.", VarType::Double, 10}, {".5", VarType::Double, 0.5}, {"34e+5", VarType::Double, 3400000},
      {"2E3", VarType::Double, 2000}, {"1e-94938484", VarType::Double, 0}, {"&hffff", VarType::Integer, -1},
      {"&hffff&", VarType::Long, 65535}, {"&h8000&", VarType::Long, 32768},
      {"&O17&", VarType::Integer, 15}, {"&H8000", VarType::Long, -32768},
      {"&H7FFF", VarType::Integer, 32767}, {"&H10000", VarType::Long, 65536}, {"&HFFFFFFFF", VarType::Long, -1},
      {"&H000000000001", VarType::Integer, 1}, {"&O17", VarType::Integer, 15}, {"&17", VarType::Integer, 15},
      {"&o177777", VarType::Integer, -1}, {"&O37777777777", VarType::Long, -1},
  };
  for (const auto& c : cases) {
    const Token token = firstToken(c.source);
    ASSERT_EQ(token.kind, TokenKind::Number) << c.source;
    EXPECT_EQ(token.value.type(), c.type) << c.source;
    EXPECT_DOUBLE_EQ(token.value.toDouble(), c.value) << c.source;
  }
}

TEST(LexerTest, MalformedNumbersAreCompileErrors) {
  const struct {
    std::string source;
    int32_t number;
  } cases[] = {
      {"&O8", 1002},           {"&19", 1002},          {"&H100000000", 1002},
      {"&O40000000000", 1002}, {"&40000000000", 1002}, {"1e309", 1031},
      {"2" + std::string(308, '0'), 1031},  // an integer literal above DBL_MAX
  };
  for (const auto& c : cases) {
    const Token token = firstToken(c.source);
    EXPECT_EQ(token.kind, TokenKind::Error) << c.source;
    EXPECT_EQ(token.errorNumber, c.number) << c.source;
  }
}

TEST(LexerTest, StringAndDateLiterals) {
  Token token = firstToken("\"say \"\"hi\"\"\"");
  ASSERT_EQ(token.kind, TokenKind::String);
  EXPECT_EQ(token.value.rawString(), "say \"hi\"");
  token = firstToken("\"\"");
  ASSERT_EQ(token.kind, TokenKind::String);
  EXPECT_EQ(token.value.rawString(), "");

  token = firstToken("# 1/1/2011 #");
  ASSERT_EQ(token.kind, TokenKind::Date);
  EXPECT_EQ(token.value.type(), VarType::Date);
  EXPECT_DOUBLE_EQ(token.value.rawDate(), 40544.0);
  token = firstToken("#1/2/2011 6:00 PM#");
  ASSERT_EQ(token.kind, TokenKind::Date);
  EXPECT_DOUBLE_EQ(token.value.rawDate(), 40545.75);  // month first, whatever the locale
}

TEST(LexerTest, OperatorSpellings) {
  const struct {
    const char* source;
    TokenKind kind;
  } cases[] = {
      {"=>", TokenKind::GreaterEqual}, {">=", TokenKind::GreaterEqual}, {"=<", TokenKind::LessEqual},
      {"<=", TokenKind::LessEqual},    {"><", TokenKind::NotEqual},     {"<>", TokenKind::NotEqual},
      {"<", TokenKind::Less},          {">", TokenKind::Greater},       {"=", TokenKind::Equal},
      {"\\", TokenKind::Backslash},    {"^", TokenKind::Caret},         {"&", TokenKind::Ampersand},
  };
  for (const auto& c : cases) {
    const auto tokens = lexAll(c.source);
    ASSERT_EQ(tokens.size(), 2u) << c.source;
    EXPECT_EQ(tokens[0].kind, c.kind) << c.source;
  }
}

TEST(LexerTest, CommentsAndContinuationsNeverReachTheParser) {
  auto tokens = lexAll("a = 1 + _   \r\n  2 ' note\r\nRem whole line\nb");
  std::vector<TokenKind> kinds;
  for (const auto& t : tokens) kinds.push_back(t.kind);
  const std::vector<TokenKind> expected = {
      TokenKind::Identifier, TokenKind::Equal, TokenKind::Number, TokenKind::Plus, TokenKind::Number,
      TokenKind::Newline,    TokenKind::KwRem, TokenKind::Newline, TokenKind::Identifier, TokenKind::EndOfInput,
  };
  EXPECT_EQ(kinds, expected);
  EXPECT_EQ(tokens[4].pos.line, 2);
  EXPECT_EQ(tokens[4].pos.column, 3);
  EXPECT_EQ(tokens[8].pos.line, 4);
}

TEST(LexerTest, ColumnsCountCharactersNotBytes) {
  const auto tokens = lexAll("s = \"中文\" & x");
  ASSERT_EQ(tokens.size(), 6u);
  EXPECT_EQ(tokens[3].pos.column, 10);
  EXPECT_EQ(tokens[4].pos.column, 12);
}

TEST(LexerTest, LexicalErrorsCarryTheirPosition) {
  const struct {
    std::string source;
    int32_t number;
    int column;
  } cases[] = {
      {"x = 1 $ 2", 1032, 7}, {"x = \"abc", 1033, 9}, {"x = \"abc\ny\"", 1033, 9}, {"x = [abc", 1007, 9},
      {"a _ b", 1032, 3}, {"x = " + std::string(256, 'a'), 1030, 5}, {"x = \xC2\xA0", 1032, 5},
      {"x = \xFF", 1032, 5}, {"x = #1/1/2011", 1002, 5}, {"x = #not a date#", 1002, 5},
  };
  for (const auto& c : cases) {
    const auto tokens = lexAll(c.source);
    EXPECT_EQ(tokens.back().kind, TokenKind::Error) << c.source;
    EXPECT_EQ(tokens.back().errorNumber, c.number) << c.source;
    EXPECT_EQ(tokens.back().pos.column, c.column) << c.source;
  }
  const auto tokens = lexAll("x = " + std::string(255, 'a'));
  EXPECT_EQ(tokens[2].kind, TokenKind::Identifier);
}

TEST(LexerTest, LineStartsCoverEveryLineBreakStyle) {
  EXPECT_EQ(lineStartsOf("a\r\nb\nc\rd"), (std::vector<uint32_t>{0, 3, 5, 7}));
  EXPECT_EQ(lineStartsOf(""), (std::vector<uint32_t>{0}));
}

}  // namespace
}  // namespace corvela::vbs
