// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

namespace zt41::kernel {

bool isSpaceCodePoint(char32_t c) {
    return (c >= 0x09 && c <= 0x0d) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f ||
           c == 0x205f || c == 0x3000;
}

char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(pos);
    int extra = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xe0) == 0xc0) {
        extra = 1, c = lead & 0x1f, least = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        extra = 2, c = lead & 0x0f, least = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        extra = 3, c = lead & 0x07, least = 0x10000;
    } else {
        ++pos;
        return 0xfffd;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return 0xfffd;
    }
    for (int i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xc0) != 0x80) {
            ++pos;
            return 0xfffd;
        }
        c = (c << 6) | (byte(pos + i) & 0x3f);
    }
    if (c < least || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff)) {
        ++pos;
        return 0xfffd;
    }
    pos += extra + 1;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    }
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t next = begin;
        if (!isSpaceCodePoint(nextCodePoint(text, next)))
            break;
        begin = next;
    }
    // From the end: find the last character that is not a blank.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const bool space = isSpaceCodePoint(nextCodePoint(text, pos));
        if (!space)
            end = pos;
    }
    return std::string(text.substr(begin, end - begin));
}

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < text.size();)
        units += nextCodePoint(text, pos) >= 0x10000 ? 2 : 1;
    return units;
}

std::string leftUtf16(std::string_view text, std::size_t units) {
    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        const std::size_t width = nextCodePoint(text, next) >= 0x10000 ? 2 : 1;
        if (used + width > units)
            break;
        used += width;
        pos = next;
    }
    return std::string(text.substr(0, pos));
}

} // namespace zt41::kernel

namespace zt41::kernel {

std::string validUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();)
        appendUtf8(out, nextCodePoint(bytes, pos));
    return out;
}

} // namespace zt41::kernel
