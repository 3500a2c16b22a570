// Exact conversions to Currency (a 64-bit count of ten-thousandths). Going
// through `value * 10000` in Double arithmetic loses digits past 2^53
// (CCur(123456789012345) came out as 123456789012345.0112), so whole and
// fractional parts are scaled apart, and decimal text is read digit by digit.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvela {

// The Currency nearest `value`, halves to even; 6 (Overflow) outside the
// Currency range or for NaN and infinities.
int64_t currencyFromDouble(double value);

// Plain decimal text ("  -1234.56789 ", the locale's decimal point and
// thousands separators allowed) to Currency, rounded half to even at the
// fourth decimal; 6 past the range. False, with nothing raised, for any
// other text (exponents, &H, currency symbols), which the caller reads as
// a Double.
bool currencyFromDecimalText(std::string_view text, int64_t& scaled);

}  // namespace corvela
