// Cutting text to a column's limit. Limits count characters as the database
// and scripts do: UTF-16 code units. A cut never splits a character: one
// that needs two units (a surrogate pair) is kept whole or left out. Text is
// cut before its quotes are doubled for a literal, so a cut can never leave
// half of a doubled quote behind.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvela::core {

// The longest start of the text that holds at most `limit` code units.
std::string_view cutToUnits(std::string_view text, size_t limit);

// The text as a record stores it in a limited column: cut to the limit, and
// a single space when that leaves nothing.
std::string columnText(std::string_view text, size_t limit);

}  // namespace corvela::core
