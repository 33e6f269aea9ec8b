// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/seriallink.h"
#include "link/sessionhost.h"
#include "shell/linkwords.h"

#include <QTest>

using namespace zt41;
using Kind = TransferOutcome::Kind;

class TestLinkWords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void outcomeMessages_data();
    void outcomeMessages();
    void statusTexts_data();
    void statusTexts();
    void openFailures_data();
    void openFailures();
};

void TestLinkWords::outcomeMessages_data() {
    QTest::addColumn<int>("transfer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const int write = int(Transfer::Write);
    const int read = int(Transfer::Read);
    QTest::newRow("write done: no message") << write << int(Kind::Done) << "";
    QTest::newRow("read done: no message") << read << int(Kind::Done) << "";
    QTest::newRow("write on a closed port")
        << write << int(Kind::PortNotOpen) << "数据传送错误！！";
    QTest::newRow("cable pulled during a write")
        << write << int(Kind::SendFailed) << "数据传送错误！！";
    QTest::newRow("row out of range") << write << int(Kind::RowCannotTravel) << "数据超出范围 ！！";
    QTest::newRow("read timed out") << read << int(Kind::ReadTimedOut) << "读数错误！！";
    QTest::newRow("read malformed") << read << int(Kind::ReadMalformed) << "读数错误！！";
    QTest::newRow("link lost during a read") << read << int(Kind::LinkLost) << "读数错误！！";
    QTest::newRow("read on a closed port") << read << int(Kind::PortNotOpen) << "读数错误！！";
    QTest::newRow("read the file refused: not the radio's fault")
        << read << int(Kind::NotStored) << "数据库文件无法写入！";
}

void TestLinkWords::outcomeMessages() {
    QFETCH(int, transfer);
    QFETCH(int, kind);
    QFETCH(QString, text);
    const WindowMessage m =
        messageFor({static_cast<Transfer>(transfer), static_cast<Kind>(kind), 3});
    QCOMPARE(m.text, text);
    if (kind == int(Kind::NotStored)) {
        QCOMPARE(m.title, QStringLiteral("系统信息"));
    } else if (!text.isEmpty()) {
        QCOMPARE(m.title, QStringLiteral("错误警告 "));
        QCOMPARE(m.icon, MessageIcon::Information);
    }
}

void TestLinkWords::statusTexts_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("ready") << int(LinkStatus::Ready) << "对讲机就绪...";
    QTest::newRow("writing, seven commas") << int(LinkStatus::Writing) << "正在传送数据,,,,,,,";
    QTest::newRow("written") << int(LinkStatus::Written) << "数据传送完毕...";
    QTest::newRow("read") << int(LinkStatus::Read) << "读出信道数据完毕！";
    QTest::newRow("empty") << int(LinkStatus::Empty) << "";
}

void TestLinkWords::statusTexts() {
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(statusText(static_cast<LinkStatus>(status)), text);
}

void TestLinkWords::openFailures_data() {
    using K = PortOpenFailure::Kind;
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::newRow("opened: nothing to say") << int(K::None) << ""
                                            << "";
    QTest::newRow("not mapped names the number") << int(K::NotMapped) << ""
                                                 << "COM4 未对应任何设备";
    QTest::newRow("missing") << int(K::Missing) << ""
                             << "/dev/ttyUSB3：设备不存在";
    QTest::newRow("busy") << int(K::Busy) << ""
                          << "/dev/ttyUSB3 正被其他程序占用";
    QTest::newRow("no permission names the group")
        << int(K::NoPermission) << "dialout"
        << "/dev/ttyUSB3：无权打开；加入用户组 dialout 即可使用";
    QTest::newRow("no permission, group unknown") << int(K::NoPermission) << ""
                                                  << "/dev/ttyUSB3：无权打开";
    QTest::newRow("other, in the system's words") << int(K::Other) << ""
                                                  << "/dev/ttyUSB3：why";
    QTest::newRow("settings refused") << int(K::SettingsRefused) << ""
                                      << "/dev/ttyUSB3 不支持 1200 bit/s 8N1：why";
}

void TestLinkWords::openFailures() {
    QFETCH(int, kind);
    QFETCH(QString, group);
    QFETCH(QString, text);
    PortOpenFailure f;
    f.kind = static_cast<PortOpenFailure::Kind>(kind);
    f.port = 4;
    f.device = f.kind == PortOpenFailure::Kind::NotMapped ? QString() : "/dev/ttyUSB3";
    f.group = group;
    f.detail = QStringLiteral("why");
    QCOMPARE(describeOpenFailure(f), text);
}

QTEST_GUILESS_MAIN(TestLinkWords)
#include "tst_linkwords.moc"
