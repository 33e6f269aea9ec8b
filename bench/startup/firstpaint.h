// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Prints the time since the shell's ZT41_BENCH_T0 (nanoseconds since the
// epoch, taken just before the program was started) and the peak resident
// memory when the watched window first paints, then ends the process at once.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const char* t0 = std::getenv("ZT41_BENCH_T0");
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
            const double ms = t0 ? (now - std::atoll(t0)) / 1e6 : -1;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first-paint-ms %.1f peak-rss-kb %ld\n", ms, usage.ru_maxrss);
            std::fflush(stdout);
            _exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};
