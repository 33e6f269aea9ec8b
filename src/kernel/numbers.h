// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record.h"

#include <string>
#include <string_view>

namespace zt41::kernel {

// The value of the number at the start of a text: blanks, tabs and line feeds
// are ignored wherever they stand; an optional sign, digits, at most one "."
// and an optional exponent are read up to the first character that cannot
// continue the number. "&H" and "&O" introduce a hexadecimal or octal integer.
// No number, an empty text and a null give 0. A number too large for a double
// gives an infinity, which callers treat as out of every range.
double numericValue(std::string_view text);
double numericValue(const FieldValue& value);
inline double numericValue(const std::string& text) {
    return numericValue(std::string_view(text));
}
inline double numericValue(const char* text) {
    return numericValue(std::string_view(text));
}

// Whether a text is a plain number and nothing else: an optional sign, digits
// with at most one ".", an optional exponent ("145abc" and "1 45" are not).
bool isPlainNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour.
double roundHalfEven(double v);

// Fixed formats "###.00000" and "###.0": the integer part without leading
// zeros (none at all below 1), ".", and exactly `decimals` decimals.
std::string formatFixed(double v, int decimals);
inline std::string formatFrequency(double mhz) {
    return formatFixed(mhz, 5);
}
inline std::string formatTone(double hz) {
    return formatFixed(hz, 1);
}

// `v` with exactly `decimals` decimals and a "0" before the point below 1,
// whatever the process's locale says the decimal point is.
std::string fixedDecimals(double v, int decimals);

// The shortest usual decimal form of a number: no exponent, no leading zeros
// but a single "0" before the point, no trailing zeros, no point when no
// decimals remain ("3.50" gives "3.5", "03" gives "3").
std::string shortestDecimal(double v);

// Rounds to 15 significant digits, as the plain decimal text of a double does;
// "145.0125" x 100000 so gives exactly 14501250.
double roundToSignificant15(double v);

} // namespace zt41::kernel
