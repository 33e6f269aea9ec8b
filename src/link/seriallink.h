// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace zt41 {

// Why a port did not open, as a value: each front end words it. A port that
// exists but is not permitted or is held by another program counts as
// unavailable all the same.
struct PortOpenFailure {
    enum class Kind {
        None,
        NotMapped,       // no device is mapped to the port number
        Missing,         // no such device
        Busy,            // another program holds it
        NoPermission,    // the user may not open it; `group` grants access when known
        SettingsRefused, // it opened but refused 1200 bit/s 8N1
        Other,
    };

    Kind kind = Kind::None;
    int port = 0;   // the port number, 1 to 8
    QString device; // empty when not mapped
    QString group;
    QString detail; // the system's own words, for SettingsRefused and Other

    bool isFailure() const { return kind != Kind::None; }
    // Busy and no permission are worth telling the user about: the port is there.
    bool portIsThere() const { return kind == Kind::Busy || kind == Kind::NoPermission; }
    bool operator==(const PortOpenFailure&) const = default;
};

// The one serial port through which the program talks to the radio, as the
// rest of the program uses it: a port number 1 to 8 (COM1 to COM8) selected
// while closed, open and close, one character at a time in, text out.
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 8;

    // Changes the port number; ignored while the port is open.
    virtual void selectPort(int number) = 0;
    virtual int portNumber() const = 0;
    // Tries to open the selected port. A port that is missing, busy or not
    // permitted stays closed; openFailure() then says why.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Why the last open() failed; Kind::None after a successful one.
    virtual PortOpenFailure openFailure() const = 0;

    // The oldest waiting character, or empty text when nothing waits.
    virtual QString readChar() = 0;
    virtual qint64 waitingCount() const = 0;
    // Drops every character that is waiting.
    virtual void discardInput() = 0;
    // Sends the text byte for byte; false when the port is not open or the
    // text could not be handed to the line.
    virtual bool send(const QByteArray& text) = 0;
    // A hint that nothing needs to know of input before `bytes` characters
    // wait (1, the default, announces every character). A reader that knows
    // how much is coming is woken once per frame instead of once per byte.
    virtual void setWakeThreshold(int /*bytes*/) {}
    // Whether the selected port, once lost, may come back as the same thing
    // under its name (a cable plugged in again). A pseudo-terminal's number
    // never does: it goes to the next program that asks for one.
    virtual bool mayComeBack() const { return true; }

Q_SIGNALS:
    void inputArrived();
    // The other end went away; the port has been (or is being) closed.
    void linkLost(const QString& reason);
};

} // namespace zt41
