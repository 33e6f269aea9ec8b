// SPDX-License-Identifier: GPL-3.0-or-later
// Faults end to end: the real window on the real serial port against a
// zt41-radio that misbehaves, and a channel database that refuses writes while
// the window runs. Each fault ends with its message, leaves the table and the
// squelch text as they were, gives back the menus and the ready poll, and the
// next try succeeds.
#include "channelrows.h"
#include "channels/channeltable.h"
#include "files/channelfile.h"
#include "link/linksession.h"
#include "shell/mainwindow.h"
#include "shell/portdialog.h"
#include "shell/windowwords.h"
#include "windowrig.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace zt41;

namespace {

const QString kReadFailed =
    messageFor({Transfer::Read, TransferOutcome::Kind::ReadTimedOut, 1}).text;
const QString kSendFailed =
    messageFor({Transfer::Write, TransferOutcome::Kind::SendFailed, 1}).text;
const QString kStoreFailed = storeFailedMessage().text;
const QString kLoadFailed = fileReadErrorMessage().text;

// What the radio holds: texts in the forms a read gives back, so a read
// fills the table with exactly these.
ChannelRows radioRows() {
    ChannelRows rows{};
    for (int k = 1; k <= kChannelCount; ++k) {
        const QStringList six =
            k % 3 == 1   ? QStringList{"440.00000", "67.0", "445.00000", "250.3", "on", "L"}
            : k % 3 == 2 ? QStringList{"438.50000", "88.5", "438.50000", "", "off", "H"}
                         : QStringList{"", "", "", "", "", ""};
        rows[k - 1] = makeRow(k, six);
    }
    return rows;
}

// The window as a user has it: a table filled with one channel, the radio
// holding radioRows() and squelch 5.
struct Rig : WindowRig {
    ChannelRows before{};
    QString squelchBefore;

    bool start(const QStringList& quirks) {
        if (saveChannelFile(memory, QStringLiteral("5"), radioRows()) != ChannelFileError::None ||
            !prepare(quirks))
            return false;
        for (int r = 0; r < kChannelCount; ++r)
            fx.setRow(r, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
        fx.table->moveFirst();
        before = fx.table->rows();
        if (!openWindow())
            return false;
        window->setSquelchText(QStringLiteral("  2"));
        squelchBefore = window->squelchText();
        return true;
    }

    // Nothing changed, the menus and the ready poll are back.
    void expectUntouched() const {
        QCOMPARE(fx.table->rows(), before);
        QCOMPARE(window->squelchText(), squelchBefore);
        for (const char* name : {"读信道", "写信道", "退出", "帮助", "文件", "端口"})
            QVERIFY2(action(name)->isEnabled(), name);
        QVERIFY(pollRestored());
    }

    // The ready poll runs again, or has already heard the radio and stopped.
    bool pollRestored() const {
        return window->session().timer(SessionTimer::ReadyPoll)->isActive() ||
               status() == statusText(zt41::LinkStatus::Ready);
    }

    // The user opens the port dialog and takes COM1 again.
    bool reopenPort() {
        action("端口")->trigger();
        PortDialog* dialog = window->portDialog();
        if (!dialog)
            return false;
        dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        return link->isOpen();
    }

    // The table after a read; a read that never ends leaves it as it was,
    // which the caller's comparison then shows.
    ChannelRows readIntoTable() {
        action("读信道")->trigger();
        const auto done = [this] {
            return status() == statusText(zt41::LinkStatus::Read);
        };
        if (!QTest::qWaitFor(done, 10000))
            qWarning("the read did not end with its status");
        return fx.table->rows();
    }
};

ChannelRows withNumbersOf(ChannelRows rows, const ChannelRows& numbered) {
    for (int k = 0; k < kChannelCount; ++k)
        rows[k][Field::No] = numbered[k][Field::No];
    return rows;
}

// A folder and the files in it that nothing may change, root included: the
// database cannot write it, nor create the journal a write needs beside it.
class Immutable {
public:
    explicit Immutable(QStringList paths)
        : m_paths(std::move(paths)) {
        for (const QString& p : m_paths)
            m_ok = set(p, true) && m_ok;
    }
    ~Immutable() {
        for (const QString& p : m_paths)
            set(p, false);
    }
    bool ok() const { return m_ok; }

private:
    static bool set(const QString& path, bool on) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    QStringList m_paths;
    bool m_ok = true;
};

} // namespace

class TestWindowFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void radioFault_data();
    void radioFault();
    void radioAtHalfPaceStillReads();
    void databaseRefusesWrites_data();
    void databaseRefusesWrites();
    void damagedDatabaseAtStart_data();
    void damagedDatabaseAtStart();
    void radioGoneWhileIdleIsFoundAgain_data();
    void radioGoneWhileIdleIsFoundAgain();
};

