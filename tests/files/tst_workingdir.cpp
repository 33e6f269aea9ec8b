// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/workingdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace zt41;

// The working directory around file dialogs, and the user's data folder that
// starts from the desktop work in; the environment and the working directory
// are the process's own, so each case sets both back.
class TestWorkingDir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void folder_data();
    void folder();
    void entersAndCreatesTheFolder_data();
    void entersAndCreatesTheFolder();
    void refusesWhatCannotBeAFolder();
    void takenAndSetBack();

private:
    QTemporaryDir m_dir;
    QString m_start;
    QByteArray m_home;
    QByteArray m_xdg;
    bool m_hadXdg = false;
};

void TestWorkingDir::init() {
    QVERIFY(m_dir.isValid());
    m_start = QDir::currentPath();
    m_home = qgetenv("HOME");
    m_hadXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    m_xdg = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
}

void TestWorkingDir::cleanup() {
    QDir::setCurrent(m_start);
    qputenv("HOME", m_home);
    if (m_hadXdg)
        qputenv("XDG_DATA_HOME", m_xdg);
    else
        qunsetenv("XDG_DATA_HOME");
}

void TestWorkingDir::folder_data() {
    QTest::addColumn<QString>("xdg"); // "<unset>" for no variable at all
    QTest::addColumn<QString>("expected");

    QTest::newRow("XDG_DATA_HOME set") << "/srv/data"
                                       << "/srv/data/zt41";
    QTest::newRow("trailing slash") << "/srv/data/"
                                    << "/srv/data/zt41";
    QTest::newRow("unset: ~/.local/share") << "<unset>"
                                           << "home/.local/share/zt41";
    QTest::newRow("empty: ~/.local/share") << ""
                                           << "home/.local/share/zt41";
    QTest::newRow("relative is ignored") << "data"
                                         << "home/.local/share/zt41";
}

void TestWorkingDir::folder() {
    QFETCH(QString, xdg);
    QFETCH(QString, expected);

    if (xdg == u"<unset>")
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdg.toUtf8());
    const QString want = expected.startsWith(u'/') ? expected : m_dir.filePath(expected);
    QCOMPARE(dataHomeFolder(), want);
}

void TestWorkingDir::entersAndCreatesTheFolder_data() {
    QTest::addColumn<bool>("exists");

    QTest::newRow("first start creates the folder and its parents") << false;
    QTest::newRow("a later start keeps what the folder holds") << true;
}

void TestWorkingDir::entersAndCreatesTheFolder() {
    QFETCH(bool, exists);

    const QString xdg = m_dir.filePath(QStringLiteral("a/b/share"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(xdg));
    const QString folder = xdg + QStringLiteral("/zt41");
    const QString database = folder + QStringLiteral("/ZT41XE.mdb");
    if (exists) {
        QVERIFY(QDir().mkpath(folder));
        QFile f(database);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kept");
    }

    QCOMPARE(enterDataHome(), DataHomeProblem::None);
    QCOMPARE(QDir::currentPath(), folder);
    QCOMPARE(QFile::exists(database), exists);
    // The database is found by its bare name from here.
    QCOMPARE(QFile::exists(QStringLiteral("ZT41XE.mdb")), exists);
}

void TestWorkingDir::refusesWhatCannotBeAFolder() {
    const QString xdg = m_dir.filePath(QStringLiteral("share"));
    QVERIFY(QDir().mkpath(xdg));
    QFile blocker(xdg + QStringLiteral("/zt41"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(xdg));

    QCOMPARE(enterDataHome(), DataHomeProblem::NotAFolder);
    QCOMPARE(dataHomeFolder(), xdg + QStringLiteral("/zt41"));
    QCOMPARE(QDir::currentPath(), m_start);
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
}

void TestWorkingDir::takenAndSetBack() {
    const QString start = GetCurDir();
    QCOMPARE(start, QDir::currentPath());
    QTemporaryDir dir;
    QVERIFY(SetCurDir(dir.path()));
    QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    QVERIFY(!SetCurDir(QString()));
    QVERIFY(!SetCurDir(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    QVERIFY(SetCurDir(start));
}

QTEST_GUILESS_MAIN(TestWorkingDir)
#include "tst_workingdir.moc"
