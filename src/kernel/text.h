// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Text helpers over UTF-8 that decide as the window's text handling did: what
// counts as a blank is what Qt's QChar::isSpace counts (the tests pin both).

#include <string>
#include <string_view>

namespace zt41::kernel {

// Whether a code point is white space: tab to carriage return, space, U+0085,
// no-break space and the Unicode space separators.
bool isSpaceCodePoint(char32_t c);

// The text without white space at either end.
std::string trimmed(std::string_view text);

// The number of characters (UTF-16 units, as the window counts them) of a text.
std::size_t utf16Length(std::string_view text);

// The first `units` UTF-16 units of a text, never cutting a character in two.
std::string leftUtf16(std::string_view text, std::size_t units);

// Decodes one UTF-8 character at `pos` and moves `pos` past it; malformed
// bytes read as U+FFFD one byte at a time, as Qt reads them.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);

// Appends a code point as UTF-8.
void appendUtf8(std::string& out, char32_t c);

} // namespace zt41::kernel

namespace zt41::kernel {

// The text with every byte that is no part of a UTF-8 character replaced by
// U+FFFD, as Qt decodes it; valid UTF-8 comes back unchanged.
std::string validUtf8(std::string_view bytes);

// Whether the bytes are UTF-8 throughout.
inline bool isValidUtf8(std::string_view bytes) {
    return validUtf8(bytes) == bytes;
}

} // namespace zt41::kernel
