// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel's ready poll and transfers for the page: one session over a
// BufferedLink whose bytes the page carries to and from Web Serial, whose
// timers and frame deadline the page keeps, and whose rows are the page's.
// The page calls in with ticks, received bytes and deadline expiry; the
// kernel calls out through the page's callbacks object. Nothing is decided
// here.
#include "kernel/transfers.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

class PageSession : public SessionHost, public RowStore, public FrameDeadline {
public:
    explicit PageSession(val page)
        : m_page(std::move(page)) {}

    // The page's side of the line.
    void setOpen(bool open) {
        m_link.setOpen(open);
        m_link.setMayOpen(open);
    }
    void received(const val& bytes) { m_link.received(fromBytes(bytes)); }
    val takeOutgoing() {
        return toBytes(m_link.takeOutgoing()); // a copy, made while the string lives
    }

    void pollTick() { m_poll.tick(); }
    bool pollTakeAnswer() { return m_poll.takeAnswer(); }
    void write(int rules) { m_write.command(static_cast<WriteRules>(rules)); }
    void writeTick() { m_write.tick(); }
    bool writing() const { return m_write.isRunning(); }
    void read() { m_read.command(); }
    void readTick() { m_read.tick(); }
    void readCollect() { m_read.collect(); }
    void readExpire() { m_read.expire(); }
    void readLinkLost() { m_read.linkLost(); }
    bool reading() const { return m_read.isReading(); }
    // The first row that keeps the set from the radio: {frame, problem}.
    val cannotTravel(int rules) const {
        const RowsThatCannotTravel r =
            firstRowThatCannotTravel(*this, static_cast<WriteRules>(rules));
        val out = val::object();
        out.set("frame", r.frame);
        out.set("problem", static_cast<int>(r.problem));
        return out;
    }

    // SessionHost
    void startTimer(SessionTimer t) override {
        m_page.call<void>("startTimer", static_cast<int>(t));
    }
    void stopTimer(SessionTimer t) override { m_page.call<void>("stopTimer", static_cast<int>(t)); }
    void setStatus(LinkStatus s) override { m_page.call<void>("setStatus", static_cast<int>(s)); }
    void radioAnswered() override { m_page.call<void>("radioAnswered"); }
    void setTransfer(Transfer t) override { m_page.call<void>("setTransfer", static_cast<int>(t)); }
    void frameDone(Transfer t, int frame) override {
        m_page.call<void>("frameDone", static_cast<int>(t), frame);
    }
    void report(const TransferOutcome& o) override {
        val v = val::object();
        v.set("transfer", static_cast<int>(o.transfer));
        v.set("kind", static_cast<int>(o.kind));
        v.set("frame", o.frame);
        v.set("problem", static_cast<int>(o.problem));
        m_page.call<void>("report", v);
    }

    // RowStore
    std::string squelchText() const override { return m_page.call<std::string>("squelch"); }
    ChannelRecord row(int index) const override { return toRecord(m_page.call<val>("row", index)); }
    bool store(const ChannelRows& rows, const std::string& squelch) override {
        return m_page.call<bool>("store", fromRows(rows), squelch);
    }
    void setCurrentRow(int index) override { m_page.call<void>("setCurrentRow", index); }
    void numberFirstRow() override { m_page.call<void>("numberFirstRow"); }

    // FrameDeadline
    void start() override { m_page.call<void>("startDeadline", ReadTransfer::kFrameDeadlineMs); }
    void stop() override { m_page.call<void>("stopDeadline"); }

private:
    val m_page;
    BufferedLink m_link;
    ReadyPoll m_poll{m_link, *this};
    WriteTransfer m_write{m_link, *this, *this};
    ReadTransfer m_read{m_link, *this, *this, *this};
};

} // namespace

EMSCRIPTEN_BINDINGS(zt41_session) {
    emscripten::class_<PageSession>("Session")
        .constructor<val>()
        .function("setOpen", &PageSession::setOpen)
        .function("received", &PageSession::received)
        .function("takeOutgoing", &PageSession::takeOutgoing)
        .function("pollTick", &PageSession::pollTick)
        .function("pollTakeAnswer", &PageSession::pollTakeAnswer)
        .function("write", &PageSession::write)
        .function("writeTick", &PageSession::writeTick)
        .function("writing", &PageSession::writing)
        .function("read", &PageSession::read)
        .function("readTick", &PageSession::readTick)
        .function("readCollect", &PageSession::readCollect)
        .function("readExpire", &PageSession::readExpire)
        .function("readLinkLost", &PageSession::readLinkLost)
        .function("reading", &PageSession::reading)
        .function("cannotTravel", &PageSession::cannotTravel);
    emscripten::function(
        "timerPeriod", +[](int t) { return timerPeriodMs(static_cast<SessionTimer>(t)); });
}
