// VBScript's RegExp object ("New RegExp", CreateObject("VBScript.RegExp"))
// and the Match, Matches and SubMatches objects its Execute returns.
// FirstIndex and Length count characters (code points), not bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/dispatch_table.h"

namespace corvela::vbs {

class CompiledPattern;

class RegExp : public DispatchObject<RegExp> {
 public:
  static constexpr std::string_view kClassName = "IRegExp2";
  static const DispatchTable<RegExp>& dispatchTable();

  RegExp();
  ~RegExp() override;

  const std::string& Pattern() const { return pattern_; }
  void setPattern(std::string pattern);
  bool IgnoreCase() const { return ignoreCase_; }
  void setIgnoreCase(bool value);
  bool Global() const { return global_; }
  void setGlobal(bool value) { global_ = value; }
  bool Multiline() const { return multiline_; }
  void setMultiline(bool value);

  // Pattern errors (5017..5021) surface here, when the pattern is first used.
  bool Test(std::string_view text);
  std::shared_ptr<Object> Execute(std::string_view text);
  // The text with the first match (every match when Global) replaced;
  // the replacement understands $1..$99, $&, $`, $' and $$.
  std::string Replace(std::string_view text, std::string_view replacement);
  // Replace with a function (GetRef) as the replacement: it is called with
  // the match, each submatch, the match's character offset and the text.
  std::string ReplaceWith(std::string_view text, Object& function);

 private:
  const CompiledPattern& compiled();

  std::string pattern_;
  bool ignoreCase_ = false;
  bool global_ = false;
  bool multiline_ = false;
  std::unique_ptr<CompiledPattern> compiled_;  // dropped when the pattern or a flag changes
};

class SubMatches : public DispatchObject<SubMatches> {
 public:
  static constexpr std::string_view kClassName = "ISubMatches";
  static const DispatchTable<SubMatches>& dispatchTable();

  explicit SubMatches(std::vector<Variant> items) : items_(std::move(items)) {}
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  // Raises 5 when the index is out of range.
  Variant Item(int32_t index) const;
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  std::vector<Variant> items_;  // a group that took no part is Empty
};

class Match : public DispatchObject<Match> {
 public:
  static constexpr std::string_view kClassName = "IMatch2";
  static const DispatchTable<Match>& dispatchTable();

  Match(std::string value, int32_t firstIndex, int32_t length, std::vector<Variant> subMatches)
      : value_(std::move(value)), firstIndex_(firstIndex), length_(length), subMatches_(std::move(subMatches)) {}
  const std::string& Value() const { return value_; }
  int32_t FirstIndex() const { return firstIndex_; }
  int32_t Length() const { return length_; }
  std::shared_ptr<Object> SubMatches() const;

 private:
  std::string value_;
  int32_t firstIndex_;
  int32_t length_;
  std::vector<Variant> subMatches_;
};

class MatchCollection : public DispatchObject<MatchCollection> {
 public:
  static constexpr std::string_view kClassName = "IMatchCollection2";
  static const DispatchTable<MatchCollection>& dispatchTable();

  explicit MatchCollection(std::vector<std::shared_ptr<Object>> matches) : matches_(std::move(matches)) {}
  int32_t Count() const { return static_cast<int32_t>(matches_.size()); }
  // Raises 5 when the index is out of range.
  std::shared_ptr<Object> Item(int32_t index) const;
  std::unique_ptr<Enumerator> newEnum() override;

 private:
  std::vector<std::shared_ptr<Object>> matches_;
};

// A new RegExp object, for "New RegExp".
std::shared_ptr<Object> createRegExp();
// Registers ProgID "VBScript.RegExp" with the object factory. Called once by
// the engine's start-up (static libraries run no static initialisers).
void registerRegExpClass();

}  // namespace corvela::vbs
