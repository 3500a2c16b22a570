// Translation of the SQL Server dialect the engine writes into SQLite's.
// One pass over the tokens; each rewrite looks only at significant tokens
// (not blanks or comments) around the one at hand.
#include "platform/db/dialect.h"

#include "platform/automation/com_error.h"
#include "platform/db/connection.h"
#include "platform/db/sql_date.h"
#include "platform/db/sql_tokenizer.h"

namespace corvela::db {
namespace {

std::string timestampLiteral(const DateParts& p) { return "'" + formatSqlTimestamp(p) + "'"; }

// The text of a string literal token without the N prefix and the quotes,
// with doubled quotes still doubled.
std::string_view literalBody(std::string_view token) {
  if (!token.empty() && token[0] != '\'') token.remove_prefix(1);
  if (token.size() < 2 || token.back() != '\'') return {};
  return token.substr(1, token.size() - 2);
}

// A string literal as SQLite can read it. SQLite's parser stops at a NUL
// byte, so a literal holding one is spelt as pieces joined by char(0):
// 'a<NUL>b' becomes ('a' || char(0) || 'b').
std::string literalForSqlite(std::string_view literal) {
  if (literal.find('\0') == std::string_view::npos) return std::string(literal);
  std::string out = "(";
  for (char ch : literal) {
    if (ch == '\0')
      out += "' || char(0) || '";
    else
      out += ch;
  }
  out += ')';
  return out;
}

bool isSymbol(const SqlToken& t, std::string_view s) { return t.kind == SqlTokenKind::Symbol && t.text == s; }
bool isInsignificant(const SqlToken& t) { return t.kind == SqlTokenKind::Space || t.kind == SqlTokenKind::Comment; }

class Rewriter {
 public:
  Rewriter(std::string_view text, const DateParts& now) : tokens_(tokenizeSql(text)), now_(now) {
    out_.reserve(text.size() + 16);
    drop_.assign(tokens_.size(), false);
  }

  std::string run() {
    for (size_t i = 0; i < tokens_.size(); ++i) {
      if (drop_[i]) continue;
      i = rewrite(i);
    }
    flushLimits(-1);
    return std::move(out_);
  }

 private:
  size_t nextSignificant(size_t i) const {
    for (++i; i < tokens_.size(); ++i)
      if (!isInsignificant(tokens_[i])) return i;
    return tokens_.size();
  }
  const SqlToken* significantAfter(size_t i) const {
    size_t j = nextSignificant(i);
    return j < tokens_.size() ? &tokens_[j] : nullptr;
  }
  const SqlToken* significantBefore(size_t i) const {
    while (i-- > 0)
      if (!isInsignificant(tokens_[i])) return &tokens_[i];
    return nullptr;
  }
  // True when the token opens a statement (not "ON DELETE" in DDL).
  bool startsStatement(size_t i) const {
    const SqlToken* before = significantBefore(i);
    return !before || isSymbol(*before, ";");
  }
  bool followedBy(size_t i, std::string_view symbol) const {
    const SqlToken* t = significantAfter(i);
    return t && isSymbol(*t, symbol);
  }

  void emit(std::string_view text, SqlTokenKind kind) {
    out_ += text;
    lastKind_ = kind;
  }

  // Handles the token at i and returns the index of the last token consumed.
  size_t rewrite(size_t i) {
    const SqlToken& t = tokens_[i];
    switch (t.kind) {
      case SqlTokenKind::Symbol:
        return rewriteSymbol(i);
      case SqlTokenKind::Word:
        return rewriteWord(i);
      case SqlTokenKind::String:
        emit(literalForSqlite(t.text[0] == '\'' ? t.text : t.text.substr(1)), t.kind);
        return i;
      case SqlTokenKind::BracketName:
        emitBracketName(t.text);
        return i;
      default:
        emit(t.text, t.kind);
        return i;
    }
  }

  size_t rewriteSymbol(size_t i) {
    const SqlToken& t = tokens_[i];
    if (t.text == "(") {
      ++depth_;
    } else if (t.text == ")") {
      flushLimits(depth_);
      --depth_;
    } else if (t.text == ";") {
      flushLimits(depth_);
    } else if (t.text == "+") {
      const SqlToken* before = significantBefore(i);
      const SqlToken* after = significantAfter(i);
      if ((before && before->kind == SqlTokenKind::String) || (after && after->kind == SqlTokenKind::String)) {
        emit("||", t.kind);
        return i;
      }
    }
    emit(t.text, t.kind);
    return i;
  }

  size_t rewriteWord(size_t i) {
    const SqlToken& t = tokens_[i];
    if (isKeyword(t, "SELECT")) {
      markTop(i);
    } else if (isKeyword(t, "DELETE") && startsStatement(i)) {
      const SqlToken* target = significantAfter(i);
      if (target && target->kind != SqlTokenKind::Symbol && !isKeyword(*target, "FROM")) {
        emit(t.text, t.kind);
        emit(" FROM", SqlTokenKind::Word);
        return i;
      }
    } else if (isKeyword(t, "CONVERT")) {
      return rewriteConvert(i);
    } else if (isKeyword(t, "GETDATE") && followedBy(i, "(") && followedBy(nextSignificant(i), ")")) {
      emit(timestampLiteral(now_), SqlTokenKind::String);
      return nextSignificant(nextSignificant(i));
    } else if (followedBy(i, "(")) {
      const std::string_view renamed = isKeyword(t, "SUBSTRING") ? "substr"
                                       : isKeyword(t, "LEN")     ? "length"
                                       : isKeyword(t, "ISNULL")  ? "ifnull"
                                                                 : t.text;
      emit(renamed, t.kind);
      return i;
    }
    emit(t.text, t.kind);
    return i;
  }

