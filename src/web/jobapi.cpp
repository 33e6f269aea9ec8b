// SPDX-License-Identifier: GPL-3.0-or-later
// The 工具 menu's guarded jobs for the page: a kernel::GuardedJob over a
// BufferedLink whose bytes the page carries while the job holds the port,
// whose clock (the session's timers, the frame deadline, the wait for the
// radio, callSoon as a zero timeout) the page keeps, and whose backups the
// page puts in the browser's storage. Also the check before anything goes
// to the radio. Nothing is decided here.
#include "kernel/guardedjob.h"
#include "kernel/sendcheck.h"

#include "jsvalues.h"

#include <emscripten/bind.h>

#include <memory>

using namespace zt41::kernel;

namespace {

using namespace zt41::web;

val fromFindings(const Findings& findings) {
    val out = val::array();
    for (std::size_t i = 0; i < findings.size(); ++i) {
        val f = val::object();
        f.set("channel", findings[i].channel);
        f.set("field", static_cast<int>(findings[i].field));
        f.set("value", findings[i].value);
        out.set(i, f);
    }
    return out;
}

// {mayGo, squelch, rows, stuck (the first stuck channel, 0 for none),
// warnings, refusals}: what a write (`write`) or a check would send of the set.
val sendCheckJs(const std::string& squelch, const val& rows, bool framesOnly, bool write) {
    const SendCheck check = sendCheck({squelch, toRows(rows)},
                                      framesOnly ? WriteRules::FramesOnly : WriteRules::Editing,
                                      write ? SendPurpose::Write : SendPurpose::Verify);
    val out = val::object();
    out.set("mayGo", check.mayGo);
    out.set("squelch", check.set.squelch);
    out.set("rows", fromRows(check.set.rows));
    out.set("stuck", check.stuck.empty() ? 0 : check.stuck.front().channel);
    out.set("warnings", fromFindings(check.warnings()));
    out.set("refusals", fromFindings(check.refusals()));
    return out;
}

class PageJob : private GuardedJobHost {
public:
    // options: {operation (0 read, 1 write, 2 verify), squelch, rows, backup,
    // restoring}; the port is open when the job is made.
    PageJob(val page, const val& options)
        : m_page(std::move(page)) {
        GuardedJob::Options o;
        o.operation = static_cast<GuardedJob::Operation>(options["operation"].as<int>());
        o.toSend = {options["squelch"].as<std::string>(), toRows(options["rows"])};
        o.backup = options["backup"].as<bool>();
        o.restoring = options["restoring"].as<bool>();
        m_link.setOpen(true);
        m_job = std::make_unique<GuardedJob>(m_link, static_cast<GuardedJobHost&>(*this), o);
    }

    void start() { m_job->start(); }
    // The backup's name once the browser's storage has kept it; null when it did not.
    void backupSaved(const val& name) {
        m_job->backupSaved(name.isString() ? std::optional<std::string>(name.as<std::string>())
                                           : std::nullopt);
    }
    void abort() { m_job->abort(); }
    void tick(int timer) { m_job->tick(static_cast<SessionTimer>(timer)); }
    void frameDeadlinePassed() { m_job->frameDeadlinePassed(); }
    void readyWaitPassed() { m_job->readyWaitPassed(); }
    void resume() { m_job->resume(); }
    void received(const val& bytes) {
        m_link.received(fromBytes(bytes));
        m_job->inputArrived();
    }
    val takeOutgoing() { return toBytes(m_link.takeOutgoing()); }
    void linkLost() {
        m_link.setOpen(false);
        m_job->linkLost(false);
    }

    int step() const { return static_cast<int>(m_job->step()); }
    int frame() const { return m_job->frame(); }
    bool radioMayHaveChanged() const { return m_job->radioMayHaveChanged(); }
    // {failure, failedStep, transfer, backup, differences}.
    val result() const {
        const GuardedJob::Result& r = m_job->result();
        val out = val::object();
        out.set("failure", static_cast<int>(r.failure));
        out.set("failedStep", static_cast<int>(r.failedStep));
        val t = val::object();
        t.set("transfer", static_cast<int>(r.transfer.transfer));
        t.set("kind", static_cast<int>(r.transfer.kind));
        t.set("frame", r.transfer.frame);
        out.set("transfer", t);
        out.set("backup", r.backupPath);
        val differences = val::array();
        for (std::size_t i = 0; i < r.differences.size(); ++i) {
            const FieldDifference& d = r.differences[i];
            val v = val::object();
            v.set("channel", d.channel);
            v.set("field", static_cast<int>(d.field));
            v.set("expected", d.expected);
            v.set("actual", d.actual);
            differences.set(i, v);
        }
        out.set("differences", differences);
        return out;
    }

private:
    // GuardedJobHost
    void startTimer(SessionTimer t) override {
        m_page.call<void>("startTimer", static_cast<int>(t));
    }
    void stopTimer(SessionTimer t) override { m_page.call<void>("stopTimer", static_cast<int>(t)); }
    void startFrameDeadline() override {
        m_page.call<void>("startDeadline", ReadTransfer::kFrameDeadlineMs);
    }
    void stopFrameDeadline() override { m_page.call<void>("stopDeadline"); }
    void startReadyWait(int ms) override { m_page.call<void>("startReadyWait", ms); }
    void stopReadyWait() override { m_page.call<void>("stopReadyWait"); }
    void callSoon() override { m_page.call<void>("callSoon"); }
    bool backupFolderReady() override { return true; }
    std::string backupFolder() const override { return m_page.call<std::string>("backupPlace"); }
    // IndexedDB answers later: the page calls backupSaved().
    std::optional<std::string> saveBackup(const std::string& squelch,
                                          const ChannelRows& rows) override {
        m_page.call<void>("saveBackup", squelch, fromRows(rows));
        return std::nullopt;
    }
    bool savesBackupLater() const override { return true; }
    void changed() override { m_page.call<void>("changed"); }
    void finished() override { m_page.call<void>("finished"); }

    val m_page;
    BufferedLink m_link;
    std::unique_ptr<GuardedJob> m_job;
};

} // namespace

EMSCRIPTEN_BINDINGS(zt41_job) {
    emscripten::class_<PageJob>("GuardedJob")
        .constructor<val, const val&>()
        .function("start", &PageJob::start)
        .function("backupSaved", &PageJob::backupSaved)
        .function("abort", &PageJob::abort)
        .function("tick", &PageJob::tick)
        .function("frameDeadlinePassed", &PageJob::frameDeadlinePassed)
        .function("readyWaitPassed", &PageJob::readyWaitPassed)
        .function("resume", &PageJob::resume)
        .function("received", &PageJob::received)
        .function("takeOutgoing", &PageJob::takeOutgoing)
        .function("linkLost", &PageJob::linkLost)
        .function("step", &PageJob::step)
        .function("frame", &PageJob::frame)
        .function("radioMayHaveChanged", &PageJob::radioMayHaveChanged)
        .function("result", &PageJob::result);
    emscripten::function("sendCheck", &sendCheckJs);
}
