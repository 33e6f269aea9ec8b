// SPDX-License-Identifier: GPL-3.0-or-later
#include "backups.h"

#include "text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zt41::kernel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

bool isTagCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c) || c == '_' || c == '.' ||
           c == '-';
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isRealStamp(const BackupStamp& s) {
    return s.year != 0 && s.month >= 1 && s.month <= 12 && s.day >= 1 &&
           s.day <= daysInMonth(s.year, s.month) && s.hour < 24 && s.minute < 60 && s.second < 60;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::u16string utf16(std::string_view text) {
    std::u16string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = nextCodePoint(text, pos);
        if (c >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

} // namespace

std::string backupPortTag(std::string_view port) {
    std::string tag;
    bool inRun = false;
    for (char c : port) {
        if (isTagCharacter(c))
            tag += c;
        else if (!inRun)
            tag += '-';
        inRun = !isTagCharacter(c);
    }
    tag.erase(0, std::min(tag.find_first_not_of('-'), tag.size()));
    return tag.empty() ? "port" : tag;
}

std::string backupFileName(const BackupStamp& s, std::string_view port, int copy) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%s%04d%02d%02d-%02d%02d%02d-%03d", s.year < 0 ? "-" : "",
                  std::abs(s.year), s.month, s.day, s.hour, s.minute, s.second, s.millisecond);
    std::string name = std::string(stamp) + '-' + backupPortTag(port);
    if (copy > 1)
        name += '-' + std::to_string(copy);
    return name + ".doc";
}

std::optional<BackupName> parseBackupFileName(std::string_view name) {
    // A final line feed may follow ".doc", as a pattern's "$" allows it.
    if (name.ends_with('\n'))
        name.remove_suffix(1);
    constexpr std::size_t kStampLength = 19; // yyyyMMdd-HHmmss-zzz
    if (name.size() <= kStampLength + 1 + 4 || !name.ends_with(".doc") ||
        !allDigits(name.substr(0, 8)) || name[8] != '-' || !allDigits(name.substr(9, 6)) ||
        name[15] != '-' || !allDigits(name.substr(16, 3)) || name[kStampLength] != '-')
        return std::nullopt;
    const std::string_view body = name.substr(kStampLength + 1, name.size() - kStampLength - 5);
    if (body.find('\n') != std::string_view::npos)
        return std::nullopt;
    // The shortest port the rest allows: a copy's "-2" is no part of it.
    std::string_view port = body;
    const std::size_t dash = body.rfind('-');
    if (dash != std::string_view::npos && dash > 0 && allDigits(body.substr(dash + 1)))
        port = body.substr(0, dash);

    BackupName out;
    out.stampText = std::string(name.substr(0, kStampLength));
    out.port = std::string(port);
    const BackupStamp stamp{number(name.substr(0, 4)),  number(name.substr(4, 2)),
                            number(name.substr(6, 2)),  number(name.substr(9, 2)),
                            number(name.substr(11, 2)), number(name.substr(13, 2)),
                            number(name.substr(16, 3))};
    if (isRealStamp(stamp))
        out.stamp = stamp;
    return out;
}

std::int64_t stampOrderValue(const BackupStamp& s) {
    const std::int64_t day = daysFromCivil(s.year, s.month, s.day);
    return ((day * 24 + s.hour) * 60 + s.minute) * 60000 + s.second * 1000 + s.millisecond;
}

std::vector<std::size_t> newestFirst(const std::vector<BackupOrderKey>& backups) {
    std::vector<std::u16string> paths;
    paths.reserve(backups.size());
    for (const BackupOrderKey& b : backups)
        paths.push_back(utf16(b.path));
    std::vector<std::size_t> order(backups.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& ta = backups[a].time;
        const auto& tb = backups[b].time;
        if (ta != tb)
            return tb < ta; // a time before none, a later one before an earlier one
        return paths[a] > paths[b];
    });
    return order;
}

} // namespace zt41::kernel
