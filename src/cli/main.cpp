// zt41-cli: reads and writes ZT41 radios from the command line, many at once,
// on the same link session as the window.

#include "commands.h"
#include "exitstatus.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char kUsageText[] =
    "Usage: zt41-cli COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  ports [--probe]              list the serial ports and whether they open\n"
    "  read --port P [-o FILE]      read the radio's channels\n"
    "  write --port P FILE          back up, write FILE, read back and compare\n"
    "  verify --port P FILE         compare what the radio holds with FILE\n"
    "  show FILE                    print the channels of a file\n"
    "  diff FILE1 FILE2             list what differs between two files\n"
    "\n"
    "FILE is a channel file (.doc) or the channel database ZT41XE.mdb (read only).\n"
    "--port may be given several times for several radios at once.\n"
    "zt41-cli COMMAND --help describes each command.\n"
    "\n"
    "Exit status: 0 done, 1 usage, 2 port or radio, 3 differences found,\n"
    "4 bad input file, 5 output or backup file not written, 130 interrupted.\n";

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zt41-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1"));
    const QStringList arguments = QCoreApplication::arguments();
    const QString command = arguments.value(1);
    // The command's own parser sees "zt41-cli COMMAND" as its program name.
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty())
        rest[0] = QStringLiteral("zt41-cli ") + command;

    using namespace zt41::cli;
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
    if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(kUsageText, stdout);
        return kDone;
    }
    if (command.isEmpty())
        std::fputs(kUsageText, stderr);
    else
        std::fprintf(stderr, "zt41-cli: unknown command \"%s\"; see zt41-cli --help\n",
                     qPrintable(command));
    return kUsage;
}
