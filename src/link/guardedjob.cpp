// SPDX-License-Identifier: GPL-3.0-or-later
#include "guardedjob.h"

#include "channels/kernelbridge.h"

#include <QDateTime>

namespace zt41 {

kernel::GuardedJob::Options GuardedJob::toKernel(const Options& options) {
    kernel::GuardedJob::Options out;
    out.operation = options.operation;
    out.toSend = {zt41::toKernel(options.toSend.squelch), zt41::toKernel(options.toSend.rows)};
    out.backup = options.backup.has_value();
    out.verify = options.verify;
    out.restoring = options.restoring;
    out.readyWaitMs = options.readyWaitMs;
    return out;
}

GuardedJob::GuardedJob(SerialLink& link, const QString& port, Options options, QObject* parent)
    : QObject(parent)
    , m_link(link)
    , m_kernelLink(link)
    , m_port(port)
    , m_options(std::move(options))
    , m_clock(this, [this](SessionTimer t) { m_job.tick(t); })
    , m_job(m_kernelLink, m_host, toKernel(m_options)) {
    m_frameDeadline.setSingleShot(true);
    m_frameDeadline.setTimerType(Qt::PreciseTimer);
    m_frameDeadline.setInterval(kernel::ReadTransfer::kFrameDeadlineMs);
    connect(&m_frameDeadline, &QTimer::timeout, this, [this] { m_job.frameDeadlinePassed(); });
    m_readyWait.setSingleShot(true);
    m_readyWait.setInterval(m_options.readyWaitMs);
    connect(&m_readyWait, &QTimer::timeout, this, [this] { m_job.readyWaitPassed(); });
    connect(&m_link, &SerialLink::inputArrived, this, [this] { m_job.inputArrived(); });
    connect(&m_link, &SerialLink::linkLost, this, [this] { m_job.linkLost(m_link.mayComeBack()); });
}

GuardedJob::~GuardedJob() {
    m_job.session().stopAll();
}

void GuardedJob::start() {
    m_job.start();
}

void GuardedJob::abort() {
    m_job.abort();
}

ChannelRows GuardedJob::receivedRows(const kernel::ChannelRows& rows) const {
    ChannelRows out = fromKernel(rows);
    for (int r = 0; r < kChannelCount; ++r)
        out[r][Field::No] = m_options.toSend.rows[r][Field::No];
    return out;
}

void GuardedJob::takeResult() {
    const kernel::GuardedJob::Result& r = m_job.result();
    m_result.failure = r.failure;
    m_result.failedStep = r.failedStep;
    m_result.openFailure =
        r.failure == Failure::PortNotOpened ? m_link.openFailure() : PortOpenFailure{};
    m_result.transfer = r.transfer;
    m_result.backupPath = fromKernel(r.backupPath);
    m_result.differences = listFromKernel<
        FieldDifference>(r.differences, [](const kernel::FieldDifference& d) {
        return FieldDifference{d.channel, d.field, fromKernel(d.expected), fromKernel(d.actual)};
    });
    m_result.haveRead = r.haveRead;
    m_result.read = {QString::fromStdString(r.read.squelch), receivedRows(r.read.rows)};
}

void GuardedJob::Host::startTimer(SessionTimer timer) {
    m_j.m_clock.timer(timer)->start();
}

void GuardedJob::Host::stopTimer(SessionTimer timer) {
    m_j.m_clock.timer(timer)->stop();
}

void GuardedJob::Host::callSoon() {
    QMetaObject::invokeMethod(
        &m_j, [job = &m_j] { job->m_job.resume(); }, Qt::QueuedConnection);
}

bool GuardedJob::Host::backupFolderReady() {
    return m_j.m_options.backup->prepare() == BackupStore::Problem::None;
}

std::string GuardedJob::Host::backupFolder() const {
    return zt41::toKernel(m_j.m_options.backup->folder());
}

std::optional<std::string> GuardedJob::Host::saveBackup(const std::string& squelch,
                                                        const kernel::ChannelRows& rows) {
    const std::optional<QString> path =
        m_j.m_options.backup->add(m_j.m_port, QString::fromStdString(squelch),
                                  m_j.receivedRows(rows), QDateTime::currentDateTime());
    if (!path)
        return std::nullopt;
    return zt41::toKernel(*path);
}

void GuardedJob::Host::changed() {
    if (m_j.m_job.isDone())
        m_j.takeResult();
    Q_EMIT m_j.changed();
}

void GuardedJob::Host::finished() {
    Q_EMIT m_j.finished();
}

} // namespace zt41
