// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Everything the programs ask of the operating system beyond what Qt offers,
// in one place: holding a serial port for one program, the terminal, signals,
// a child process that ends with its parent, which device a name is, and the
// folders where the system names serial ports. Implemented for Linux and
// other POSIX systems (platform_posix.cpp). Owners on Windows and macOS use
// the page, zt41.html, which needs none of this; a Windows build of the
// window would add platform_windows.cpp beside it.

#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

namespace zt41::platform {

// The folder of links that name serial ports by their maker and serial
// number, under a /dev root (tests give their own).
QString serialByIdFolder(const QString& devRoot = QStringLiteral("/dev"));

// Where a programming line looks for new cables: the named links first.
QStringList cableFolders();

// Holds an open port for this program alone (a second open fails as busy),
// and lets go of it before closing. `handle` is the port's descriptor.
void holdPortExclusively(qintptr handle);
void releasePortExclusively(qintptr handle);

// Wake a reader only once `bytes` characters wait on the port (1 to 255).
void setPortWakeThreshold(qintptr handle, int bytes);

// Whether standard output is a terminal, and its width in columns (0 when unknown).
bool standardOutputIsTerminal();
int terminalColumns();

// The major and minor number of a character device, or nothing when the
// name is no character device.
struct DeviceNumbers {
    unsigned major = 0;
    unsigned minor = 0;
};
std::optional<DeviceNumbers> characterDevice(const QString& path);

// The kernel's name for the subsystem of a character device, read from sysfs
// under `sysRoot` ("tty" for a serial port).
QString deviceSubsystem(const QString& sysRoot, DeviceNumbers numbers);

// Termination signals (SIGTERM, SIGINT, SIGHUP) turned into bytes on a pipe
// that an event loop can watch: the handler only writes the signal's number.
class SignalPipe {
public:
    SignalPipe() = default;
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    // Opens the pipe and installs the handlers; false with `error` set when
    // the system refuses. One pipe per process.
    bool install(QString& error);
    // The end to watch for reading; -1 before install().
    int readEnd() const;
    // The next signal's number, or 0 when none is waiting.
    int takeSignal();
};

// The child started by `process` receives SIGTERM when this program ends,
// even by SIGKILL, and does not start at all when this program is gone.
void endChildWithParent(QProcess& process);

} // namespace zt41::platform
