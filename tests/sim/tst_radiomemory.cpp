// SPDX-License-Identifier: GPL-3.0-or-later
#include "channelrows.h"
#include "memoryfile.h"
#include "radiostream.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;
using namespace zt41::sim;

namespace {

// Frames as the program sends them for a varied set of channels.
RadioFrames programFrames() {
    const QList<QStringList> rows = {
        {"440.00000", "67.0", "445.00000", "250.3", "on", "L"},
        {"438.50000", "88.5", "438.50000", "", "off", "H"},
        {"145.01250", "", "145.61250", "100.0", "off", "L"},
        {"", "", "", "", "", ""},
    };
    const QByteArray all = framesOf(rows, QStringLiteral("7"), true);
    RadioFrames frames;
    for (int k = 0; k < kChannelCount; ++k)
        frames[k] = all.mid(k * kFrameLength, kFrameLength);
    return frames;
}

} // namespace

class TestRadioMemory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyRadioIsTheProgramsEmptyTable();
    void programFramesSurviveTheFile();
    void anySquelchByteSurvivesTheFile_data();
    void anySquelchByteSurvivesTheFile();
    void missingFileGivesTheEmptyRadio();
    void unreadableFileIsRefused_data();
    void unreadableFileIsRefused();
};

void TestRadioMemory::emptyRadioIsTheProgramsEmptyTable() {
    // The reset radio must read back, in the program, as squelch 3 and no channels.
    const ChannelFileContents contents = channelFileFromFrames(emptyRadioFrames());
    QCOMPARE(contents.squelch, QStringLiteral("3"));
    for (const ChannelRecord& row : contents.rows)
        for (int f = 1; f <= 6; ++f)
            QVERIFY2(row.fields[f].value_or(QString()).isEmpty(), qPrintable(*row.fields[f]));

    ChannelFileContents blank;
    blank.squelch = QStringLiteral("3");
    QCOMPARE(framesFromChannelFile(blank), emptyRadioFrames());
}

void TestRadioMemory::programFramesSurviveTheFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const MemoryFile file(dir.filePath(QStringLiteral("memory.csv")));
    const RadioFrames frames = programFrames();
    QVERIFY(file.save(frames));

    QString error;
    const std::optional<RadioFrames> loaded = file.load(error);
    QVERIFY2(loaded, qPrintable(error));
    for (int k = 0; k < kChannelCount; ++k)
        QCOMPARE((*loaded)[k], frames[k]);
}

void TestRadioMemory::anySquelchByteSurvivesTheFile_data() {
    // Frame 1's squelch position as a write delivered it, and the slot field the
    // radio sends back after a restart: the level that byte stands for.
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QByteArray>("sentBack");
    QTest::newRow("digit") << QByteArray("05") << QByteArray("05");
    QTest::newRow("digit after a stray first digit") << QByteArray("97") << QByteArray("07");
    QTest::newRow("NUL") << QByteArray("0\0", 2) << QByteArray("00");
    QTest::newRow("double quote") << QByteArray("0\"") << QByteArray("00");
    QTest::newRow("comma") << QByteArray("0,") << QByteArray("00");
    QTest::newRow("line end") << QByteArray("0\n") << QByteArray("00");
    QTest::newRow("blank") << QByteArray("0 ") << QByteArray("00");
    QTest::newRow("byte above ASCII") << QByteArray("0\xff") << QByteArray("00");
}

void TestRadioMemory::anySquelchByteSurvivesTheFile() {
    QFETCH(QByteArray, slot);
    QFETCH(QByteArray, sentBack);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const MemoryFile file(dir.filePath(QStringLiteral("memory.csv")));
    RadioFrames frames = programFrames();
    frames[0] = slot + frames[0].mid(2);
    QVERIFY(file.save(frames));

    // The next start must load what the last run stored.
    QString error;
    const std::optional<RadioFrames> loaded = file.load(error);
    QVERIFY2(loaded, qPrintable(error));
    QCOMPARE((*loaded)[0], sentBack + frames[0].mid(2));
    for (int k = 1; k < kChannelCount; ++k)
        QCOMPARE((*loaded)[k], frames[k]);
}

void TestRadioMemory::missingFileGivesTheEmptyRadio() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString error;
    const std::optional<RadioFrames> loaded =
        MemoryFile(dir.filePath(QStringLiteral("absent.csv"))).load(error);
    QVERIFY(loaded);
    QCOMPARE(*loaded, emptyRadioFrames());
}

void TestRadioMemory::unreadableFileIsRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("too few values") << QByteArray("3,1,2,3,");
    QTest::newRow("binary") << QByteArray("3,\0\0\0", 5);
}

void TestRadioMemory::unreadableFileIsRefused() {
    // Starting empty instead would overwrite the file at the next write.
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("memory.csv"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    QString error;
    QVERIFY(!MemoryFile(path).load(error));
    QVERIFY(error.contains(path));
}

QTEST_APPLESS_MAIN(TestRadioMemory)
#include "tst_radiomemory.moc"
