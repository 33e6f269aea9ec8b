// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric value of a text against a plain reference: the C library's
// strtod on the number found at the text's start.
#include "channels/numbers.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

double referenceValue(const QString& text) {
    std::string s;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        s += c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\x7f';
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        const int base = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
        double v = 0;
        for (size_t i = 2; base && i < s.size(); ++i) {
            const char c = s[i];
            const char lower = static_cast<char>(c | 0x20);
            const int d = isDigit(c)                     ? c - '0'
                          : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10
                                                         : 99;
            if (d >= base)
                break;
            v = v * base + d;
        }
        return v;
    }
    // The longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e]))
                ++e;
            i = e;
        }
    }
    // The fuzzer never sets a locale, so strtod's decimal point is ".".
    return std::strtod(s.substr(0, i).c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const double value = zt41::numericValue(text);
        const double expected = referenceValue(text);
        // Below the smallest normal double, 0 is as good as the nearest subnormal.
        const bool tiny = std::fabs(expected) < DBL_MIN;
        if (value != expected && !(tiny && value == 0)) {
            std::fprintf(stderr, "numericValue(\"%s\") = %.17g, the reference says %.17g\n",
                         qPrintable(text.left(200)), value, expected);
            std::abort();
        }
    }
    return 0;
}
