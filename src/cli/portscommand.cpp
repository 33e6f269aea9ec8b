// SPDX-License-Identifier: GPL-3.0-or-later
// ports: which ports there are, whether they open, and with --probe whether
// a radio answers on them.

#include "channeltext.h"
#include "commandline.h"
#include "commands.h"
#include "exitstatus.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "link/rowstore.h"
#include "platform/platform.h"
#include "words.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace zt41::cli {

namespace {

constexpr int kProbeMs = 1000;

struct PortEntry {
    QString name;
    QString device;
    PortOpenFailure failure;
    std::unique_ptr<QSerialPortLink> link; // open while probing
    std::unique_ptr<FixedRows> rows;
    std::unique_ptr<LinkSession> session;
    bool answered = false;
};

QString stateOf(const PortEntry& e, bool probed) {
    if (e.device.isEmpty())
        return Words::tr("not mapped");
    if (e.failure.isFailure())
        return describeOpenFailure(e.failure);
    if (!probed)
        return Words::tr("opens");
    return e.answered ? Words::tr("opens; a radio answers") : Words::tr("opens; no radio answers");
}

} // namespace

int portsCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Lists COM1 to COM8 and every /dev/serial/by-id link with its device, and "
                  "whether it opens, is busy or may not be opened."));
    const QCommandLineOption probe(
        QStringLiteral("probe"),
        Words::tr("Also send \"C\" and say whether a radio answers within a second."));
    const QCommandLineOption ports(QStringLiteral("ports"),
                                   Words::tr("COM1, COM2, ... are these devices."),
                                   QStringLiteral("DEV1,DEV2,..."));
    parser.addOption(probe);
    parser.addOption(ports);
    parser.addHelpOption();
    int status = kDone;
    if (!parseCommand(parser, arguments, &status))
        return status;
    if (!parser.positionalArguments().isEmpty()) {
        complain(Words::tr("ports takes no arguments"));
        return kUsage;
    }
    PortMap map = PortMap::platformDefault();
    if (parser.isSet(ports)) {
        QString why;
        const std::optional<PortMap> given = PortMap::fromList(parser.value(ports), &why);
        if (!given) {
            complain(Words::tr("--ports: %1").arg(why));
            return kUsage;
        }
        map = *given;
    }

    std::vector<PortEntry> entries;
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n)
        entries.push_back({QStringLiteral("COM%1").arg(n), map.device(n), {}, {}, {}, {}, false});
    const QDir byId(platform::serialByIdFolder());
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        entries.push_back(
            {link.absoluteFilePath(), link.canonicalFilePath(), {}, {}, {}, {}, false});

    for (PortEntry& e : entries) {
        if (e.device.isEmpty())
            continue;
        e.link = std::make_unique<QSerialPortLink>(*PortMap::fromList(e.device));
        if (!e.link->open()) {
            e.failure = e.link->openFailure();
            e.link.reset();
            continue;
        }
        if (!parser.isSet(probe)) {
            e.link.reset();
            continue;
        }
        e.rows = std::make_unique<FixedRows>();
        e.session = std::make_unique<LinkSession>(*e.link, *e.rows);
        QObject::connect(e.session.get(), &LinkSession::readyChanged,
                         [&e](bool ready) { e.answered = e.answered || ready; });
        e.session->startPollNow();
    }
    if (parser.isSet(probe)) {
        // Every port is asked at once; a radio answers the first "C" within a tenth of a second.
        QEventLoop loop;
        QTimer::singleShot(kProbeMs, &loop, &QEventLoop::quit);
        loop.exec();
        for (PortEntry& e : entries) {
            e.session.reset();
            e.link.reset();
        }
    }

    const QString portHead = Words::tr("PORT");
    const QString deviceHead = Words::tr("DEVICE");
    qsizetype nameWidth = displayWidth(portHead), deviceWidth = displayWidth(deviceHead);
    for (const PortEntry& e : entries) {
        nameWidth = qMax(nameWidth, displayWidth(e.name));
        deviceWidth = qMax(deviceWidth, displayWidth(e.device));
    }
    QString text = padRight(portHead, nameWidth) + QStringLiteral("  ") +
                   padRight(deviceHead, deviceWidth) + QStringLiteral("  ") + Words::tr("STATE") +
                   u'\n';
    for (const PortEntry& e : entries)
        text += padRight(e.name, nameWidth) + QStringLiteral("  ") +
                padRight(e.device.isEmpty() ? QStringLiteral("-") : e.device, deviceWidth) +
                QStringLiteral("  ") + stateOf(e, parser.isSet(probe)) + u'\n';
    writeOut(text);
    return kDone;
}

} // namespace zt41::cli
