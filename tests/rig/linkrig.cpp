// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkrig.h"

#include "channels/squelch.h"

#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

using namespace zt41;

namespace {

// How often waitUntil() looks again for conditions nothing signals, such as
// the port closing.
constexpr int kWaitPollMs = 20;

PortMap mapFor(const QString& device) {
    return PortMap::fromList(device).value_or(PortMap{});
}

const char* statusName(LinkStatus s) {
    switch (s) {
    case LinkStatus::Ready:
        return "ready";
    case LinkStatus::Writing:
        return "writing";
    case LinkStatus::Written:
        return "written";
    case LinkStatus::Read:
        return "read";
    case LinkStatus::Empty:
        break;
    }
    return "empty";
}

} // namespace

LinkRig::LinkRig(const QString& device, QObject* parent)
    : QObject(parent)
    , m_link(mapFor(device), this)
    , m_table(this)
    , m_rows(
          m_table, [this] { return m_squelch; },
          [this](const QString& text) { setSquelchText(text); })
    , m_session(new LinkSession(m_link, m_rows, this)) {
    for (int t = 1; t <= 4; ++t)
        connect(m_session->timer(static_cast<SessionTimer>(t)), &QTimer::timeout, this,
                [this, t] { ++m_ticks[t - 1]; });
    connect(m_session, &LinkSession::statusChanged, this, [this](LinkStatus s) {
        m_statuses << s;
        Q_EMIT changed();
    });
    connect(m_session, &LinkSession::readStarted, this, [this] { m_readClock.start(); });
    connect(m_session, &LinkSession::finished, this, [this](const TransferOutcome& o) {
        m_outcomes << o;
        if (o.transfer == Transfer::Read) {
            m_lastReadNs = m_readClock.isValid() ? m_readClock.nsecsElapsed() : -1;
            m_readResults << o.ok();
        }
        Q_EMIT changed();
    });
    connect(m_session, &LinkSession::transferChanged, this, &LinkRig::changed);
    connect(&m_link, &SerialLink::linkLost, this, [this](const QString& reason) {
        m_lostReasons << reason;
        Q_EMIT changed();
    });
}

LinkRig::~LinkRig() {
    m_session->stopAll();
}

bool LinkRig::start(QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!m_dir.isValid())
        return refuse(QStringLiteral("no temporary folder: %1").arg(m_dir.errorString()));
    if (!m_table.open(tablePath()))
        return refuse(m_table.errorString());
    QList<PortOpenFailure> failures;
    if (probePorts(m_link, &failures) == 0)
        return refuse(QStringLiteral("no port opened (COM1: %1)").arg(failures.value(0).device));
    m_session->startPoll();
    return true;
}

void LinkRig::setSquelchText(const QString& text) {
    m_squelch = Squelch::afterCheck(text);
    Q_EMIT changed();
}

LinkStatus LinkRig::status() const {
    return m_statuses.isEmpty() ? LinkStatus::Empty : m_statuses.last();
}

QString LinkRig::statusTrail() const {
    QStringList names;
    for (LinkStatus s : m_statuses)
        names << QString::fromLatin1(statusName(s));
    return names.join(u'|');
}

bool LinkRig::becameReady(qsizetype from) const {
    return m_statuses.indexOf(LinkStatus::Ready, from) >= 0;
}

QList<TransferOutcome> LinkRig::failures() const {
    QList<TransferOutcome> out;
    for (const TransferOutcome& o : m_outcomes)
        if (!o.ok())
            out << o;
    return out;
}

QString LinkRig::failureTrail() const {
    QStringList parts;
    for (const TransferOutcome& o : failures())
        parts << QStringLiteral("%1 kind %2 frame %3")
                     .arg(o.transfer == Transfer::Write ? u"write" : u"read")
                     .arg(static_cast<int>(o.kind))
                     .arg(o.frame);
    return parts.join(u'|');
}

bool LinkRig::isActive(SessionTimer t) const {
    return m_session->timer(t)->isActive();
}

bool LinkRig::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done())
        return true;
    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QTimer poll;
    poll.setInterval(kWaitPollMs);
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(this, &LinkRig::changed, &loop, check);
    connect(&poll, &QTimer::timeout, &loop, check);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start();
    deadline.start(timeoutMs);
    loop.exec();
    return done();
}

qint64 processCpuNs() {
    rusage usage{};
    if (::getrusage(RUSAGE_SELF, &usage) != 0)
        return -1;
    const auto ns = [](const timeval& t) {
        return qint64(t.tv_sec) * 1000000000 + qint64(t.tv_usec) * 1000;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}
