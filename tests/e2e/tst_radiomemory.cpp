#include "channelrows.h"
#include "memoryfile.h"

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
    RadioFrames frames;
    for (int k = 1; k <= kChannelCount; ++k)
        frames[k - 1] =
            EncodeChannelFrame(k, QStringLiteral("7"), makeRow(k, rows[(k - 1) % rows.size()]))
                .toLatin1();
    return frames;
}

} // namespace

class TestRadioMemory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyRadioIsTheProgramsEmptyTable();
    void programFramesSurviveTheFile();
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
