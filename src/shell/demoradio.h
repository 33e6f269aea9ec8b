#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace zt41 {

// zt41-radio started beside the program for --demo, so that every menu
// command can be tried without a radio. Stopped when this object goes.
class DemoRadio : public QObject {
    Q_OBJECT
public:
    explicit DemoRadio(QObject* parent = nullptr);
    ~DemoRadio() override;
    Q_DISABLE_COPY_MOVE(DemoRadio)

    // Starts the simulator and gives the device it serves, or empty text with
    // errorString() set. Its memory lives in a folder of this program's own,
    // under the user's data folder and readable by the user alone, so that
    // neither another user nor a second demo can read, replace or clobber it.
    // The simulator ends by itself should this program die without stopping it.
    QString start(const QString& program, const QStringList& arguments = {});
    QString memoryPath() const;
    QString errorString() const { return m_error; }

    static QString defaultProgram();

private:
    std::unique_ptr<QTemporaryDir> m_memoryDir; // outlives the process, which writes into it
    QProcess m_process;
    QString m_error;
};

} // namespace zt41
