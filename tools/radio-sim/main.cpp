// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-radio: a ZT41 radio on a pseudo-terminal, for trying the programmer
// without the hardware. See --help for the options.

#include "link/signalwatcher.h"
#include "memoryfile.h"
#include "pacedsender.h"
#include "portlink.h"
#include "pseudoterminal.h"
#include "radiomodel.h"
#include "radiostation.h"
#include "simoptions.h"
#include "trafficlog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <unistd.h>

using namespace zt41::sim;
using zt41::SignalWatcher;

namespace {

int failWith(const QString& message) {
    std::fprintf(stderr, "zt41-radio: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QCoreApplication app(argc, argv);

    SimOptions options;
    QString message;
    bool isError = false;
    if (!parseSimOptions(app.arguments(), options, message, isError)) {
        if (!isError) {
            std::fputs(qPrintable(message), stdout);
            return 0;
        }
        std::fprintf(stderr, "zt41-radio: %s\n", qPrintable(message));
        return 2;
    }

    SignalWatcher watcher;
    if (!watcher.install(message))
        return failWith(message);
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &app, &QCoreApplication::quit);

    PseudoTerminal pty;
    if (!pty.open())
        return failWith(pty.errorString());

    std::optional<MemoryFile> memory;
    RadioFrames frames = emptyRadioFrames();
    if (!options.memoryPath.isEmpty()) {
        memory.emplace(options.memoryPath);
        const std::optional<RadioFrames> loaded = memory->load(message);
        if (!loaded)
            return failWith(message);
        frames = *loaded;
    }
    RadioModel model(options.quirks, frames);

    TrafficLog log(sinceStart);
    if (!options.logPath.isEmpty() && !log.open(options.logPath, message))
        return failWith(message);

    PortLink link;
    if (!options.linkPath.isEmpty() && !link.create(options.linkPath, pty.slavePath(), message))
        return failWith(message);

    const int master = pty.masterFd();
    PacedSender sender(
        [master](const char* data, qint64 size) { return ::write(master, data, size); },
        options.fast       ? std::chrono::nanoseconds::zero()
        : options.halfPace ? 2 * PacedSender::kLinePace
                           : PacedSender::kLinePace);
    RadioStation station(master, model, sender, log);

    // Set while the file lags behind the radio; a failed save is tried once
    // more at exit. A run that stored nothing never writes the file, so it
    // cannot undo what another run stored there meanwhile.
    bool unsaved = false;
    const auto saveMemory = [&] {
        unsaved = !memory->save(model.frames());
        if (unsaved)
            qWarning().noquote() << "cannot save the memory to" << memory->path();
    };
    if (memory)
        QObject::connect(&station, &RadioStation::framesStored, saveMemory);

    // Ending closes the pty's master, so the program's port sees the line go
    // down; the short wait lets it take in the last characters first.
    QObject::connect(&station, &RadioStation::hungUp, &app, [&app] {
        qInfo().noquote() << "the line is dropped as asked";
        QTimer::singleShot(200, &app, &QCoreApplication::quit);
    });

    std::printf("%s\n", qPrintable(pty.slavePath()));
    std::fflush(stdout);

    const int code = app.exec();
    if (memory && unsaved)
        saveMemory();
    return unsaved ? 1 : code;
}
