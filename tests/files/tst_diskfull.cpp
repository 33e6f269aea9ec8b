// A disk that fills while a channel file is saved: a child process saves with
// its file size limited (RLIMIT_FSIZE), as a full disk would stop it. The
// existing file must stay as it was, and no half-written file may be left.
#include "files/channelfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace zt41;

namespace {

const char kChildMode[] = "--save-under-limit";
const QByteArray kOldFile =
    QByteArray("  3,145.01250,67.0,145.01250,67.0,off,H,") + QByteArray(90, ',');

ChannelRows rowsWithValuesOf(int length) {
    ChannelRows rows{};
    for (ChannelRecord& row : rows)
        for (int f = 1; f <= 6; ++f)
            row.fields[f] = QString(length, QChar(u'a' + f));
    return rows;
}

// The child: saves under the given limit and says how it went by its exit code.
int saveUnderLimit(const char* path, const char* limit, const char* valueLength) {
    const rlim_t bytes = std::strtoull(limit, nullptr, 10);
    const rlimit r{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &r) != 0)
        return 5;
    // Without this the kernel ends the process at the limit; with it the write fails.
    std::signal(SIGXFSZ, SIG_IGN);
    const ChannelFileError e = saveChannelFile(QString::fromLocal8Bit(path), QStringLiteral("3"),
                                               rowsWithValuesOf(std::atoi(valueLength)));
    return e == ChannelFileError::None ? 0 : e == ChannelFileError::CannotWrite ? 3 : 4;
}

} // namespace

class TestDiskFull : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveWhileTheDiskFills_data();
    void saveWhileTheDiskFills();
};

void TestDiskFull::saveWhileTheDiskFills_data() {
    QTest::addColumn<int>("valueLength");
    QTest::addColumn<qint64>("roomLeft"); // bytes beyond the new file's size, may be negative
    QTest::addColumn<bool>("saved");
    QTest::newRow("disk full long before the end") << 900 << qint64(-80000) << false;
    QTest::newRow("room runs out at the last byte") << 100 << qint64(-1) << false;
    QTest::newRow("room for exactly the file") << 100 << qint64(0) << true;
}

void TestDiskFull::saveWhileTheDiskFills() {
    QFETCH(int, valueLength);
    QFETCH(qint64, roomLeft);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("channels.doc"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(kOldFile);
    old.close();

    const QByteArray newFile =
        encodeChannelFile(QStringLiteral("3"), rowsWithValuesOf(valueLength)).value();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildMode), path, QString::number(newFile.size() + roomLeft),
                 QString::number(valueLength)});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), saved ? 0 : 3);

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), saved ? newFile : kOldFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("channels.doc")});
}

int main(int argc, char* argv[]) {
    if (argc == 5 && std::strcmp(argv[1], kChildMode) == 0)
        return saveUnderLimit(argv[2], argv[3], argv[4]);
    QCoreApplication app(argc, argv);
    TestDiskFull test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_diskfull.moc"
