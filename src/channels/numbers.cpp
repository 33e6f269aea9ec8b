#include "numbers.h"

#include <QLocale>

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
    bool positiveExponent = true;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) {
            positiveExponent = s[e] == '+';
            ++e;
        }
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e]))
                ++e;
            pos = e;
        } else {
            positiveExponent = true;
        }
    }

    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + pos, value);
    if (ec == std::errc::result_out_of_range) {
        value = positiveExponent ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        return 0;
    }
    (void)ptr;
    return negative ? -value : value;
}

double numericValue(const FieldValue& value) {
    return value ? numericValue(*value) : 0.0;
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
