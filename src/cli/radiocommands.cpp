// SPDX-License-Identifier: GPL-3.0-or-later
// read, write and verify: one radio job per --port, all at once.

#include "channeltext.h"
#include "commandline.h"
#include "commands.h"
#include "files/filetarget.h"
#include "fleet.h"
#include "link/devicepath.h"
#include "link/portmap.h"
#include "link/signalwatcher.h"
#include "platform/platform.h"
#include "programmingline.h"
#include "words.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

namespace zt41::cli {

namespace {

const QString kPort = QStringLiteral("port");
const QString kPorts = QStringLiteral("ports");
const QString kWait = QStringLiteral("wait");
const QString kJson = QStringLiteral("json");
const QString kSquelch = QStringLiteral("squelch");

int usage(const QString& why) {
    complain(why);
    return kUsage;
}

} // namespace

// Built when a command runs, after the translation is loaded.
QCommandLineOption portOption() {
    return QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                              Words::tr("The radio's port: COM1 to COM8 or a device path. Give it "
                                        "several times, or a comma list, for several radios at "
                                        "once."),
                              QStringLiteral("PORT"));
}
QCommandLineOption portsOption() {
    return QCommandLineOption(
        QStringLiteral("ports"),
        Words::tr("COM1, COM2, ... are these devices, as with the window's --ports."),
        QStringLiteral("DEV1,DEV2,..."));
}
QCommandLineOption waitOption() {
    return QCommandLineOption(QStringLiteral("wait"),
                              Words::tr("How long to wait for the radio to answer (default 3)."),
                              QStringLiteral("SECONDS"), QStringLiteral("3"));
}
QCommandLineOption jsonOption() {
    return QCommandLineOption(QStringLiteral("json"),
                              Words::tr("Print the outcome of each radio as one JSON document."));
}
namespace {

QCommandLineOption squelchOption() {
    return QCommandLineOption(
        QStringLiteral("squelch"),
        Words::tr("The squelch level to send with a channel database or a CSV file, which hold "
                  "none (default 3)."),
        QStringLiteral("LEVEL"), QStringLiteral("3"));
}

void addRadioOptions(QCommandLineParser& parser) {
    parser.addOption(portOption());
    parser.addOption(portsOption());
    parser.addOption(waitOption());
    parser.addOption(jsonOption());
    parser.addHelpOption();
}

} // namespace

std::optional<PortMap> portMapOf(const QCommandLineParser& parser, QString* error) {
    if (!parser.isSet(kPorts))
        return PortMap::platformDefault();
    QString why;
    const std::optional<PortMap> given = PortMap::fromList(parser.value(kPorts), &why);
    if (!given)
        *error = Words::tr("--ports: %1").arg(why);
    return given;
}

std::optional<QList<PortChoice>> choosePorts(const QCommandLineParser& parser, QString* error) {
    const std::optional<PortMap> givenMap = portMapOf(parser, error);
    if (!givenMap)
        return std::nullopt;
    const PortMap& map = *givenMap;
    QList<PortChoice> ports;
    QSet<QString> seen;
    static const QRegularExpression com(QStringLiteral("^COM([1-8])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    for (const QString& value : parser.values(kPort)) {
        for (QString name : value.split(u',', Qt::SkipEmptyParts)) {
            name = name.trimmed();
            PortChoice choice{name, QString()};
            const QRegularExpressionMatch m = com.match(name);
            if (m.hasMatch()) {
                choice.name = name.toUpper();
                choice.device = map.device(m.captured(1).toInt());
                if (choice.device.isEmpty()) {
                    *error = Words::tr("%1 is not mapped to a device").arg(choice.name);
                    return std::nullopt;
                }
            } else if (name.contains(u'/')) {
                choice.device = name;
            } else {
                *error =
                    Words::tr("unknown port \"%1\": give COM1 to COM8 or a device path").arg(name);
                return std::nullopt;
            }
            // One device under two names (a link, "..") would be driven twice at once.
            const QString device = realDevicePath(choice.device);
            if (seen.contains(device)) {
                *error = Words::tr("%1 is given twice").arg(choice.name);
                return std::nullopt;
            }
            seen.insert(device);
            ports << choice;
        }
    }
    if (ports.isEmpty()) {
        *error = Words::tr("no port: give --port PORT");
        return std::nullopt;
    }
    return ports;
}

namespace {

Fleet::Style styleFor(const QCommandLineParser& parser) {
    if (parser.isSet(kJson))
        return Fleet::Style::Json;
    return platform::standardOutputIsTerminal() ? Fleet::Style::Terminal : Fleet::Style::Lines;
}

// A signal (Ctrl+C, SIGTERM, SIGHUP) ends every radio's job: ports closed, outcomes kept.
void runFleet(Fleet& fleet) {
    SignalWatcher watcher;
    QString error;
    if (!watcher.install(error))
        complain(error);
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &fleet, [&fleet] {
        complain(Words::tr("interrupted"));
        fleet.abortAll(Words::tr("interrupted"));
    });
    fleet.run();
}

// Ctrl+C (or SIGTERM, SIGHUP) once stops watching, twice ends the radios in progress.
int runLine(const ProgrammingLine::Settings& settings) {
    ProgrammingLine line(settings);
    QString error;
    if (const int status = line.prepare(&error); status != kDone) {
        complain(error);
        return status;
    }
    SignalWatcher watcher;
    if (!watcher.install(error))
        complain(error);
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &line,
                     &ProgrammingLine::interrupt);
    return line.run();
}

