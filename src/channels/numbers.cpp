// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zt41 {

namespace {

bool isIgnoredBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of a decimal number's leading nonzero digit: 0 for "5",
// 2 for "0.5e3", -324 for "0." followed by 323 zeros and "1". The mantissa is
// s[start, mantissaEnd), its exponent (if any) s[mantissaEnd, end). Saturates
// far beyond any double's range, so that no text can overflow it.
long long decimalMagnitude(const std::string& s, size_t start, size_t mantissaEnd, size_t end) {
    constexpr long long kFar = 1'000'000'000;
    long long magnitude = 0;
    bool found = false;
    bool afterPoint = false;
    long long integerDigits = 0;
    for (size_t i = start; i < mantissaEnd && !found; ++i) {
        if (s[i] == '.') {
            afterPoint = true;
        } else if (s[i] != '0') {
            found = true;
        } else if (afterPoint) {
            magnitude = std::max(magnitude - 1, -kFar);
        }
    }
    if (!found)
        return -kFar; // all zeros: no magnitude at all
    // Count the digits from the leading nonzero one up to the point.
    if (!afterPoint) {
        size_t i = start;
        while (i < mantissaEnd && s[i] == '0')
            ++i;
        while (i < mantissaEnd && isDigit(s[i])) {
            ++i;
            integerDigits = std::min(integerDigits + 1, kFar);
        }
        magnitude = integerDigits - 1;
    } else {
        magnitude -= 1;
    }
    long long exponent = 0;
    bool negativeExponent = false;
    size_t e = mantissaEnd + 1;
    if (mantissaEnd < end) {
        if (s[e] == '+' || s[e] == '-') {
            negativeExponent = s[e] == '-';
            ++e;
        }
        for (; e < end; ++e)
            exponent = std::min(exponent * 10 + (s[e] - '0'), kFar);
    }
    return magnitude + (negativeExponent ? -exponent : exponent);
}

} // namespace

double numericValue(const QString& text) {
    // Only ASCII characters can take part in a number; anything else ends it.
    std::string s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (isIgnoredBlank(c))
            continue;
        s.push_back(c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f');
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
    const size_t mantissaEnd = pos;
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

    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + pos, value);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: the magnitude, not the exponent's sign, says which.
        value = decimalMagnitude(s, start, mantissaEnd, pos) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (ec != std::errc()) {
        return 0;
    }
    (void)ptr;
    return negative ? -value : value;
}

double numericValue(const FieldValue& value) {
    return value ? numericValue(*value) : 0.0;
}

bool isPlainNumber(const QString& text) {
    // Anchored at both ends: "$" alone would also match before a final line end.
    static const QRegularExpression number(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?")));
    return number.match(text).hasMatch();
}

double roundHalfEven(double v) {
    // nearbyint follows the default rounding mode, round-half-to-even.
    return std::nearbyint(v);
}

QString formatFixed(double v, int decimals) {
    QString s = QString::number(v, 'f', decimals);
    if (s.startsWith(u"0."))
        s.remove(0, 1);
    else if (s.startsWith(u"-0."))
        s.remove(1, 1);
    // A value that rounds to zero carries no sign.
    if (s.startsWith(u'-') && s.mid(1).count(u'0') == s.size() - 2)
        s.remove(0, 1);
    return s;
}

QString shortestDecimal(double v) {
    if (v == 0)
        return QStringLiteral("0");
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

double roundToSignificant15(double v) {
    if (!std::isfinite(v) || v == 0)
        return v;
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    double rounded = v;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

} // namespace zt41
