// SPDX-License-Identifier: GPL-3.0-or-later
// services, check and plan: the licence-free services and a channel set
// judged against one of them.

#include "channelinput.h"
#include "channels/radiopower.h"
#include "commandline.h"
#include "commands.h"
#include "exitstatus.h"
#include "files/filetarget.h"
#include "services/service.h"
#include "services/servicecheck.h"
#include "words.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace zt41::cli {

namespace {

void print(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

const QString& inLanguage(const TwoLanguages& text) {
    return speaksChinese() ? text.zh : text.en;
}

QCommandLineOption serviceOption() {
    return QCommandLineOption(QStringLiteral("service"),
                              Words::tr("The service, by its identifier (zt41-cli services)."),
                              QStringLiteral("ID"));
}

// Parses; gives false with the status to end with.
bool parseService(QCommandLineParser& parser, const QStringList& arguments, qsizetype files,
                  int* status) {
    parser.addHelpOption();
    return parseCommand(parser, arguments, status) && takesFiles(parser, arguments, files, status);
}

const Service* chosenService(const QCommandLineParser& parser) {
    const QString id = parser.value(QStringLiteral("service"));
    const Service* service = findService(id);
    if (!service) {
        QStringList ids;
        for (const Service& s : services())
            ids << s.id;
        complain(id.isEmpty() ? Words::tr("give the service with --service ID, one of: %1")
                                    .arg(ids.join(QStringLiteral(", ")))
                              : Words::tr("unknown service \"%1\"; the services are: %2")
                                    .arg(id, ids.join(QStringLiteral(", "))));
    }
    return service;
}

QString fieldWords(Field field) {
    switch (field) {
    case Field::Rf:
        return Words::tr("receive frequency");
    case Field::Tf:
        return Words::tr("transmit frequency");
    default:
        return Words::tr("power");
    }
}

QString findingLine(const Service& service, const ServiceFinding& f) {
    const QString& name = inLanguage(service.name);
    switch (f.kind) {
    case FindingKind::OffPlan:
        return Words::tr("channel %1: %2 %3 is not a channel of %4; the nearest is its channel "
                         "%5, %6 MHz")
            .arg(f.channel)
            .arg(fieldWords(f.field), f.value, name)
            .arg(f.nearest)
            .arg(f.nearestValue);
    case FindingKind::NotSimplex:
        return Words::tr("channel %1: transmit frequency %2 differs from the receive frequency, "
                         "and %3 allows no split or repeater offset; the nearest of its "
                         "channels is %4, %5 MHz")
            .arg(f.channel)
            .arg(f.value, name)
            .arg(f.nearest)
            .arg(f.nearestValue);
    case FindingKind::HighPower:
        return Words::tr("channel %1: power %2 is %3 W: %4 allows at most %5 W on it; make it "
                         "receive only (no transmit frequency)")
            .arg(f.channel)
            .arg(f.value)
            .arg(f.watts)
            .arg(name)
            .arg(f.limitWatts);
    }
    return QString();
}

QString kindKey(FindingKind kind) {
    switch (kind) {
    case FindingKind::OffPlan:
        return QStringLiteral("off-plan");
    case FindingKind::NotSimplex:
        return QStringLiteral("not-simplex");
    case FindingKind::HighPower:
        return QStringLiteral("high-power");
    }
    return QString();
}

QJsonObject findingJson(const ServiceFinding& f) {
    QJsonObject o{{QStringLiteral("channel"), f.channel},
                  {QStringLiteral("field"), QLatin1String(kFieldNames[int(f.field)])},
                  {QStringLiteral("kind"), kindKey(f.kind)},
                  {QStringLiteral("value"), f.value}};
    if (f.nearest)
        o.insert(QStringLiteral("nearest"),
                 QJsonObject{{QStringLiteral("channel"), f.nearest},
                             {QStringLiteral("frequency"), f.nearestValue}});
    if (f.kind == FindingKind::HighPower) {
        o.insert(QStringLiteral("watts"), f.watts);
        o.insert(QStringLiteral("limit"), f.limitWatts);
    }
    return o;
}

} // namespace

int servicesCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Lists the licence-free services that check and plan know: identifier, "
                  "name, channels, power limit and who may use them."));
    int status = kDone;
    if (!parseService(parser, arguments, 0, &status))
        return status;
    for (const Service& s : services()) {
        print(QStringLiteral("%1 %2\n").arg(padRight(s.id, 8), inLanguage(s.name)));
        print(QStringLiteral("         ") +
              Words::tr("%1 channels, %2 to %3 MHz, %4, at most %5")
                  .arg(s.plan.size())
                  .arg(s.lowestText(), s.highestText(),
                       s.simplex ? Words::tr("simplex") : Words::tr("split allowed"),
                       inLanguage(s.powerLimit)) +
              u'\n');
        print(QStringLiteral("         ") + inLanguage(s.note) + u'\n');
    }
    return kDone;
}

int checkCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr(
            "Judges every channel with a frequency against a licence-free service: receive and "
            "transmit exactly on a channel of its plan, transmit equal to receive, and the power "
            "(H %1 W, L %2 W, as the radio puts them out) within the service's limit. A channel "
            "without a transmit frequency only receives and passes. Exit status 0 when nothing is "
            "found, 3 when something is.")
            .arg(kHighPowerWatts)
            .arg(kLowPowerWatts));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Words::tr("A channel file, CSV file or channel database."));
    parser.addOption(serviceOption());
    parser.addOption(
        QCommandLineOption(QStringLiteral("json"), Words::tr("Print the findings as JSON.")));
    parser.addOption(QCommandLineOption(QStringLiteral("squelch"),
                                        Words::tr("The squelch level for a channel database or "
                                                  "a CSV file, which hold none (default 3)."),
                                        QStringLiteral("LEVEL"), QStringLiteral("3")));
    int status = kDone;
    if (!parseService(parser, arguments, 1, &status))
        return status;
    const Service* service = chosenService(parser);
    if (!service)
        return kUsage;
    const QString path = parser.positionalArguments()[0];
    QString error;
    if (!squelchLevel(parser.value(QStringLiteral("squelch")), &error)) {
        complain(error);
        return kUsage;
    }
    const std::optional<ChannelSet> set =
        loadForCommand(path, parser.value(QStringLiteral("squelch")), true);
    if (!set)
        return kBadInput;
    const QList<ServiceFinding> findings = checkChannels(*service, set->rows);
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray list;
        for (const ServiceFinding& f : findings)
            list << findingJson(f);
        print(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("service"), service->id},
                                                          {QStringLiteral("findings"), list}})
                                    .toJson(QJsonDocument::Indented)));
    } else {
        for (const ServiceFinding& f : findings)
            print(findingLine(*service, f) + u'\n');
        print((findings.isEmpty()
                   ? Words::tr("every channel keeps to %1").arg(inLanguage(service->name))
                   : Words::tr("%n finding(s) against %1", nullptr, int(findings.size()))
                         .arg(inLanguage(service->name))) +
              u'\n');
    }
    return findings.isEmpty() ? kDone : kDifferences;
}

int planCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Words::tr("Writes a channel file (.doc) or CSV file (.csv) with the first 16 channels of a "
                  "licence-free service: simplex, low power, no tones, squelch level 3; receive "
                  "only where the radio's low power (%1 W) is above the service's limit.")
            .arg(kLowPowerWatts));
    parser.addOption(serviceOption());
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                        Words::tr("The file to write, ending in .doc or .csv."),
                                        QStringLiteral("FILE")));
    int status = kDone;
    if (!parseService(parser, arguments, 0, &status))
        return status;
    const Service* service = chosenService(parser);
    if (!service)
        return kUsage;
    const QString path = onDisk(parser.value(QStringLiteral("output")));
    if (path.isEmpty()) {
        complain(Words::tr("give the file to write with -o FILE"));
        return kUsage;
    }
    QString error;
    const std::optional<OutputKind> kind = outputKindFor(path, true, &error);
    if (!kind) {
        complain(error);
        return kUsage;
    }
    if (!saveChannelSet(path, *kind, ChannelSet{planSquelch(), planRows(*service)}, &error)) {
        complain(error);
        return kCannotSave;
    }
    return kDone;
}

} // namespace zt41::cli
