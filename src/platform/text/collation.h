// Ordering of text by a locale's collation, as Windows' CompareString with
// NORM_IGNORECASE ordered it for vbTextCompare: letters in the locale's
// alphabetic order (a, ä, b ...; Chinese by pinyin in zh-CN), case, width and
// kana kind ignored, accents kept. Like Windows' default "word sort", the
// hyphen and the apostrophe do not take part in the alphabetic order, so
// "co-op" sorts beside "coop" and "O'Neil" beside "Oneil"; they only break a
// tie, and the text without them comes first.
//
// This is ordering only. Caseless matching (InStr, Replace, Split with
// vbTextCompare) stays with the case mapping of utf8.h.
#pragma once

#include <string_view>

namespace corvela::text {

// -1, 0 or 1: how UTF-8 text `a` orders against `b` in the collation of the
// Windows locale id `lcid` (1033 en-US, 2052 zh-CN; any other id gets the
// language-neutral Unicode order). Invalid UTF-8 units order as U+FFFD.
// Thread-safe: each thread keeps its own collators.
int compareCollated(std::string_view a, std::string_view b, int lcid);

}  // namespace corvela::text
