// SPDX-License-Identifier: GPL-3.0-or-later
// zt41 --demo as a process: signals end it cleanly, the demo radio never
// outlives it, its memory is private, and a second copy keeps off its database.
#include "channels/channeltable.h"
#include "channels/databaselock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

using namespace zt41;

namespace {

// The processes whose parent is `parent`, by their /proc/PID/stat.
QList<qint64> childrenOf(qint64 parent) {
    QList<qint64> found;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest[1].toLongLong() == parent)
            found << pid;
    }
    return found;
}

// Gone, or a zombie nobody has reaped yet: in either case no longer running.
bool isRunning(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) != "Z";
}

struct DemoProgram {
    QTemporaryDir dir;
    QProcess process;
    qint64 radioPid = 0;

    QString work() const { return dir.filePath(QStringLiteral("work")); }
    QString database() const { return QDir(work()).filePath(ChannelTable::defaultFileName()); }
    QString dataHome() const { return dir.filePath(QStringLiteral("data")); }

    static QProcessEnvironment environment(const QString& home) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), QDir(home).filePath(QStringLiteral("data")));
        return env;
    }

    // Until the database, its lock and the demo radio are there; with
    // `settle`, also until the window has been up a while.
    bool start(bool settle = true) {
        if (!QDir(dir.path()).mkpath(QStringLiteral("work")))
            return false;
        process.setProcessEnvironment(environment(dir.path()));
        process.setWorkingDirectory(work());
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QStringLiteral(ZT41_PROGRAM_PATH), {QStringLiteral("--demo")});
        if (!process.waitForStarted(5000))
            return false;
        for (int i = 0; i < 300; ++i) {
            const QList<qint64> children = childrenOf(process.processId());
            if (!children.isEmpty() && QFile::exists(database()) &&
                QFile::exists(DatabaseLock::lockPathFor(database()))) {
                radioPid = children.first();
                if (settle)
                    QTest::qWait(300); // the window is up and polling
                return process.state() == QProcess::Running;
            }
            QTest::qWait(50);
        }
        return false;
    }

    QStringList demoFolders() const {
        return QDir(QDir(dataHome()).filePath(QStringLiteral("zt41")))
            .entryList({QStringLiteral("demo-*")}, QDir::Dirs);
    }

    ~DemoProgram() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

} // namespace

class TestDemoProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void signalEndsItCleanly_data();
    void signalEndsItCleanly();
    void killedProgramLeavesNothingRunning();
    void radioMemoryIsPrivate();
    void secondCopyKeepsOffTheDatabase();
};

void TestDemoProgram::signalEndsItCleanly_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("settled");
    QTest::newRow("SIGTERM") << SIGTERM << true;
    QTest::newRow("SIGINT") << SIGINT << true;
    QTest::newRow("SIGHUP") << SIGHUP << true;
    QTest::newRow("SIGTERM while the window starts") << SIGTERM << false;
}

void TestDemoProgram::signalEndsItCleanly() {
    QFETCH(int, signalNumber);
    QFETCH(bool, settled);
    DemoProgram demo;
    QVERIFY(demo.start(settled));
    QVERIFY(isRunning(demo.radioPid));
    QCOMPARE(::kill(static_cast<pid_t>(demo.process.processId()), signalNumber), 0);
    QVERIFY(demo.process.waitForFinished(10000));
    QCOMPARE(demo.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(demo.process.exitCode(), 0);
    QVERIFY(!isRunning(demo.radioPid));
    QVERIFY(!QFile::exists(DatabaseLock::lockPathFor(demo.database())));
    QCOMPARE(demo.demoFolders(), QStringList());
}

void TestDemoProgram::killedProgramLeavesNothingRunning() {
    DemoProgram demo;
    QVERIFY(demo.start());
    demo.process.kill(); // SIGKILL: nothing of the program runs any more
    QVERIFY(demo.process.waitForFinished(5000));
    QTRY_VERIFY_WITH_TIMEOUT(!isRunning(demo.radioPid), 5000);
    // The lock of the dead copy is taken over.
    {
        DatabaseLock lock;
        QCOMPARE(lock.acquire(demo.database()), DatabaseLock::Result::Locked);
    }
    // The next start removes what the dead copy left.
    const QStringList left = demo.demoFolders();
    QCOMPARE(left.size(), 1);
    QVERIFY(demo.start());
    QCOMPARE(demo.demoFolders().size(), 1);
    QVERIFY(demo.demoFolders() != left);
}

void TestDemoProgram::radioMemoryIsPrivate() {
    DemoProgram demo;
    QVERIFY(demo.start());
    const QStringList folders = demo.demoFolders();
    QCOMPARE(folders.size(), 1);
    const QString folder =
        QDir(QDir(demo.dataHome()).filePath(QStringLiteral("zt41"))).filePath(folders.first());
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);
    // A second demo of the same user gets a folder of its own.
    DemoProgram other;
    QVERIFY(other.start());
    QCOMPARE(other.demoFolders().size(), 1);
    QVERIFY(other.dataHome() != demo.dataHome());
}

void TestDemoProgram::secondCopyKeepsOffTheDatabase() {
    DemoProgram first;
    QVERIFY(first.start());
    QFile db(first.database());
    QVERIFY(db.open(QIODevice::ReadOnly));
    const QByteArray before = db.readAll();
    db.close();

    QProcess second;
    second.setProcessEnvironment(DemoProgram::environment(first.dir.path()));
    second.setWorkingDirectory(first.work());
    second.start(QStringLiteral(ZT41_PROGRAM_PATH),
                 {QStringLiteral("--ports"), QStringLiteral("/dev/null")});
    QVERIFY(second.waitForStarted(5000));
    QByteArray said;
    for (int i = 0; i < 200 && !QString::fromUtf8(said).contains(QStringLiteral("另一个副本"));
         ++i) {
        second.waitForReadyRead(50);
        said += second.readAllStandardError();
    }
    // It says why, and waits on its message box rather than touching the file;
    // a signal ends it there without a click.
    QVERIFY2(QString::fromUtf8(said).contains(QStringLiteral("数据库文件无法打开！")), said);
    QVERIFY2(QString::fromUtf8(said).contains(QStringLiteral("另一个副本")), said);
    QTest::qWait(200);
    QCOMPARE(::kill(static_cast<pid_t>(second.processId()), SIGTERM), 0);
    QVERIFY(second.waitForFinished(1000));
    QCOMPARE(first.process.state(), QProcess::Running);
    QVERIFY(db.open(QIODevice::ReadOnly));
    QCOMPARE(db.readAll(), before);
}

QTEST_MAIN(TestDemoProgram)
#include "tst_demoprogram.moc"
