// SPDX-License-Identifier: GPL-3.0-or-later
// The kernel's session for the page: one kernel::Session over a BufferedLink
// whose bytes the page carries to and from Web Serial, whose timers and frame
// deadline the page keeps, and whose rows are the page's. The page calls in
// with ticks, received bytes, deadline expiry and the commands; the session
// calls out through the page's callbacks object. Nothing is decided here.
#include "kernel/linksession.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

val fromOutcome(const TransferOutcome& o) {
    val v = val::object();
    v.set("transfer", static_cast<int>(o.transfer));
    v.set("kind", static_cast<int>(o.kind));
    v.set("frame", o.frame);
    v.set("problem", static_cast<int>(o.problem));
    return v;
}

// The page's side of a session: its clock, its rows and what it shows.
class PageFrontEnd : public SessionFrontEnd, public RowStore {
public:
    explicit PageFrontEnd(val page)
        : m_page(std::move(page)) {}

    // SessionFrontEnd
    void startTimer(SessionTimer t) override {
        m_page.call<void>("startTimer", static_cast<int>(t));
    }
    void stopTimer(SessionTimer t) override { m_page.call<void>("stopTimer", static_cast<int>(t)); }
    void startFrameDeadline() override {
        m_page.call<void>("startDeadline", ReadTransfer::kFrameDeadlineMs);
    }
    void stopFrameDeadline() override { m_page.call<void>("stopDeadline"); }
    void transferChanged(Transfer t) override {
        m_page.call<void>("setTransfer", static_cast<int>(t));
    }
    void statusChanged(LinkStatus s) override {
        m_page.call<void>("setStatus", static_cast<int>(s));
    }
    void finished(const TransferOutcome& o) override {
        m_page.call<void>("report", fromOutcome(o));
    }

    // RowStore
    std::string squelchText() const override { return m_page.call<std::string>("squelch"); }
    ChannelRecord row(int index) const override { return toRecord(m_page.call<val>("row", index)); }
    bool store(const ChannelRows& rows, const std::string& squelch) override {
        return m_page.call<bool>("store", fromRows(rows), squelch);
    }
    void setCurrentRow(int index) override { m_page.call<void>("setCurrentRow", index); }
    void numberFirstRow() override { m_page.call<void>("numberFirstRow"); }

private:
    val m_page;
};

class PageSession {
public:
    explicit PageSession(val page)
        : m_frontEnd(std::move(page)) {}

    // The page's side of the line.
    void setOpen(bool open) {
        m_link.setOpen(open);
        m_link.setMayOpen(open);
    }
    void received(const val& bytes) {
        m_link.received(fromBytes(bytes));
        m_session.inputArrived();
    }
    val takeOutgoing() {
        return toBytes(m_link.takeOutgoing()); // a copy, made while the string lives
    }
    // The port is gone and stays gone: a new one is asked for by the user.
    void linkLost() {
        setOpen(false);
        m_session.linkLost(false);
    }

    void startPoll() { m_session.startPoll(); }
    void stopPoll() { m_session.stopPoll(); }
    void startPollNow() { m_session.startPollNow(); }
    void stopAll() { m_session.stopAll(); }
    void write(int rules) { m_session.write(static_cast<WriteRules>(rules)); }
    void read() { m_session.read(); }
    void tick(int timer) { m_session.tick(static_cast<SessionTimer>(timer)); }
    void frameDeadlinePassed() { m_session.frameDeadlinePassed(); }
    int transfer() const { return static_cast<int>(m_session.transfer()); }

private:
    PageFrontEnd m_frontEnd;
    BufferedLink m_link;
    Session m_session{m_link, m_frontEnd, m_frontEnd};
};

} // namespace

EMSCRIPTEN_BINDINGS(zt41_session) {
    emscripten::class_<PageSession>("Session")
        .constructor<val>()
        .function("setOpen", &PageSession::setOpen)
        .function("received", &PageSession::received)
        .function("takeOutgoing", &PageSession::takeOutgoing)
        .function("linkLost", &PageSession::linkLost)
        .function("startPoll", &PageSession::startPoll)
        .function("stopPoll", &PageSession::stopPoll)
        .function("startPollNow", &PageSession::startPollNow)
        .function("stopAll", &PageSession::stopAll)
        .function("write", &PageSession::write)
        .function("read", &PageSession::read)
        .function("tick", &PageSession::tick)
        .function("frameDeadlinePassed", &PageSession::frameDeadlinePassed)
        .function("transfer", &PageSession::transfer);
    emscripten::function(
        "timerPeriod", +[](int t) { return timerPeriodMs(static_cast<SessionTimer>(t)); });
}