void TestWindowFaults::radioFault_data() {
    QTest::addColumn<QStringList>("quirks");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("radioHangsUp");
    QTest::newRow("read: radio hangs up after 5 frames")
        << QStringList{"--fast", "--hang-up-after", "5"} << "读信道" << kReadFailed << true;
    QTest::newRow("read: radio hangs up before answering")
        << QStringList{"--fast", "--hang-up-after", "0"} << "读信道" << kReadFailed << true;
    QTest::newRow("write: radio hangs up after 3 frames")
        << QStringList{"--fast", "--hang-up-after", "3"} << "写信道" << kSendFailed << true;
    QTest::newRow("read: stray digit ahead of the frames")
        << QStringList{"--fast", "--stray-digit"} << "读信道" << kReadFailed << false;
    QTest::newRow("read: letter inside frame 7")
        << QStringList{"--fast", "--non-digit-in-frame", "7"} << "读信道" << kReadFailed << false;
}

void TestWindowFaults::radioFault() {
    QFETCH(QStringList, quirks);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(bool, radioHangsUp);
    Rig rig;
    QVERIFY(rig.start(quirks));
    QVERIFY(rig.waitReady());

    rig.window->findChild<QAction*>(command)->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.messages.texts(), QStringList{message}, 15000);
    QCOMPARE(rig.messages.shown[0].title, outOfRangeMessage().title);
    // Anything late on the line must not bring a second message or a change.
    QTest::qWait(500);
    QCOMPARE(rig.messages.texts(), QStringList{message});
    rig.expectUntouched();

    if (radioHangsUp) {
        QCOMPARE(rig.radio->waitForEnd(), 0);
        QVERIFY(rig.startRadio({QStringLiteral("--fast")}));
        QVERIFY(rig.reopenPort());
    }
    QVERIFY(rig.waitReady());
    // The radio still holds what it held: a write cut short stored nothing.
    QCOMPARE(rig.readIntoTable(), withNumbersOf(radioRows(), rig.before));
    QCOMPARE(rig.window->squelchText(), QStringLiteral("5"));
    QCOMPARE(rig.messages.texts(), QStringList{message});

    if (command == QStringLiteral("写信道")) {
        // And a whole write now goes through.
        QVERIFY(rig.fx.table->replaceDataFields(rig.before));
        rig.action("写信道")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(), statusText(zt41::LinkStatus::Written), 15000);
        QVERIFY(rig.fx.table->replaceDataFields(radioRows()));
        QVERIFY(rig.waitReady());
        QCOMPARE(rig.readIntoTable(), rig.before);
        QCOMPARE(rig.messages.texts(), QStringList{message});
    }
}

void TestWindowFaults::radioAtHalfPaceStillReads() {
    // 448 characters at 600 bit/s take 7.5 s; each frame still comes in time.
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--half-pace")}));
    QVERIFY(rig.waitReady());
    rig.action("读信道")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rig.status(), statusText(zt41::LinkStatus::Read), 20000);
    QCOMPARE(rig.fx.table->rows(), withNumbersOf(radioRows(), rig.before));
    QCOMPARE(rig.messages.texts(), QStringList());
}

void TestWindowFaults::databaseRefusesWrites_data() {
    QTest::addColumn<bool>("readOnly"); // else locked by another program
    QTest::newRow("locked by another program") << false;
    QTest::newRow("made read-only") << true;
}

