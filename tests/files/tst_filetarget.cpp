// SPDX-License-Identifier: GPL-3.0-or-later
// A channel file is only ever read from, or saved over, a plain file, and a
// save never replaces the channel database the program works on.
#include "channels/channeltable.h"
#include "filebytes.h"
#include "files/channelfile.h"
#include "files/filetarget.h"
#include "tablefixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace zt41;

Q_DECLARE_METATYPE(zt41::OutputRefusal)

class TestFileTarget : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameFile_data();
    void sameFile();
    void saveNeverReplacesTheDatabase_data();
    void saveNeverReplacesTheDatabase();
    void onlyPlainFilesAreOpenedOrSaved_data();
    void onlyPlainFilesAreOpenedOrSaved();
    void outputCheck_data();
    void outputCheck();
    void typedNameGetsTheFiltersExtension_data();
    void typedNameGetsTheFiltersExtension();
};

void TestFileTarget::sameFile_data() {
    QTest::addColumn<QString>("other"); // how the second path names the file, or another file
    QTest::addColumn<bool>("same");
    QTest::newRow("the same path") << "same" << true;
    QTest::newRow("a relative path") << "relative" << true;
    QTest::newRow("a path through ..") << "dotdot" << true;
    QTest::newRow("a symbolic link") << "symlink" << true;
    QTest::newRow("a hard link") << "hardlink" << true;
    QTest::newRow("another file") << "other" << false;
    QTest::newRow("a missing file") << "missing" << false;
}

void TestFileTarget::sameFile() {
    QFETCH(QString, other);
    QFETCH(bool, same);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    QString path;
    if (other == u"same") {
        path = file;
    } else if (other == u"relative") {
        QDir::setCurrent(dir.path());
        path = QStringLiteral("a.txt");
    } else if (other == u"dotdot") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        path = dir.filePath(QStringLiteral("sub/../a.txt"));
    } else if (other == u"symlink") {
        path = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(file, path));
    } else if (other == u"hardlink") {
        path = dir.filePath(QStringLiteral("hard"));
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(path).constData()),
                 0);
    } else if (other == u"other") {
        path = dir.filePath(QStringLiteral("b.txt"));
        QFile g(path);
        QVERIFY(g.open(QIODevice::WriteOnly));
    } else {
        path = dir.filePath(QStringLiteral("missing.txt"));
    }
    QCOMPARE(isSameFile(file, path), same);
    QDir::setCurrent(QDir::tempPath());
}

void TestFileTarget::saveNeverReplacesTheDatabase_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("by its absolute path") << "absolute";
    QTest::newRow("by its bare name") << "relative";
    QTest::newRow("through a symbolic link") << "symlink";
    QTest::newRow("through a hard link") << "hardlink";
}

void TestFileTarget::saveNeverReplacesTheDatabase() {
    QFETCH(QString, how);
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    const QByteArray before = fileBytes(fx.path());
    QVERIFY(before.startsWith("SQLite format 3"));

    QString target = fx.path();
    if (how == u"relative") {
        QDir::setCurrent(fx.dir.path());
        target = ChannelTable::defaultFileName();
    } else if (how == u"symlink") {
        target = fx.dir.filePath(QStringLiteral("channels.doc"));
        QVERIFY(QFile::link(fx.path(), target));
    } else if (how == u"hardlink") {
        target = fx.dir.filePath(QStringLiteral("channels.doc"));
        QCOMPARE(
            ::link(QFile::encodeName(fx.path()).constData(), QFile::encodeName(target).constData()),
            0);
    }
    fx.table->setCurrentRow(4);
    QVERIFY(!saveTableToFile(*fx.table, QStringLiteral("3"), target));
    QCOMPARE(fileBytes(fx.path()), before);
    QCOMPARE(fx.table->currentRow(), 4);
    // The table goes on working on the same file.
    fx.table->setCurrentRow(1);
    QVERIFY(fx.table->writeField(Field::Rf, QStringLiteral("430.00000")));
    QDir::setCurrent(QDir::tempPath());
}

void TestFileTarget::onlyPlainFilesAreOpenedOrSaved_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a directory") << "directory";
    QTest::newRow("a device") << "device";
    QTest::newRow("a dangling symbolic link") << "dangling";
}

