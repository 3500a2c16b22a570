// Locale collation through ICU (see collation.h). ICU's headers stay in this
// file; the rest of the system sees only compareCollated.
#include "platform/text/collation.h"

#include <unicode/ucol.h>
#include <unicode/utypes.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace corvela::text {
namespace {

struct CollatorCloser {
  void operator()(UCollator* collator) const { ucol_close(collator); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorCloser>;

// ICU's name for the collation of a Windows locale id. ICU's "zh" orders Han
// characters by pinyin, as the default sort of the PRC locale did.
const char* icuLocaleOf(int lcid) {
  switch (lcid) {
    case 1033: return "en_US";
    case 2052: return "zh";
    default: return "";  // the root collation: the Unicode default order
  }
}

// Windows sorts these letters as the pairs they stand for, so "Straße" and
// "STRASSE" compare equal when case is ignored. Unicode's order keeps them
// an accent-level step apart; "<<<" makes the step a case-level one.
constexpr char16_t kWindowsExpansions[] = u"&ss<<<\u00DF &SS<<<\u1E9E &ae<<<\u00E6 &AE<<<\u00C6 "
                                          u"&oe<<<\u0153 &OE<<<\u0152";

[[noreturn]] void failCollation(const char* what, UErrorCode status) {
  throw std::runtime_error(std::string(what) + ": " + u_errorName(status));
}

CollatorPtr openCollator(int lcid) {
  UErrorCode status = U_ZERO_ERROR;
  CollatorPtr base(ucol_open(icuLocaleOf(lcid), &status));
  if (U_FAILURE(status)) failCollation("cannot open the collation", status);
  int32_t baseLength = 0;
  const UChar* baseRules = ucol_getRules(base.get(), &baseLength);
  std::u16string rules(baseRules, baseRules + baseLength);
  rules += kWindowsExpansions;
  // Secondary strength compares base letters, then accents. Case, width and
  // hiragana/katakana are tertiary differences and so play no part, as under
  // NORM_IGNORECASE | NORM_IGNOREWIDTH | NORM_IGNOREKANATYPE.
  CollatorPtr collator(ucol_openRules(rules.data(), static_cast<int32_t>(rules.size()), UCOL_DEFAULT,
                                      UCOL_SECONDARY, nullptr, &status));
  if (U_FAILURE(status)) failCollation("cannot build the collation", status);
  // ICU's zh puts Han before the Latin script; Windows keeps its one script
  // order (Latin letters first) in every locale and reorders only within Han.
  ucol_setReorderCodes(collator.get(), nullptr, 0, &status);
  if (U_FAILURE(status)) failCollation("cannot set the script order", status);
  return collator;
}

// The collator of one locale, built once per process (building zh's pinyin
// table takes a while) and cloned for each thread that uses it, since a
// collator is only promised safe to use from one thread at a time.
const UCollator* sharedCollatorFor(int lcid) {
  switch (lcid) {
    case 1033: {
      static const CollatorPtr enUs = openCollator(1033);
      return enUs.get();
    }
    case 2052: {
      static const CollatorPtr zhCn = openCollator(2052);
      return zhCn.get();
    }
    default: {
      static const CollatorPtr neutral = openCollator(0);
      return neutral.get();
    }
  }
}

const UCollator* collatorFor(int lcid) {
  thread_local std::vector<std::pair<int, CollatorPtr>> opened;
  for (const auto& [id, collator] : opened)
    if (id == lcid) return collator.get();
  UErrorCode status = U_ZERO_ERROR;
  CollatorPtr copy(ucol_clone(sharedCollatorFor(lcid), &status));
  if (U_FAILURE(status)) failCollation("cannot copy the collation", status);
  opened.emplace_back(lcid, std::move(copy));
  return opened.back().second.get();
}

int collate(const UCollator* collator, std::string_view a, std::string_view b) {
  constexpr size_t kMaxLength = std::numeric_limits<int32_t>::max();
  if (a.size() > kMaxLength || b.size() > kMaxLength) throw std::length_error("text too long to collate");
  UErrorCode status = U_ZERO_ERROR;
  UCollationResult result = ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                             static_cast<int32_t>(b.size()), &status);
  if (U_FAILURE(status)) failCollation("cannot compare text", status);
  return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

bool isWordMark(unsigned char c) { return c == '-' || c == '\''; }

// Text split into what is left without its hyphens and apostrophes and the
// marks themselves, each with its position in UTF-16 units of the original.
struct WordMarks {
  std::string rest;
  std::vector<std::pair<size_t, char>> marks;
};

WordMarks splitWordMarks(std::string_view text) {
  WordMarks split;
  split.rest.reserve(text.size());
  size_t position = 0;
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (isWordMark(c)) {
      split.marks.emplace_back(position++, ch);
      continue;
    }
    split.rest.push_back(ch);
    if ((c & 0xC0) != 0x80) ++position;  // ASCII or the lead byte of a character
    if (c >= 0xF0) ++position;           // four bytes: a surrogate pair in UTF-16
  }
  return split;
}

bool hasWordMark(std::string_view text) {
  for (char c : text)
    if (isWordMark(static_cast<unsigned char>(c))) return true;
  return false;
}

}  // namespace

int compareCollated(std::string_view a, std::string_view b, int lcid) {
  const UCollator* collator = collatorFor(lcid);
  if (!hasWordMark(a) && !hasWordMark(b)) return collate(collator, a, b);
  // The marks break a tie only: text without them ("coop") before text with
  // them ("co-op"), then by where they stand.
  WordMarks x = splitWordMarks(a);
  WordMarks y = splitWordMarks(b);
  if (int order = collate(collator, x.rest, y.rest)) return order;
  if (x.marks == y.marks) return 0;
  return x.marks < y.marks ? -1 : 1;
}

}  // namespace corvela::text