void TestWindowFaults::databaseRefusesWrites() {
    QFETCH(bool, readOnly);
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--fast")}));
    QVERIFY(rig.waitReady());
    rig.dialogs.openName = rig.dir.filePath(QStringLiteral("channels.doc"));
    QVERIFY(saveChannelFile(rig.dialogs.openName, QStringLiteral("4"), radioRows()) ==
            ChannelFileError::None);

    const QString database = rig.fx.path();
    std::unique_ptr<Immutable> frozen;
    const QString holder = QStringLiteral("another program");
    if (readOnly) {
        frozen = std::make_unique<Immutable>(QStringList{database, rig.fx.dir.path()});
        if (!frozen->ok())
            QSKIP("this file system or container does not let even root make a file immutable");
    } else {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
        other.setDatabaseName(database);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }

    auto* grid = rig.window->findChild<QTableView*>(QStringLiteral("DataGrid1"));
    QAbstractItemModel* model = grid->model();
    const QModelIndex rf = model->index(3, static_cast<int>(Field::Rf));
    struct Step {
        const char* what;
        std::function<void()> act;
        QString message;
    };
    const QList<Step> steps{
        {"cell edit", [&] { model->setData(rf, QStringLiteral("146.5"), Qt::EditRole); },
         kStoreFailed},
        {"pick",
         [&] {
             rig.fx.table->setCurrentRow(2);
             auto* power = rig.window->findChild<QComboBox*>(QStringLiteral("Combo3"));
             Q_EMIT power->activated(power->findText(QStringLiteral("L")));
         },
         kStoreFailed},
        // The radio sent all 16 frames: it is the file that refused them.
        {"read", [&] { rig.action("读信道")->trigger(); }, kStoreFailed},
        {"file load", [&] { rig.action("打开")->trigger(); }, kLoadFailed},
    };
    for (const Step& step : steps) {
        rig.messages.shown.clear();
        step.act();
        QTRY_COMPARE_WITH_TIMEOUT(rig.messages.texts(), QStringList{step.message}, 10000);
        QTest::qWait(200);
        QVERIFY2(rig.messages.texts() == QStringList{step.message}, step.what);
        // The grid shows what is stored, and nothing was half-written.
        QCOMPARE(model->data(rf).toString(), QStringLiteral("145.01250"));
        QCOMPARE(rig.fx.table->rows(), rig.before);
        QVERIFY2(rig.pollRestored(), step.what);
        QVERIFY2(rig.action("写信道")->isEnabled(), step.what);
    }
    ChannelTable onDisk;
    if (!readOnly) {
        QSqlDatabase::database(holder).rollback();
        QSqlDatabase::database(holder).close();
    }
    frozen.reset();
    QSqlDatabase::removeDatabase(holder);

    // The file holds what the grid showed; once writable again, edits land.
    QVERIFY(onDisk.open(database));
    QCOMPARE(onDisk.rows(), rig.before);
    rig.messages.shown.clear();
    QVERIFY(model->setData(rf, QStringLiteral("146.5"), Qt::EditRole));
    // The edit and the cell rule's result land together.
    QCOMPARE(rig.fx.table->row(3).text(Field::Rf), QStringLiteral("146.50000"));
    rig.dialogs.openName.clear();
    QVERIFY(rig.waitReady());
    QCOMPARE(rig.readIntoTable(), withNumbersOf(radioRows(), rig.before));
    QCOMPARE(rig.messages.texts(), QStringList());
}

void TestWindowFaults::damagedDatabaseAtStart_data() {
    QTest::addColumn<int>("keep");          // bytes of a good database kept, -1 for all
    QTest::addColumn<qsizetype>("noiseAt"); // where noise overwrites it, -1 for nowhere
    QTest::newRow("empty file") << 0 << qsizetype(-1);
    QTest::newRow("cut in the header") << 50 << qsizetype(-1);
    QTest::newRow("cut after the first page") << 4096 << qsizetype(-1);
    QTest::newRow("header overwritten") << -1 << qsizetype(0);
    QTest::newRow("table page overwritten") << -1 << qsizetype(4096);
}

void TestWindowFaults::damagedDatabaseAtStart() {
    QFETCH(int, keep);
    QFETCH(qsizetype, noiseAt);
    QTemporaryDir dir;
    const QString path = dir.filePath(ChannelTable::defaultFileName());
    {
        ChannelTable good;
        QVERIFY(good.open(path));
        QVERIFY(good.replaceDataFields(radioRows()));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(bytes.size() >= 8192);
    if (keep >= 0)
        bytes.truncate(keep);
    if (noiseAt >= 0)
        for (qsizetype i = noiseAt; i < noiseAt + 100 + (noiseAt ? 3000 : 0); ++i)
            bytes[i] = static_cast<char>(i * 7 + 13);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    ChannelTable table;
    RecordingMessages messages;
    QVERIFY(!openChannelDatabase(table, path, messages));
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts()[0].startsWith(databaseLockFailedMessage().text + u'\n'),
             qPrintable(messages.texts()[0]));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{ChannelTable::defaultFileName()});
}

void TestWindowFaults::radioGoneWhileIdleIsFoundAgain_data() {
    QTest::addColumn<bool>("duringCheck");
    QTest::newRow("while idle") << false;
    QTest::newRow("while 连接诊断 has the port") << true;
}

void TestWindowFaults::radioGoneWhileIdleIsFoundAgain() {
    QFETCH(bool, duringCheck);
    Rig rig;
    QVERIFY(rig.start({QStringLiteral("--fast")}));
    QVERIFY(rig.waitReady());
    if (duringCheck)
        rig.action("连接诊断")->trigger();
    // The cable is pulled: while idle the status line goes at once, with no message.
    QCOMPARE(rig.radio->terminate(), 0);
    if (!duringCheck)
        QTRY_COMPARE_WITH_TIMEOUT(rig.status(), QString(), 2000);
    if (duringCheck) {
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window->transferRunning(), 10000);
        rig.window->findChild<QWidget*>(QStringLiteral("连接诊断"))->close();
    }
    QTest::qWait(300);
    // The cable is back: the window finds the radio again by itself.
    QVERIFY(rig.startRadio({QStringLiteral("--fast")}));
    QVERIFY(rig.waitReady());
    QCOMPARE(rig.messages.texts(), QStringList());
    QCOMPARE(rig.readIntoTable(), withNumbersOf(radioRows(), rig.before));
}

QTEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
