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

} // namespace

LinkRig::LinkRig(const QString& device, QObject* parent)
    : QObject(parent)
    , m_link(mapFor(device), this)
    , m_table(this)
    , m_read(m_link, m_table, *this, this)
    , m_poll(m_link, *this)
    , m_write(m_link, m_table, *this)
    , m_statusClear(*this)
    , m_enabled{{LockedCommand::ReadChannels, true},
                {LockedCommand::WriteChannels, true},
                {LockedCommand::Exit, true},
                {LockedCommand::Help, true}} {
    addTimer(WindowTimer::Write, kWriteMs, Qt::PreciseTimer, &LinkRig::writeTick);
    addTimer(WindowTimer::StatusClear, kStatusClearMs, Qt::CoarseTimer, &LinkRig::statusClearTick);
    addTimer(WindowTimer::ReadyPoll, kReadyPollMs, Qt::CoarseTimer, &LinkRig::readyPollTick);
    addTimer(WindowTimer::Read, kReadMs, Qt::CoarseTimer, &LinkRig::readTick);

    m_messages.onShow = [this](const RecordingMessages::Message&) {
        Q_EMIT changed();
    };
    connect(&m_read, &ReadTransfer::finished, this, [this](bool ok) {
        m_lastReadNs = m_readClock.nsecsElapsed();
        m_readResults << ok;
        Q_EMIT changed();
    });
    connect(&m_link, &SerialLink::linkLost, this, [this](const QString& reason) {
        m_lostReasons << reason;
        Q_EMIT changed();
    });
}

LinkRig::~LinkRig() {
    // No tick may reach the transfers while the members go.
    for (QTimer* t : m_timers)
        t->stop();
    m_messages.onShow = nullptr;
}

void LinkRig::addTimer(WindowTimer t, int intervalMs, Qt::TimerType type, void (LinkRig::*tick)()) {
    auto* timer = new QTimer(this);
    timer->setInterval(intervalMs);
    timer->setTimerType(type);
    connect(timer, &QTimer::timeout, this, tick);
    m_timers[index(t)] = timer;
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
    QStringList failures;
    if (probePorts(m_link, &failures) == 0)
        return refuse(failures.join(QStringLiteral("; ")));
    startTimer(WindowTimer::ReadyPoll);
    return true;
}

void LinkRig::setStatus(const QString& text) {
    m_statuses << text;
    Q_EMIT changed();
}

void LinkRig::startTimer(WindowTimer t) {
    // As with the window's timers, starting a running timer leaves its rhythm alone.
    if (!timer(t)->isActive())
        timer(t)->start();
    Q_EMIT changed();
}

void LinkRig::stopTimer(WindowTimer t) {
    timer(t)->stop();
    Q_EMIT changed();
}

void LinkRig::setCommandEnabled(LockedCommand command, bool enabled) {
    m_enabled[command] = enabled;
    Q_EMIT changed();
}

void LinkRig::setSquelchText(const QString& text) {
    m_squelch = Squelch::check(text, m_messages);
    Q_EMIT changed();
}

bool LinkRig::becameReady(qsizetype from) const {
    return m_statuses.indexOf(status::kReady, from) >= 0;
}

bool LinkRig::allEnabled() const {
    for (const bool enabled : m_enabled)
        if (!enabled)
            return false;
    return true;
}

bool LinkRig::isActive(WindowTimer t) const {
    return timer(t)->isActive();
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

void LinkRig::readyPollTick() {
    ++m_ticks[index(WindowTimer::ReadyPoll)];
    m_poll.tick();
}

void LinkRig::writeTick() {
    ++m_ticks[index(WindowTimer::Write)];
    m_write.tick();
}

void LinkRig::statusClearTick() {
    ++m_ticks[index(WindowTimer::StatusClear)];
    m_statusClear.tick();
}

void LinkRig::readTick() {
    ++m_ticks[index(WindowTimer::Read)];
    m_readClock.start();
    m_read.tick();
    if (!m_read.isReading())
        return;
    // The window runs the whole read inside this tick; clicks wait until it ends.
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&m_read, &ReadTransfer::finished, &loop, &QEventLoop::quit);
    connect(&guard, &QTimer::timeout, &loop, [this, &loop] {
        m_readOverran = true;
        loop.quit();
    });
    guard.start(kReadGuardMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
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
