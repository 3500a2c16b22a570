// Caller values that a statement takes as SQL text of its own rather than as
// one quoted literal: a list of integers inside "IN (...)", and a search key
// inside a LIKE pattern. Each is accepted only in the form the statement
// expects, so no caller text can change what a statement does.
#pragma once

#include <string>
#include <string_view>

namespace corvela::core {

// A comma-separated list of integers ("1,2,3,5"; blanks around the numbers
// allowed) rewritten as plain decimals joined by ","; anything else (an
// empty list, an empty item, a sign-less word, a number past 32 bits) raises
// 1051 with an empty source and `description`.
std::string checkedIntegerList(std::string_view list, std::string_view description);

// The text as it stands inside a LIKE pattern between single quotes, so that
// it matches itself literally: quotes doubled, and "%", "_" and the escape
// character "\" escaped by "\". The statement appends kLikeEscape after the
// pattern literal.
std::string likeLiteralText(std::string_view text);

inline constexpr const char* kLikeEscape = " ESCAPE '\\'";

}  // namespace corvela::core
