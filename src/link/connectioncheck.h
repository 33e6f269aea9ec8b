// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seriallink.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace zt41 {

class QSerialPortLink;
class PortMap;

// Where the system shows its devices, processes and USB details; tests give
// a tree of their own.
struct SystemRoots {
    QString dev = QStringLiteral("/dev");
    QString sys = QStringLiteral("/sys");
    QString proc = QStringLiteral("/proc");
};

struct ProcessInfo {
    qint64 pid = 0;
    QString command;
    bool operator==(const ProcessInfo&) const = default;
};

// What the radio said to "?" and "C" within a second.
enum class RadioAnswer {
    NotAsked, // the port did not open
    Ready,    // "C": a radio is there and ready
    Silent,   // nothing at all
    Echo,     // our own bytes came back: a looped cable, or no radio behind it
    Other,    // something else: `answerBytes`
};

// Everything found out about one port, as values; each front end words it.
struct PortCheck {
    QString device;    // the device as named (the by-id link, the port map's entry)
    QString realPath;  // links resolved
    QStringList names; // COM1, by-id links: every name the device goes by
    QString vendorId, productId, chip, driver; // USB devices only
    PortOpenFailure openFailure;               // Kind::None: it opened
    QString group;                             // owner group, when permission is refused
    bool userInGroup = false;
    QList<ProcessInfo> holders; // who has it open, when busy
    RadioAnswer answer = RadioAnswer::NotAsked;
    QByteArray answerBytes;
};

struct ConnectionReport {
    QList<PortCheck> ports;
    QList<ProcessInfo> services; // brltty, ModemManager: they take serial ports away
    bool radioAnswered() const;
};

// The connection check: every candidate port (the port map's COM1..COM8
// devices, /dev/serial/by-id/*, /dev/ttyUSB*, /dev/ttyACM*), what the system
// says of it, whether it opens and what answers "C". The ports are asked at
// once; finished() comes about a second after start().
class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kAnswerMs = 1000;

    explicit ConnectionCheck(SystemRoots roots = {}, QObject* parent = nullptr);
    ~ConnectionCheck() override;

    // The devices worth checking; one entry per real device.
    QStringList candidates(const PortMap& map) const;
    // What the file system says of one device, without opening it.
    PortCheck inspect(const QString& device) const;
    QList<ProcessInfo> services() const;

    // Checks `devices` (names as given; COM names from `map` come in their names).
    void start(const QStringList& devices, const PortMap& map);
    // Collects the answers now (tests call it instead of waiting).
    void tick();
    const ConnectionReport& report() const { return m_report; }

    static QString chipName(const QString& vendorId, const QString& productId);

Q_SIGNALS:
    void finished();

private:
    QList<ProcessInfo> processesWith(const std::function<bool(const QString& pid)>& test) const;

    SystemRoots m_roots;
    ConnectionReport m_report;
    std::vector<std::unique_ptr<QSerialPortLink>> m_links; // index as m_report.ports
    bool m_running = false;
};

} // namespace zt41
