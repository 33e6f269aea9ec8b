#include "radiojob.h"

#include "channeltext.h"
#include "files/channelfile.h"
#include "link/linksession.h"
#include "link/portmap.h"
#include "words.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

namespace zt41::cli {

namespace {

PortMap mapFor(const QString& device) {
    return PortMap::fromList(device).value_or(PortMap{});
}

// A file name part from a port name: "/dev/serial/by-id/usb-x" gives
// "dev-serial-by-id-usb-x".
QString portTag(const QString& port) {
    QString tag = port;
    tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]+")), QStringLiteral("-"));
    while (tag.startsWith(u'-'))
        tag.remove(0, 1);
    return tag.isEmpty() ? QStringLiteral("port") : tag;
}

} // namespace

RadioJob::RadioJob(const QString& port, const QString& device, Options options, QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_device(device)
    , m_options(std::move(options))
    , m_link(mapFor(device), this)
    , m_rows(m_options.toSend.rows, m_options.toSend.squelch) {
    m_session = new LinkSession(m_link, m_rows, this);
    m_readyWait.setSingleShot(true);
    m_readyWait.setInterval(m_options.readyWaitMs);
    connect(&m_readyWait, &QTimer::timeout, this, [this] {
        finish(kPortOrRadio,
               Words::tr("no answer from the radio within %1 s: is it switched on, on this "
                         "port, with the cable plugged in?")
                   .arg(m_options.readyWaitMs / 1000.0));
    });
    connect(m_session, &LinkSession::readyChanged, this, &RadioJob::radioReady);
    connect(m_session, &LinkSession::finished, this, &RadioJob::transferEnded);
    connect(m_session, &LinkSession::progress, this, [this](Transfer, int frame) {
        m_frame = frame;
        Q_EMIT changed();
    });
}

RadioJob::~RadioJob() {
    m_session->stopAll();
}

QString RadioJob::stepName(Step step) {
    switch (step) {
    case Step::Queued:
        return Words::tr("queued");
    case Step::Opening:
        return Words::tr("opening");
    case Step::WaitingForRadio:
        return Words::tr("waiting for the radio");
    case Step::Backup:
        return Words::tr("backup");
    case Step::Writing:
        return Words::tr("write");
    case Step::Verifying:
        return Words::tr("verify");
    case Step::Reading:
        return Words::tr("read");
    case Step::Done:
        return Words::tr("done");
    }
    return QString();
}

void RadioJob::setStep(Step step) {
    m_step = step;
    m_frame = 0;
    Q_EMIT changed();
}

void RadioJob::start() {
    setStep(Step::Opening);
    m_link.selectPort(1);
    if (!m_link.open()) {
        finish(
            kPortOrRadio,
            Words::tr("the port does not open: %1").arg(describeOpenFailure(m_link.openFailure())));
        return;
    }
    connect(&m_link, &SerialLink::linkLost, this, [this](const QString&) {
        if (m_step == Step::WaitingForRadio)
            finish(kPortOrRadio, Words::tr("the port went away (cable pulled?)"));
    });
    switch (m_options.operation) {
    case Operation::Read:
        m_afterReady = Step::Reading;
        break;
    case Operation::Verify:
        m_afterReady = Step::Verifying;
        break;
    case Operation::Write:
        m_afterReady = m_options.backup ? Step::Backup : Step::Writing;
        break;
    }
    m_session->startPollNow();
    waitForRadio();
}

void RadioJob::waitForRadio() {
    setStep(Step::WaitingForRadio);
    if (m_session->isReady()) {
        afterReady();
        return;
    }
    m_readyWait.start();
}

void RadioJob::radioReady(bool ready) {
    if (ready && m_step == Step::WaitingForRadio)
        afterReady();
}

void RadioJob::afterReady() {
    m_readyWait.stop();
    setStep(m_afterReady);
    if (m_step == Step::Writing)
        m_session->write();
    else
        m_session->read();
}

void RadioJob::transferEnded(const TransferOutcome& outcome) {
    if (m_step == Step::Done)
        return;
    if (!outcome.ok()) {
        finish(kPortOrRadio,
               QStringLiteral("%1: %2").arg(stepName(m_step), describeOutcome(outcome)));
        return;
    }
    // The session ends the transfer (lock, poll) once this returns; go on after that.
    const Step ended = m_step;
    QMetaObject::invokeMethod(
        this, [this, ended] { continueAfter(ended); }, Qt::QueuedConnection);
}

void RadioJob::continueAfter(Step ended) {
    if (m_step == Step::Done)
        return;
    switch (ended) {
    case Step::Backup:
        if (!saveBackup())
            return;
        setStep(Step::Writing);
        m_session->write();
        return;
    case Step::Writing:
        if (!m_options.verify) {
            finish(kDone, QString());
            return;
        }
        // Check once the radio is heard again after the write.
        m_afterReady = Step::Verifying;
        waitForRadio();
        return;
    case Step::Verifying:
        m_result.differences = compareInFrameForm(m_options.toSend.squelch, m_options.toSend.rows,
                                                  m_rows.receivedSquelch(), m_rows.receivedRows());
        if (m_result.differences.isEmpty())
            finish(kDone, QString());
        else
            finish(kDifferences,
                   Words::tr("verify found %1 difference(s), the first: %2")
                       .arg(m_result.differences.size())
                       .arg(differenceLine(m_result.differences.first(), Words::tr("expected"),
                                           Words::tr("in the radio"))));
        return;
    case Step::Reading:
        m_result.haveRead = true;
        m_result.read = {m_rows.receivedSquelch(), m_rows.receivedRows()};
        finish(kDone, QString());
        return;
    default:
        return;
    }
}

bool RadioJob::saveBackup() {
    QDir folder(m_options.backupFolder);
    if (!folder.mkpath(QStringLiteral("."))) {
        finish(kCannotSave, Words::tr("cannot create the backup folder %1").arg(folder.path()));
        return false;
    }
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString path = folder.filePath(QStringLiteral("%1-%2.doc").arg(stamp, portTag(m_port)));
    if (saveChannelFile(path, m_rows.receivedSquelch(), m_rows.receivedRows()) !=
        ChannelFileError::None) {
        finish(kCannotSave, Words::tr("cannot save the backup %1; nothing was written").arg(path));
        return false;
    }
    m_result.backupPath = path;
    Q_EMIT changed();
    return true;
}

void RadioJob::abort(const QString& why) {
    if (m_step != Step::Done)
        finish(kInterrupted, why);
}

void RadioJob::finish(int status, const QString& message) {
    m_readyWait.stop();
    m_session->stopAll();
    m_link.close();
    m_result.status = status;
    m_result.message = message;
    m_step = Step::Done;
    Q_EMIT changed();
    Q_EMIT finished();
}

} // namespace zt41::cli
