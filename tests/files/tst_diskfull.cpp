// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that fills while a channel file or a CSV list is saved: a child process saves with
// its file size limited (RLIMIT_FSIZE), as a full disk would stop it. The
// existing file must stay as it was, and no half-written file may be left.
#include "files/channelfile.h"
#include "files/chirpcsv.h"

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

// 16 channels a CSV list can carry, for a file of some size.
ChannelRows csvRows() {
    ChannelRows rows{};
    for (int k = 0; k < kChannelCount; ++k) {
        rows[k][Field::No] = QString::number(k + 1);
        rows[k][Field::Rf] = QStringLiteral("%1.00000").arg(140 + k);
        rows[k][Field::Rct] = QStringLiteral("88.5");
        rows[k][Field::Tf] = QStringLiteral("%1.00000").arg(140 + k);
        rows[k][Field::Tct] = QStringLiteral("88.5");
        rows[k][Field::Bt] = QStringLiteral("on");
        rows[k][Field::Pw] = QStringLiteral("L");
    }
    return rows;
}

QByteArray newFileBytes(bool csv, int valueLength) {
    return csv ? encodeChirpCsv(csvRows())
               : encodeChannelFile(QStringLiteral("3"), rowsWithValuesOf(valueLength)).value();
}

// The child: saves under the given limit and says how it went by its exit code.
int saveUnderLimit(const char* path, const char* limit, const char* valueLength, bool csv) {
    const rlim_t bytes = std::strtoull(limit, nullptr, 10);
    const rlimit r{bytes, bytes};
    if (::setrlimit(RLIMIT_FSIZE, &r) != 0)
        return 5;
    // Without this the kernel ends the process at the limit; with it the write fails.
    std::signal(SIGXFSZ, SIG_IGN);
    if (csv)
        return saveChirpCsv(QString::fromLocal8Bit(path), csvRows()) == ChirpRefusal::None ? 0 : 3;
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
    QTest::addColumn<bool>("csv");
    QTest::newRow("disk full long before the end") << 900 << qint64(-80000) << false << false;
    QTest::newRow("room runs out at the last byte") << 100 << qint64(-1) << false << false;
    QTest::newRow("room for exactly the file") << 100 << qint64(0) << true << false;
    QTest::newRow("CSV: room runs out at the last byte") << 0 << qint64(-1) << false << true;
    QTest::newRow("CSV: room for exactly the file") << 0 << qint64(0) << true << true;
}

void TestDiskFull::saveWhileTheDiskFills() {
    QFETCH(int, valueLength);
    QFETCH(qint64, roomLeft);
    QFETCH(bool, saved);
    QFETCH(bool, csv);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("channels.doc"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(kOldFile);
    old.close();

    const QByteArray newFile = newFileBytes(csv, valueLength);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildMode), path, QString::number(newFile.size() + roomLeft),
                 QString::number(valueLength), QString::fromLatin1(csv ? "csv" : "doc")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), saved ? 0 : 3);

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), saved ? newFile : kOldFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("channels.doc")});
}

int main(int argc, char* argv[]) {
    if (argc == 6 && std::strcmp(argv[1], kChildMode) == 0)
        return saveUnderLimit(argv[2], argv[3], argv[4], std::strcmp(argv[5], "csv") == 0);
    QCoreApplication app(argc, argv);
    TestDiskFull test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_diskfull.moc"
