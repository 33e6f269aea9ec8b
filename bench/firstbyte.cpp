// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-firstbyte: how long a program takes from its start to the first byte
// it sends on a serial port, measured on a pseudo-terminal; or, with --exit,
// from its start to its end (for `true`, the floor of starting anything).
// Run by bench/fleet.sh.
//
// Usage: zt41-firstbyte RUNS [--exit] -- PROGRAM ARGS...   ("{}" in ARGS is the port)
// Prints the median and the smallest time in milliseconds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWaitMs = 10000;

double once(bool untilExit, const std::vector<std::string>& command) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return -1;
    const std::string slave = ::ptsname(master);
    std::vector<std::string> args = command;
    for (std::string& a : args)
        if (a == "{}")
            a = slave;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(master);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    double ms = -1;
    if (untilExit) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    } else {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, kWaitMs) == 1 && (p.revents & POLLIN))
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    ::close(master);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    int i = 1;
    const int runs = argc > 1 ? std::atoi(argv[i++]) : 0;
    bool untilExit = false;
    if (i < argc && std::strcmp(argv[i], "--exit") == 0) {
        untilExit = true;
        ++i;
    }
    if (runs < 1 || i >= argc || std::strcmp(argv[i], "--") != 0 || i + 1 >= argc) {
        std::fprintf(stderr, "usage: zt41-firstbyte RUNS [--exit] -- PROGRAM ARGS...\n");
        return 1;
    }
    const std::vector<std::string> command(argv + i + 1, argv + argc);
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const double ms = once(untilExit, command);
        if (ms < 0) {
            std::fprintf(stderr, "zt41-firstbyte: no byte from %s\n", command[0].c_str());
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f\n", times[times.size() / 2], times.front());
    return 0;
}
