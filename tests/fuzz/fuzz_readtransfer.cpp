// SPDX-License-Identifier: GPL-3.0-or-later
// The read transfer over a scripted link: the radio's answer in any pieces,
// noise, deadlines passing and the cable pulled at any point. A read either
// stores 16 well-formed, aligned frames and says so, or changes nothing and
// reports one failure; either way the port is free again and the ready poll
// comes back.
#include "channels/channeltable.h"
#include "fakelink.h"
#include "fuzzdata.h"
#include "link/channelframe.h"
#include "link/linksession.h"
#include "link/readtransfer.h"
#include "link/rowstore.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <memory>

using namespace zt41;

namespace {

struct Bench {
    std::unique_ptr<QCoreApplication> app;
    QTemporaryDir dir{fuzzScratchTemplate()};
    ChannelTable table;
    ChannelRows before{};
};

// Ended at exit, before Qt's own globals: the table closes before its folder
// goes, the application last.
std::unique_ptr<Bench> bench;

// A radio's whole answer, for the script to hand out in pieces.
QByteArray radioAnswer() {
    QByteArray s("0511000086410000504470060325");
    for (int k = 2; k <= kChannelCount; ++k)
        s += QByteArray::number(k - 1).rightJustified(2, '0') + "00" +
             QByteArray::number(10000000 + 7 * k).right(8) + "0000000000000000";
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static int appArgc = 1;
    static char* appArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    bench = std::make_unique<Bench>();
    bench->app = std::make_unique<QCoreApplication>(appArgc, appArgv);
    if (!bench->dir.isValid() ||
        !bench->table.open(bench->dir.filePath(ChannelTable::defaultFileName())))
        fuzzFail("cannot open the channel table");
    for (int r = 0; r < kChannelCount; ++r) {
        bench->table.setCurrentRow(r);
        bench->table.writeField(Field::Rf, QStringLiteral("145.00000"));
        bench->table.writeField(Field::Bt, QStringLiteral("off"));
    }
    bench->before = bench->table.rows();
    std::atexit([] { bench.reset(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ChannelTable& table = bench->table;
    if (table.rows() != bench->before && !table.replaceDataFields(bench->before))
        fuzzFail("cannot reset the table");
    table.setCurrentRow(5);

    FakeLink link;
    link.open();
    QString squelch = QStringLiteral("7");
    TableRows rows(
        table, [&] { return squelch; }, [&](const QString& text) { squelch = text; });
    LinkSession session(link, rows);
    session.startPoll();
    ReadTransfer& read = session.reader();
    QList<TransferOutcome> outcomes;
    QList<LinkStatus> statuses;
    bool openAtEnd = false;
    qsizetype statusesAtEnd = 0; // a cable pulled after the read clears the line again
    QObject::connect(&session, &LinkSession::finished, [&](const TransferOutcome& outcome) {
        outcomes << outcome;
        openAtEnd = link.isOpen();
        statusesAtEnd = statuses.size();
    });
    QObject::connect(&session, &LinkSession::statusChanged,
                     [&](LinkStatus status) { statuses << status; });

    size_t at = 0;
    const auto take = [&](size_t n) {
        const size_t k = qMin(n, size - at);
        const QByteArray b(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(k));
        at += k;
        return b;
    };
    // Left over on the line before the request: the read must not take it.
    if (at < size && data[at] < 8)
        link.input = take(data[at++] * 5);

    session.read();
    session.readTick();
    const QByteArray answer = radioAnswer();
    qsizetype answerAt = 0;
    QByteArray delivered;
    while (at < size) {
        const uint8_t op = data[at++];
        if (op == 0xF0) {
            read.expire();
        } else if (op == 0xF1) {
            link.opened = false;
            Q_EMIT link.linkLost(QStringLiteral("cable pulled"));
        } else if (op == 0xF2) {
            // Timer4 once more; it is stopped when the read ends, so only while reading.
            if (read.isReading())
                session.readTick();
        } else if (op >= 0x80) {
            const QByteArray piece = answer.mid(answerAt, op - 0x7F);
            answerAt += piece.size();
            delivered += piece;
            link.deliver(piece);
        } else {
            const QByteArray piece = take(op + 1);
            delivered += piece;
            link.deliver(piece);
        }
    }
    if (read.isReading())
        read.expire();

    if (outcomes.size() != 1 || outcomes[0].transfer != Transfer::Read)
        fuzzFail("the read did not end exactly once");
    if (session.isBusy() || !session.timer(SessionTimer::ReadyPoll)->isActive() || read.isReading())
        fuzzFail("port not freed or ready poll not restored");
    if (!outcomes[0].ok()) {
        if (table.rows() != bench->before || squelch != QStringLiteral("7") ||
            statuses.value(statuses.size() - 1, LinkStatus::Ready) != LinkStatus::Empty)
            fuzzFail("a failed read changed something or did not say so");
        return 0;
    }

    // Success: what arrived after the request, but for the poll's late "C"s,
    // holds 16 well-formed frames in their places, and they are what was stored.
    qsizetype start = 0;
    while (start < delivered.size() && delivered[start] == 'C')
        ++start;
    if (!openAtEnd)
        fuzzFail("a read succeeded over a pulled cable");
    ChannelRows expected = bench->before;
    QString squelchRead;
    for (int k = 1; k <= kChannelCount; ++k) {
        const QString frame =
            QString::fromLatin1(delivered.mid(start + (k - 1) * kFrameLength, kFrameLength));
        if (!isWellFormedFrame(frame) || !isAlignedFrame(frame, k))
            fuzzFail("a read stored a frame that is malformed or out of place:", frame);
        const QString s = DecodeChannelFrame(frame, k, expected[k - 1]);
        if (k == 1)
            squelchRead = s;
    }
    if (table.rows() != expected || squelch != squelchRead || statusesAtEnd == 0 ||
        statuses[statusesAtEnd - 1] != LinkStatus::Read || table.currentRow() != 0)
        fuzzFail("a successful read stored something else");
    return 0;
}
