// UTF-8 helpers for strings that the system keeps as UTF-8 in memory: code
// point counting and cutting (a "character" of Len, Mid, InStr is one code
// point), encoding and decoding, repair of invalid input, and Unicode-aware
// case mapping and caseless comparison (vbTextCompare).
//
// Invalid bytes: every function steps through text the same way, so they
// agree with each other. A well-formed sequence is one code point. The
// three-byte form of a surrogate (ED A0..BF xx), which strings use for a
// UTF-16 half without its partner (see utf8_units.h), is one unit too and
// decodes as that surrogate value, though it is not valid UTF-8. Any other
// byte (stray continuation byte, overlong form, value above U+10FFFF,
// cut-off sequence) is one unit of its own that decodes as U+FFFD.
//
// Case mapping is the simple one-to-one mapping for ASCII, Latin-1, Latin
// Extended-A, Latin Extended Additional, Greek, Cyrillic, Armenian, Roman
// numerals, circled letters and full-width ASCII. Every mapping keeps the
// UTF-8 byte length of the character, so byte offsets found in a case-mapped
// copy are offsets in the original too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvela::text {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the unit at `pos` and advances `pos` past it (see above for what
// an invalid byte gives). `pos` must be below s.size().
char32_t decodeCodePoint(std::string_view s, size_t& pos);
// Appends the UTF-8 form of `cp`; surrogates and values above U+10FFFF are
// written as U+FFFD.
void appendCodePoint(std::string& out, char32_t cp);
std::string encodeCodePoint(char32_t cp);

// False for a surrogate's three-byte form as for any invalid byte.
bool isValidUtf8(std::string_view s);
// The text with every invalid unit replaced by U+FFFD (a surrogate's three
// bytes by one).
std::string repairUtf8(std::string_view s);

size_t codePointCount(std::string_view s);
// Byte offset of the code point with 0-based index `index`; s.size() when the
// index is at or past the end.
size_t byteOffsetOfCodePoint(std::string_view s, size_t index);
// The code points [start, start + count) (0-based), clamped to the text.
std::string_view substrByCodePoints(std::string_view s, size_t start,
                                    size_t count = std::string_view::npos);
// The last `count` code points (all of them when count is larger).
std::string_view rightByCodePoints(std::string_view s, size_t count);
// The code point at 0-based `index`; U+FFFD for an invalid unit; 0 past the end.
char32_t codePointAt(std::string_view s, size_t index);

char32_t toUpper(char32_t cp);
char32_t toLower(char32_t cp);
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);

// Caseless comparison: both sides compared code point by code point after
// lower-case mapping. Result <0, 0, >0.
int compareIgnoreCase(std::string_view a, std::string_view b);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
// Byte offset of the first caseless occurrence of `needle` at or after byte
// offset `from`, or npos. An empty needle is found at `from` (when from is
// not past the end).
size_t findIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);

}  // namespace corvela::text
