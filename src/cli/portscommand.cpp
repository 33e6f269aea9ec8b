// ports: which ports there are, whether they open, and with --probe whether
// a radio answers on them.

#include "channeltext.h"
#include "commands.h"
#include "exitstatus.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "link/qserialportlink.h"
#include "link/rowstore.h"

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
        return QStringLiteral("not mapped");
    if (e.failure.isFailure())
        return describeOpenFailure(e.failure);
    if (!probed)
        return QStringLiteral("opens");
    return e.answered ? QStringLiteral("opens; a radio answers")
                      : QStringLiteral("opens; no radio answers");
}

} // namespace

int portsCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists COM1 to COM8 and every /dev/serial/by-id link with its device, and whether it "
        "opens, is busy or may not be opened."));
    const QCommandLineOption probe(QStringLiteral("probe"),
                                   QStringLiteral("Also send \"C\" and say whether a radio "
                                                  "answers within a second."));
    const QCommandLineOption ports(QStringLiteral("ports"),
                                   QStringLiteral("COM1, COM2, ... are these devices."),
                                   QStringLiteral("DEV1,DEV2,..."));
    parser.addOption(probe);
    parser.addOption(ports);
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "zt41-cli: %s\n", qPrintable(parser.errorText()));
        return kUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return kDone;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "zt41-cli: ports takes no arguments\n");
        return kUsage;
    }
    PortMap map = PortMap::platformDefault();
    if (parser.isSet(ports)) {
        QString why;
        const std::optional<PortMap> given = PortMap::fromList(parser.value(ports), &why);
        if (!given) {
            std::fprintf(stderr, "zt41-cli: --ports: %s\n", qPrintable(why));
            return kUsage;
        }
        map = *given;
    }

    std::vector<PortEntry> entries;
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n)
        entries.push_back({QStringLiteral("COM%1").arg(n), map.device(n), {}, {}, {}, {}, false});
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
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

    qsizetype nameWidth = 4, deviceWidth = 6;
    for (const PortEntry& e : entries) {
        nameWidth = qMax(nameWidth, e.name.size());
        deviceWidth = qMax(deviceWidth, e.device.size());
    }
    std::printf("%s  %s  STATE\n", qPrintable(QStringLiteral("PORT").leftJustified(nameWidth)),
                qPrintable(QStringLiteral("DEVICE").leftJustified(deviceWidth)));
    for (const PortEntry& e : entries)
        std::printf(
            "%s  %s  %s\n", qPrintable(e.name.leftJustified(nameWidth)),
            qPrintable(
                (e.device.isEmpty() ? QStringLiteral("-") : e.device).leftJustified(deviceWidth)),
            qPrintable(stateOf(e, parser.isSet(probe))));
    return kDone;
}

} // namespace zt41::cli