  // SELECT [DISTINCT|ALL] TOP n | TOP (expr): drops the TOP clause (and the
  // blanks after it) and remembers the limit for the end of this SELECT.
  void markTop(size_t select) {
    size_t j = nextSignificant(select);
    if (j < tokens_.size() && (isKeyword(tokens_[j], "DISTINCT") || isKeyword(tokens_[j], "ALL")))
      j = nextSignificant(j);
    if (j >= tokens_.size() || !isKeyword(tokens_[j], "TOP")) return;
    size_t k = nextSignificant(j);
    if (k >= tokens_.size()) return;
    size_t last;
    std::string limit;
    if (tokens_[k].kind == SqlTokenKind::Number) {
      last = k;
      limit = tokens_[k].text;
    } else if (isSymbol(tokens_[k], "(")) {
      int nesting = 0;
      for (last = k; last < tokens_.size(); ++last) {
        if (isSymbol(tokens_[last], "(")) ++nesting;
        if (isSymbol(tokens_[last], ")") && --nesting == 0) break;
      }
      if (last == tokens_.size()) return;
      for (size_t m = k; m <= last; ++m) limit += tokens_[m].text;
    } else {
      return;
    }
    size_t end = last + 1;
    while (end < tokens_.size() && tokens_[end].kind == SqlTokenKind::Space) ++end;
    for (size_t m = j; m < end; ++m) drop_[m] = true;
    limits_.push_back({depth_, std::move(limit)});
  }

  // Appends LIMIT for every SELECT at this depth or deeper (all at -1).
  void flushLimits(int depth) {
    while (!limits_.empty() && limits_.back().depth >= depth) {
      if (lastKind_ == SqlTokenKind::Comment && !out_.empty() && out_.back() != '/') out_ += '\n';
      else if (!out_.empty() && out_.back() != ' ' && out_.back() != '\n') out_ += ' ';
      out_ += "LIMIT ";
      out_ += limits_.back().limit;
      lastKind_ = SqlTokenKind::Number;
      limits_.pop_back();
    }
  }

  // CONVERT(DATETIME, 'y-m-d h:n:s' [, style]) becomes a padded literal; a
  // text that is no date fails as SQL Server's conversion did.
  size_t rewriteConvert(size_t i) {
    size_t open = nextSignificant(i), type = nextSignificant(open), comma = nextSignificant(type),
           value = nextSignificant(comma), close = nextSignificant(value);
    if (close >= tokens_.size() || !isSymbol(tokens_[open], "(") || !isKeyword(tokens_[type], "DATETIME") ||
        !isSymbol(tokens_[comma], ",") || tokens_[value].kind != SqlTokenKind::String) {
      emit(tokens_[i].text, tokens_[i].kind);
      return i;
    }
    if (isSymbol(tokens_[close], ",")) {
      size_t style = nextSignificant(close);
      if (style >= tokens_.size() || tokens_[style].kind != SqlTokenKind::Number) {
        emit(tokens_[i].text, tokens_[i].kind);
        return i;
      }
      close = nextSignificant(style);
    }
    if (close >= tokens_.size() || !isSymbol(tokens_[close], ")")) {
      emit(tokens_[i].text, tokens_[i].kind);
      return i;
    }
    DateParts parts;
    if (!parseSqlDateText(literalBody(tokens_[value].text), parts))
      throw ComError(kErrCommand, kProviderSource,
                     "Conversion failed when converting date and/or time from character string.");
    emit(timestampLiteral(parts), SqlTokenKind::String);
    return close;
  }

  // [a]]b] -> "a]b", with any " inside doubled.
  void emitBracketName(std::string_view text) {
    std::string quoted = "\"";
    std::string_view body = text.substr(1, text.size() >= 2 && text.back() == ']' ? text.size() - 2 : text.size() - 1);
    for (size_t i = 0; i < body.size(); ++i) {
      if (body[i] == ']' && i + 1 < body.size() && body[i + 1] == ']') ++i;
      if (body[i] == '"') quoted += '"';
      quoted += body[i];
    }
    quoted += '"';
    emit(quoted, SqlTokenKind::QuotedName);
  }

  struct PendingLimit {
    int depth;
    std::string limit;
  };

  std::vector<SqlToken> tokens_;
  std::vector<bool> drop_;
  DateParts now_;
  std::string out_;
  std::vector<PendingLimit> limits_;
  int depth_ = 0;
  SqlTokenKind lastKind_ = SqlTokenKind::Space;
};

}  // namespace

std::string translateSql(std::string_view tsql, const DateParts& now) { return Rewriter(tsql, now).run(); }

std::string translateSql(std::string_view tsql) { return translateSql(tsql, partsFromOleDate(oleDateNow())); }

}  // namespace corvela::db
