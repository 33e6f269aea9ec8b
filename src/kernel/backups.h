// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The backups' names and order: one channel file per backup, named by the
// time it was taken and the port, "20261209-100000-000-COM1.doc", a second
// one of the same millisecond and port "...-COM1-2.doc"; newest first.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt41::kernel {

// A local date and time to the millisecond.
struct BackupStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    bool operator==(const BackupStamp&) const = default;
};

// "/dev/serial/by-id/usb-x" gives "dev-serial-by-id-usb-x": every run of
// characters other than letters, digits, "_", "." and "-" becomes one "-",
// leading ones go; nothing left gives "port".
std::string backupPortTag(std::string_view port);

// The file name of a backup; `copy` 1 for the first of its millisecond and
// port, 2 and on for the next.
std::string backupFileName(const BackupStamp& stamp, std::string_view port, int copy = 1);

// What a backup's file name says: its stamp as written ("yyyyMMdd-HHmmss-zzz")
// and as a date when it is one, and the port's tag.
struct BackupName {
    std::string stampText;
    std::optional<BackupStamp> stamp; // nothing when the digits are no real date and time
    std::string port;
};
// Nothing when the name is not one the backups are given.
std::optional<BackupName> parseBackupFileName(std::string_view fileName);

// A listed backup as the order sees it: its time (as a count that grows with
// it; nothing for none) and its path.
struct BackupOrderKey {
    std::optional<std::int64_t> time;
    std::string path;
};
// The positions of the backups, newest first; those of one time by path,
// the greater first (the compare is the one of UTF-16 text); those with no time last.
std::vector<std::size_t> newestFirst(const std::vector<BackupOrderKey>& backups);

// A count of milliseconds that grows with the stamp, for the order.
std::int64_t stampOrderValue(const BackupStamp& stamp);

} // namespace zt41::kernel
