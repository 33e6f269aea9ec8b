// SPDX-License-Identifier: GPL-3.0-or-later
// doctor: what is wrong between the computer and the radio, port by port.

#include "channeltext.h"
#include "commandline.h"
#include "commands.h"
#include "exitstatus.h"
#include "link/connectioncheck.h"
#include "words.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zt41::cli {

namespace {

QString answerKey(RadioAnswer a) {
    switch (a) {
    case RadioAnswer::NotAsked:
        return QStringLiteral("not asked");
    case RadioAnswer::Ready:
        return QStringLiteral("ready");
    case RadioAnswer::Silent:
        return QStringLiteral("silent");
    case RadioAnswer::Echo:
        return QStringLiteral("echo");
    case RadioAnswer::Other:
        return QStringLiteral("other");
    }
    return QString();
}

QString holdersText(const QList<ProcessInfo>& holders) {
    QStringList out;
    for (const ProcessInfo& p : holders)
        out << QStringLiteral("%1 (pid %2)").arg(p.command).arg(p.pid);
    return out.join(QStringLiteral(", "));
}

// What was found, then one line of advice for each problem.
QStringList portLines(const PortCheck& c) {
    QStringList lines;
    if (!c.vendorId.isEmpty())
        lines << Words::tr("USB %1:%2%3, driver %4")
                     .arg(c.vendorId, c.productId,
                          c.chip.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(c.chip),
                          c.driver.isEmpty() ? Words::tr("none") : c.driver);
    using Kind = PortOpenFailure::Kind;
    switch (c.openFailure.kind) {
    case Kind::None:
        lines << Words::tr("opens");
        break;
    case Kind::Busy:
        lines << describeOpenFailure(c.openFailure);
        lines << (c.holders.isEmpty()
                      ? Words::tr("advice: close the other program that uses the cable")
                      : Words::tr("advice: close %1, which holds it").arg(holdersText(c.holders)));
        break;
    case Kind::NoPermission:
        lines << describeOpenFailure(c.openFailure);
        lines << (c.userInGroup
                      ? Words::tr("advice: you are in group %1 already: log out and in again")
                            .arg(c.group)
                      : Words::tr("advice: sudo adduser $USER %1, then log out and in again")
                            .arg(c.group));
        break;
    case Kind::Missing:
        lines << describeOpenFailure(c.openFailure);
        lines << Words::tr("advice: plug the cable in; if it is in, the system does not take its "
                           "chip (see dmesg)");
        break;
    default:
        lines << describeOpenFailure(c.openFailure);
        break;
    }
    switch (c.answer) {
    case RadioAnswer::Ready:
        lines << Words::tr("a radio answers \"C\": ready");
        break;
    case RadioAnswer::Silent:
        lines << Words::tr("no answer to \"C\" within a second");
        lines << Words::tr("advice: switch the radio on, push the plug fully home, and check "
                           "that this is the radio's port");
        break;
    case RadioAnswer::Echo:
        lines << Words::tr("our own bytes came back");
        lines << Words::tr("advice: a looped cable, or a device that is not the radio");
        break;
    case RadioAnswer::Other:
        lines << Words::tr("an unexpected answer: %1")
                     .arg(QString::fromLatin1(c.answerBytes.toHex(' ')));
        lines << Words::tr("advice: not a ZT41, or a line at another speed");
        break;
    case RadioAnswer::NotAsked:
        break;
    }
    return lines;
}

QString serviceAdvice(const ProcessInfo& s) {
    if (s.command == u"brltty")
        return Words::tr("brltty (pid %1) runs: it claims CH340 cables for braille displays; "
                         "without one, sudo apt remove brltty")
            .arg(s.pid);
    return Words::tr("%1 (pid %2) runs: it probes new serial ports; the program's udev rule keeps "
                     "it off radio cables, or stop it while programming")
        .arg(s.command)
        .arg(s.pid);
}

QJsonObject portJson(const PortCheck& c) {
    QJsonArray holders;
    for (const ProcessInfo& p : c.holders)
        holders.append(QJsonObject{{"pid", p.pid}, {"command", p.command}});
    return {{"device", c.device},
            {"real", c.realPath},
            {"names", QJsonArray::fromStringList(c.names)},
            {"vendor", c.vendorId},
            {"product", c.productId},
            {"chip", c.chip},
            {"driver", c.driver},
            {"opens", c.openFailure.kind == PortOpenFailure::Kind::None},
            {"problem", c.openFailure.kind == PortOpenFailure::Kind::None
                            ? QString()
                            : describeOpenFailure(c.openFailure)},
            {"holders", holders},
            {"answer", answerKey(c.answer)},
            {"bytes", QString::fromLatin1(c.answerBytes.toHex())}};
}

} // namespace

int doctorCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Words::tr(
        "Checks every serial port (or those given with --port): the device and its USB chip and "
        "driver, whether it opens and, if not, why and who holds it, services that take serial "
        "ports away, and what answers \"?C\" within a second (a radio answers \"C\"; a \"?\" "
        "coming back is an echo). Exit status 0 when a radio "
        "answered, 2 when none did."));
    parser.addOption(portOption());
    parser.addOption(portsOption());
    parser.addOption(jsonOption());
    parser.addHelpOption();
    int status = kDone;
    if (!parseCommand(parser, arguments, &status))
        return status;
    if (!parser.positionalArguments().isEmpty()) {
        complain(Words::tr("doctor takes no arguments"));
        return kUsage;
    }
    QString error;
    const std::optional<PortMap> map = portMapOf(parser, &error);
    if (!map) {
        complain(error);
        return kUsage;
    }
    ConnectionCheck check;
    QStringList devices;
    if (parser.isSet(QStringLiteral("port"))) {
        const std::optional<QList<PortChoice>> ports = choosePorts(parser, &error);
        if (!ports) {
            complain(error);
            return kUsage;
        }
        for (const PortChoice& p : *ports)
            devices << p.device;
    } else {
        devices = check.candidates(*map);
    }
    QEventLoop loop;
    QObject::connect(&check, &ConnectionCheck::finished, &loop, &QEventLoop::quit);
    check.start(devices, *map);
    loop.exec();
    const ConnectionReport& report = check.report();

    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray ports, services;
        for (const PortCheck& c : report.ports)
            ports.append(portJson(c));
        for (const ProcessInfo& s : report.services)
            services.append(QJsonObject{{"pid", s.pid}, {"command", s.command}});
        writeOut(QString::fromUtf8(QJsonDocument(QJsonObject{{"command", "doctor"},
                                                             {"radio", report.radioAnswered()},
                                                             {"ports", ports},
                                                             {"services", services}})
                                       .toJson(QJsonDocument::Indented)));
    } else {
        QString text;
        if (report.ports.isEmpty())
            text += Words::tr("no serial port found: plug the cable in (see dmesg)") + u'\n';
        for (const PortCheck& c : report.ports) {
            QStringList names = c.names;
            if (c.realPath != c.device)
                names.prepend(c.realPath);
            names.removeAll(c.device);
            text += names.isEmpty() ? c.device + u'\n'
                                    : QStringLiteral("%1 (%2)\n").arg(c.device, names.join(", "));
            for (const QString& line : portLines(c))
                text += QStringLiteral("  ") + line + u'\n';
        }
        for (const ProcessInfo& s : report.services)
            text += serviceAdvice(s) + u'\n';
        writeOut(text);
    }
    return report.radioAnswered() ? kDone : kPortOrRadio;
}

} // namespace zt41::cli
