// SPDX-License-Identifier: GPL-3.0-or-later
// zt41-cli: reads and writes ZT41 radios from the command line, many at once,
// on the same link session as the window.

#include "commands.h"
#include "exitstatus.h"
#include "version.h"
#include "words.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

QString usageText() {
    using zt41::cli::Words;
    return Words::tr(
        "Usage: zt41-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  ports [--probe]              list the serial ports and whether they open\n"
        "  read --port P [-o FILE]      read the radio's channels\n"
        "  write --port P FILE          back up, write FILE, read back and compare\n"
        "  verify --port P FILE         compare what the radio holds with FILE\n"
        "  show FILE                    print the channels of a file\n"
        "  diff FILE1 FILE2             list what differs between two files\n"
        "  convert IN OUT               convert between .doc, .csv and the database\n"
        "  doctor [--port P]            check the cable and the ports, and say what is wrong\n"
        "  card FILE -o CARD.pdf        draw the channel card to print\n"
        "  services                     list the licence-free services\n"
        "  check --service ID FILE      judge the channels against a service\n"
        "  plan --service ID -o FILE    write the first 16 channels of a service\n"
        "\n"
        "FILE is a channel file (.doc), a CHIRP CSV file (.csv) or the channel\n"
        "database ZT41XE.mdb (read only). A CSV file and the database hold no\n"
        "squelch level: --squelch LEVEL gives it (default 3).\n"
        "--port may be given several times for several radios at once.\n"
        "zt41-cli COMMAND --help describes each command; --version prints the version;\n"
        "--verbose with any command also shows what Qt itself reports.\n"
        "\n"
        "Exit status: 0 done, 1 usage, 2 port or radio, 3 differences or findings,\n"
        "4 bad input file, 5 output or backup file not written, 130 interrupted.\n");
}

int run(const QStringList& arguments) {
    using namespace zt41::cli;
    const QString command = arguments.value(1);
    // The command's own parser sees "zt41-cli COMMAND" as its program name.
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty())
        rest[0] = QStringLiteral("zt41-cli ") + command;

    if (command == u"ports")
        return portsCommand(rest);
    if (command == u"read")
        return readCommand(rest);
    if (command == u"write")
        return writeCommand(rest);
    if (command == u"verify")
        return verifyCommand(rest);
    if (command == u"show")
        return showCommand(rest);
    if (command == u"diff")
        return diffCommand(rest);
    if (command == u"convert")
        return convertCommand(rest);
    if (command == u"doctor")
        return doctorCommand(rest);
    if (command == u"services")
        return servicesCommand(rest);
    if (command == u"check")
        return checkCommand(rest);
    if (command == u"plan")
        return planCommand(rest);
    if (command == u"--version" || command == u"-v") {
        writeOut(QStringLiteral("zt41-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return kDone;
    }
    if (command == u"--help" || command == u"-h" || command == u"help") {
        writeOut(usageText());
        return kDone;
    }
    if (command.isEmpty())
        std::fputs(usageText().toUtf8().constData(), stderr);
    else
        complain(Words::tr("unknown command \"%1\"; see zt41-cli --help").arg(command));
    return kUsage;
}

} // namespace

int main(int argc, char* argv[]) {
    // A reader that goes away (| head) must not end the tool in the middle of
    // a transfer: writes to it fail instead, and the status says so.
    std::signal(SIGPIPE, SIG_IGN);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--verbose") == 0)
            zt41::cli::setVerbose(true);
    zt41::cli::keepQtMessagesForVerbose();
    if (argc > 1 && std::strcmp(argv[1], "card") == 0)
        return zt41::cli::cardMain(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zt41-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT41_VERSION));
    zt41::cli::installTranslation(app);
    int status = run(zt41::cli::withoutVerbose(QCoreApplication::arguments()));
    if (zt41::cli::outputFailed()) {
        zt41::cli::complain(zt41::cli::Words::tr("standard output could not be written"));
        status = qMax(status, int(zt41::cli::kCannotSave));
    }
    return status;
}
