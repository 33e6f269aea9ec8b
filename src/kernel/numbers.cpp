// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zt41::kernel {

namespace {

bool isIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

double integerInBase(const std::string& s, size_t pos, int base) {
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
    }
    return value;
}

// The C library reads and writes numbers with the locale's decimal point; the
// window runs under the user's locale, so "." is exchanged for it both ways.
std::string localePoint() {
    const char* point = std::localeconv()->decimal_point;
    return point && *point ? point : ".";
}

// A decimal text already known to be digits, at most one "." and an exponent.
// strtod rounds correctly on every C library the kernel is built with; a
// value beyond a double is infinite, one below the smallest subnormal is 0.
double parseDecimal(std::string text) {
    const std::string point = localePoint();
    if (point != ".") {
        if (const auto dot = text.find('.'); dot != std::string::npos)
            text.replace(dot, 1, point);
    }
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value))
        return std::numeric_limits<double>::infinity();
    return value;
}

} // namespace

double numericValue(std::string_view text) {
    // Only ASCII characters take part in a number; anything else ends it.
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (isIgnoredBlank(c))
            continue;
        s.push_back(static_cast<unsigned char>(c) < 128 ? c : '\x7f');
    }

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return integerInBase(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return integerInBase(s, 2, 8);
        return 0;
    }

    size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const size_t start = pos;
    size_t digits = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        ++pos;
        ++digits;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e]))
                ++e;
            pos = e;
        }
    }
    const double value = parseDecimal(s.substr(start, pos - start));
    return negative ? -value : value;
}

double numericValue(const FieldValue& value) {
    return value ? numericValue(*value) : 0.0;
}

bool isPlainNumber(std::string_view text) {
    // [+-]? (digits [.] digits* | . digits) ([eE][+-]? digits)?
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    size_t intDigits = 0;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos, ++intDigits;
    size_t fracDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos, ++fracDigits;
    }
    if (intDigits == 0 && fracDigits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        size_t expDigits = 0;
        while (pos < text.size() && isDigit(text[pos]))
            ++pos, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return pos == text.size();
}

double roundHalfEven(double v) {
    // nearbyint follows the default rounding mode, round-half-to-even.
    return std::nearbyint(v);
}

std::string fixedDecimals(double v, int decimals) {
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, v);
    std::string s(static_cast<size_t>(size), '\0');
    std::snprintf(s.data(), s.size() + 1, "%.*f", decimals, v);
    const std::string point = localePoint();
    if (point != ".") {
        if (const auto at = s.find(point); at != std::string::npos)
            s.replace(at, point.size(), ".");
    }
    return s;
}

std::string formatFixed(double v, int decimals) {
    std::string s = fixedDecimals(v, decimals);
    if (s.starts_with("0."))
        s.erase(0, 1);
    else if (s.starts_with("-0."))
        s.erase(1, 1);
    // A value that rounds to zero carries no sign.
    if (s.starts_with('-') && s.find_first_not_of("0.", 1) == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string shortestDecimal(double v) {
    if (v == 0)
        return "0";
    if (!std::isfinite(v))
        return std::isnan(v) ? "nan" : (v < 0 ? "-inf" : "inf");
    // The fewest significant digits that read back as the same double.
    char buf[64];
    int precision = 1;
    for (; precision < 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision - 1, v);
        if (parseDecimal(std::string(buf + (v < 0 ? 1 : 0))) == std::fabs(v))
            break;
    }
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, v);
    // buf is [-]d[.ddd]e[+-]xx: gather the digits and the exponent.
    std::string text(buf);
    const bool negative = text[0] == '-';
    const size_t e = text.find_first_of("eE");
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (isDigit(text[i]))
            digits.push_back(text[i]);
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string out;
    if (exponent >= 0) {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    } else {
        out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    return negative ? "-" + out : out;
}

double roundToSignificant15(double v) {
    if (!std::isfinite(v) || v == 0)
        return v;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    const double rounded = parseDecimal(buf);
    return v < 0 ? -rounded : rounded;
}

} // namespace zt41::kernel