void TestFileTarget::onlyPlainFilesAreOpenedOrSaved() {
    QFETCH(QString, kind);
    TableFixture fx;
    QVERIFY(fx.open());
    QString path = fx.dir.filePath(QStringLiteral("target"));
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"directory") {
        QVERIFY(QDir(fx.dir.path()).mkdir(QStringLiteral("target")));
    } else if (kind == u"device") {
        path = QStringLiteral("/dev/null");
    } else {
        QVERIFY(QFile::link(fx.dir.filePath(QStringLiteral("nowhere")), path));
    }
    const ChannelRows before = fx.table->rows();

    // A FIFO nobody writes to would hold open() for ever: refused at once.
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(readChannelFile(path).error, ChannelFileError::CannotOpen);
    QVERIFY(loadTableFromFile(*fx.table, path).isNull());
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(fx.table->rows(), before);

    QVERIFY(!saveTableToFile(*fx.table, QStringLiteral("3"), path));
    QCOMPARE(saveChannelFile(path, QStringLiteral("3"), before), ChannelFileError::CannotWrite);
    if (kind == u"fifo") {
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode)); // still the FIFO, not replaced by a file
    }
    QVERIFY(!QFileInfo::exists(fx.dir.filePath(QStringLiteral("nowhere"))));
}

void TestFileTarget::outputCheck_data() {
    QTest::addColumn<QString>("name"); // in the test's folder
    QTest::addColumn<QString>("what"); // what is there under the name
    QTest::addColumn<OutputRefusal>("refusal");
    QTest::newRow("a new file") << "card.pdf"
                                << "" << OutputRefusal::None;
    QTest::newRow("a plain file") << "card.pdf"
                                  << "plain" << OutputRefusal::None;
    QTest::newRow("a database by its name, new") << "x.mdb"
                                                 << "" << OutputRefusal::Database;
    QTest::newRow("a database under another name") << "card.pdf"
                                                   << "copy" << OutputRefusal::Database;
    QTest::newRow("a link to the database") << "card.pdf"
                                            << "link" << OutputRefusal::Database;
    QTest::newRow("the input") << "in.doc"
                               << "input" << OutputRefusal::Input;
    QTest::newRow("a FIFO") << "pipe.csv"
                            << "fifo" << OutputRefusal::NotPlainFile;
    QTest::newRow("a link to nothing") << "card.pdf"
                                       << "dangling" << OutputRefusal::NotPlainFile;
    QTest::newRow("in a folder that does not exist") << "gone/card.pdf"
                                                     << "" << OutputRefusal::NoFolder;
}

void TestFileTarget::outputCheck() {
    QFETCH(QString, name);
    QFETCH(QString, what);
    QFETCH(OutputRefusal, refusal);
    TableFixture fx;
    QVERIFY(fx.open());
    const QString path = fx.dir.filePath(name);
    const QString input = fx.dir.filePath(QStringLiteral("in.doc"));
    QVERIFY(writeBytes(input, "3"));
    if (what == u"plain")
        QVERIFY(writeBytes(path, "old"));
    if (what == u"copy")
        QVERIFY(QFile::copy(fx.path(), path));
    if (what == u"link")
        QVERIFY(QFile::link(fx.path(), path));
    if (what == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (what == u"dangling")
        QVERIFY(QFile::link(fx.dir.filePath(QStringLiteral("nowhere")), path));
    QCOMPARE(checkOutputTarget(path, {input}), refusal);
}

void TestFileTarget::typedNameGetsTheFiltersExtension_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved"); // with the CSV filter chosen
    QTest::newRow("bare name") << "/home/u/list"
                               << "/home/u/list.csv";
    QTest::newRow("own extension kept") << "/home/u/list.doc"
                                        << "/home/u/list.doc";
    QTest::newRow("trailing dot") << "/home/u/list."
                                  << "/home/u/list.csv";
}

void TestFileTarget::typedNameGetsTheFiltersExtension() {
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QCOMPARE(withFilterSuffix(typed, QStringLiteral("csv")), saved);
}

QTEST_MAIN(TestFileTarget)
#include "tst_filetarget.moc"
