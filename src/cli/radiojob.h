#pragma once

#include "channelinput.h"
#include "exitstatus.h"
#include "link/framecompare.h"
#include "link/qserialportlink.h"
#include "link/rowstore.h"

#include <QObject>
#include <QTimer>

namespace zt41 {
class LinkSession;
struct TransferOutcome;
} // namespace zt41

namespace zt41::cli {

// One radio on one port, driven through its link session from start to
// end: wait for the radio's "C", then read, or back up, write and check.
// Runs on the event loop beside any number of others.
class RadioJob : public QObject {
    Q_OBJECT
public:
    enum class Operation { Read, Write, Verify };
    enum class Step { Queued, Opening, WaitingForRadio, Backup, Writing, Verifying, Reading, Done };

    struct Options {
        Operation operation = Operation::Read;
        ChannelSet toSend;      // Write and Verify
        bool backup = true;     // Write
        bool verify = true;     // Write
        int readyWaitMs = 3000; // how long to wait for the radio's "C"
        QString backupFolder;   // Write with backup
    };

    struct Result {
        int status = kDone;
        QString message; // one line; empty when all went well
        QString backupPath;
        QList<FieldDifference> differences; // Verify, Write with verify
        bool haveRead = false;              // Read: the channels below hold what was read
        ChannelSet read;
    };

    // `port` is the name the user gave; `device` the device it stands for.
    RadioJob(const QString& port, const QString& device, Options options,
             QObject* parent = nullptr);
    ~RadioJob() override;
    Q_DISABLE_COPY_MOVE(RadioJob)

    void start();
    // Ends the job at once (a signal to the process): the port is closed.
    void abort(const QString& why);

    const QString& port() const { return m_port; }
    const QString& device() const { return m_device; }
    Step step() const { return m_step; }
    // Frames done in the running transfer, 0 to 16.
    int frame() const { return m_frame; }
    bool isDone() const { return m_step == Step::Done; }
    const Result& result() const { return m_result; }
    // What the command did with the radio's answer afterwards failed (saving
    // what was read): the radio's outcome says so.
    void failAfterward(int status, const QString& message) {
        m_result.status = status;
        m_result.message = message;
    }

    static QString stepName(Step step);

Q_SIGNALS:
    void changed();
    void finished();

private:
    void setStep(Step step);
    void waitForRadio();
    void radioReady(bool ready);
    void afterReady();
    void transferEnded(const TransferOutcome& outcome);
    void continueAfter(Step ended);
    bool saveBackup();
    void finish(int status, const QString& message);

    QString m_port;
    QString m_device;
    Options m_options;
    QSerialPortLink m_link;
    FixedRows m_rows;
    LinkSession* m_session = nullptr;
    QTimer m_readyWait;
    Step m_step = Step::Queued;
    Step m_afterReady = Step::Queued;
    int m_frame = 0;
    Result m_result;
};

} // namespace zt41::cli
