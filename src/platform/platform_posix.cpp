// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace zt41::platform {

QString serialByIdFolder(const QString& devRoot) {
    return devRoot + QStringLiteral("/serial/by-id");
}

QStringList cableFolders() {
    return {serialByIdFolder(), QStringLiteral("/dev")};
}

void holdPortExclusively(qintptr handle) {
#ifdef TIOCEXCL
    // A second open() of the device fails with EBUSY (except for a process
    // with CAP_SYS_ADMIN; Qt's lock file stops that one).
    ::ioctl(static_cast<int>(handle), TIOCEXCL);
#else
    Q_UNUSED(handle);
#endif
}

void releasePortExclusively(qintptr handle) {
#ifdef TIOCNXCL
    ::ioctl(static_cast<int>(handle), TIOCNXCL);
#else
    Q_UNUSED(handle);
#endif
}

void setPortWakeThreshold(qintptr handle, int bytes) {
    // With no inter-character time, the terminal reports the port readable
    // only once VMIN characters wait; reads still take whatever is there.
    termios settings{};
    if (::tcgetattr(static_cast<int>(handle), &settings) != 0)
        return;
    settings.c_cc[VMIN] = static_cast<cc_t>(bytes);
    settings.c_cc[VTIME] = 0;
    ::tcsetattr(static_cast<int>(handle), TCSANOW, &settings);
}

bool standardOutputIsTerminal() {
    return ::isatty(STDOUT_FILENO);
}

int terminalColumns() {
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0)
        return 0;
    return size.ws_col;
}

std::optional<DeviceNumbers> characterDevice(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISCHR(info.st_mode))
        return std::nullopt;
    return DeviceNumbers{::major(info.st_rdev), ::minor(info.st_rdev)};
}

QString deviceSubsystem(const QString& sysRoot, DeviceNumbers numbers) {
    const QString subsystem = QFileInfo(QStringLiteral("%1/dev/char/%2:%3/subsystem")
                                            .arg(sysRoot)
                                            .arg(numbers.major)
                                            .arg(numbers.minor))
                                  .symLinkTarget();
    return QFileInfo(subsystem).fileName();
}

namespace {

// The self-pipe: the handler may only do async-signal-safe things, and a
// write to a pipe is one of them.
int g_pipe[2] = {-1, -1};
constexpr std::array kWatched = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalPipe::~SignalPipe() {
    if (g_pipe[0] < 0)
        return;
    for (const int s : kWatched)
        std::signal(s, SIG_DFL);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

bool SignalPipe::install(QString& error) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = QStringLiteral("pipe2: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kWatched) {
        if (::sigaction(s, &action, nullptr) != 0) {
            error =
                QStringLiteral("sigaction: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
    }
    return true;
}

int SignalPipe::readEnd() const {
    return g_pipe[0];
}

int SignalPipe::takeSignal() {
    unsigned char byte = 0;
    return g_pipe[0] >= 0 && ::read(g_pipe[0], &byte, 1) == 1 ? byte : 0;
}

void endChildWithParent(QProcess& process) {
#ifdef Q_OS_LINUX
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        // Runs in the child before exec.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(1);
    });
#else
    Q_UNUSED(process);
#endif
}

} // namespace zt41::platform