int waitMs(const QCommandLineParser& parser, bool* ok) {
    const double seconds = parser.value(kWait).toDouble(ok);
    *ok = *ok && seconds > 0 && seconds <= 3600;
    return static_cast<int>(seconds * 1000);
}

void printFindingsJson(const QString& command, int status, const QStringList& warnings,
                       const QList<ChannelFinding>& findings) {
    QJsonArray list;
    for (const ChannelFinding& f : findings)
        list.append(findingJson(f));
    const QJsonObject doc{{"command", command},
                          {"status", status},
                          {"warnings", QJsonArray::fromStringList(warnings)},
                          {"findings", list},
                          {"radios", QJsonArray()}};
    writeOut(QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Indented)));
}

int radioCommand(const QString& command, const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        Words::tr("Save the channels read: as CHIRP CSV when FILE ends in .csv, otherwise as a "
                  "channel file."),
        QStringLiteral("FILE"));
    const QCommandLineOption noBackup(QStringLiteral("no-backup"),
                                      Words::tr("Do not keep what the radio held first."));
    const QCommandLineOption noVerify(QStringLiteral("no-verify"),
                                      Words::tr("Do not read back and compare."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        Words::tr("The programming line: program each radio as it is plugged in (watching "
                  "/dev/serial/by-id and /dev), until Ctrl+C."));
    const QCommandLineOption watchDir(
        QStringLiteral("watch-dir"),
        Words::tr("With --watch: watch this folder of devices or links to them instead."),
        QStringLiteral("DIR"));
    const QCommandLineOption onlyNew(
        QStringLiteral("only-new"),
        Words::tr("With --watch: leave the radios already plugged in at the start alone."));
    const QCommandLineOption report(
        QStringLiteral("report"),
        Words::tr("With --watch: append one record per radio to FILE (CSV, or JSON lines for "
                  ".jsonl), a new file or a report of the same kind."),
        QStringLiteral("FILE"));
    addRadioOptions(parser);
    if (command == u"read") {
        parser.setApplicationDescription(
            Words::tr("Reads the 16 channels and the squelch level from each radio and prints "
                      "them, or saves them with -o."));
        parser.addOption(output);
    } else {
        parser.addOption(squelchOption());
        parser.addPositionalArgument(
            QStringLiteral("FILE"),
            Words::tr("A channel file (.doc), a CHIRP CSV file (.csv) or the channel database "
                      "ZT41XE.mdb, read only."));
        if (command == u"write") {
            parser.setApplicationDescription(Words::tr(
                "Waits for each radio, keeps what it holds as a channel file under "
                "$XDG_DATA_HOME/zt41/backups, writes FILE into it, then reads it back and "
                "compares field by field."));
            parser.addOption(noBackup);
            parser.addOption(noVerify);
            parser.addOption(watch);
            parser.addOption(watchDir);
            parser.addOption(onlyNew);
            parser.addOption(report);
        } else {
            parser.setApplicationDescription(
                Words::tr("Reads each radio and compares what it holds with FILE, field by "
                          "field."));
        }
    }
    int status = kDone;
    if (!parseCommand(parser, arguments, &status))
        return status;
    const bool toFile = command == u"read" && parser.isSet(output);
    const QString outputPath = toFile ? onDisk(parser.value(output)) : QString();

    const QStringList files = diskPaths(parser.positionalArguments());
    if (command == u"read" ? !files.isEmpty() : files.size() != 1)
        return usage(command == u"read" ? Words::tr("read takes no file; use -o FILE")
                                        : Words::tr("%1 takes one FILE").arg(command));
    bool ok = false;
    const int wait = waitMs(parser, &ok);
    if (!ok)
        return usage(Words::tr("--wait wants a number of seconds"));
    QString error;
    const bool watching = command == u"write" && parser.isSet(watch);
    const std::optional<QList<PortChoice>> ports =
        watching && !parser.isSet(kPort) ? QList<PortChoice>{} : choosePorts(parser, &error);
    if (!ports)
        return usage(error);
    if (watching && !ports->isEmpty())
        return usage(Words::tr("--watch finds the ports itself: give no --port"));
    if (toFile && ports->size() > 1)
        return usage(Words::tr("-o takes one port"));
    const QString reportPath = watching ? onDisk(parser.value(report)) : QString();
    if (!reportPath.isEmpty() && !acceptOutput(reportPath, files, &error))
        return usage(error);
    OutputKind outputKind = OutputKind::ChannelFile;
    if (toFile) {
        // Judged before the radio is read, so a read is never lost to a bad name.
        const std::optional<OutputKind> kind = outputKindFor(outputPath, false, &error);
        if (!kind)
            return usage(error);
        outputKind = *kind;
    }

    RadioJob::Options options;
    options.readyWaitMs = wait;
    QStringList warnings;
    if (command == u"read") {
        options.operation = RadioJob::Operation::Read;
    } else {
        const std::optional<QString> squelch = squelchLevel(parser.value(kSquelch), &error);
        if (!squelch)
            return usage(error);
        const std::optional<ChannelSet> set =
            loadChannelSet(files.first(), *squelch, true, &error, &warnings);
        for (QString& w : warnings)
            w = Words::tr("%1: %2").arg(files.first(), w);
        if (!parser.isSet(kJson))
            for (const QString& w : warnings)
                complain(w);
        if (!set) {
            complain(error);
            return kBadInput;
        }
        // One of our own backups goes back as the radio held it. Anything
        // else: what the window would not send, the tool does not send
        // either; verify sends nothing and refuses nothing.
        const std::optional<BackupStore> store = BackupStore::standard();
        options.restoring = command == u"write" && store && store->entryAt(files.first());
        const QList<ChannelFinding> findings =
            options.restoring ? QList<ChannelFinding>{} : checkChannelSet(set->squelch, set->rows);
        const QList<ChannelFinding> refused =
            command == u"write" ? refusals(findings) : QList<ChannelFinding>{};
        if (!refused.isEmpty()) {
            for (const ChannelFinding& f : refused)
                complain(Words::tr("%1: %2").arg(files.first(), findingLine(f)));
            complain(Words::tr("%1: nothing was sent").arg(files.first()));
            if (parser.isSet(kJson))
                printFindingsJson(command, kBadInput, warnings, refused);
            return kBadInput;
        }
        for (const ChannelFinding& f : findings) {
            warnings << Words::tr("%1: %2").arg(files.first(), findingLine(f));
            if (!parser.isSet(kJson))
                complain(warnings.last());
        }
        options.toSend = *set;
        options.operation =
            command == u"write" ? RadioJob::Operation::Write : RadioJob::Operation::Verify;
        options.verify = command == u"verify" || !parser.isSet(noVerify);
        // Made ready before any radio is read: a backup that cannot be kept
        // must not cost a radio its channels.
        if (command == u"write" && !parser.isSet(noBackup)) {
            options.backup = BackupStore::standard();
            if (!options.backup) {
                complain(Words::tr("HOME is not set: no place for the backups (set "
                                   "XDG_DATA_HOME, or give --no-backup)"));
                return kCannotSave;
            }
            if (options.backup->prepare() != BackupStore::Problem::None) {
                complain(Words::tr("cannot write backups into %1; nothing was sent")
                             .arg(options.backup->folder()));
                return kCannotSave;
            }
        }
    }

    if (watching) {
        ProgrammingLine::Settings line;
        line.folders =
            parser.isSet(watchDir) ? QStringList{parser.value(watchDir)} : platform::cableFolders();
        line.onlyNew = parser.isSet(onlyNew);
        line.reportPath = reportPath;
        line.terminal = platform::standardOutputIsTerminal();
        line.json = parser.isSet(kJson);
        line.verbose = isVerbose();
        line.job = options;
        return runLine(line);
    }

    Fleet fleet(command, styleFor(parser));
    fleet.setPrintRead(command == u"read" && !toFile);
    fleet.setWarnings(warnings);
    for (const PortChoice& port : *ports)
        fleet.add(new RadioJob(port.name, port.device, options));
    runFleet(fleet);

    if (toFile) {
        RadioJob& job = *fleet.jobs().front();
        if (job.result().haveRead) {
            if (saveChannelSet(outputPath, outputKind, job.result().read, &error))
                fleet.addClosingLine(Words::tr("saved %1").arg(outputPath));
            else
                job.failAfterward(kCannotSave, error);
        }
    }
    return fleet.report();
}

} // namespace

int readCommand(const QStringList& arguments) {
    return radioCommand(QStringLiteral("read"), arguments);
}

int writeCommand(const QStringList& arguments) {
    return radioCommand(QStringLiteral("write"), arguments);
}

int verifyCommand(const QStringList& arguments) {
    return radioCommand(QStringLiteral("verify"), arguments);
}

} // namespace zt41::cli
