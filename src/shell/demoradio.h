// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QLockFile;

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

    // Removes the demo-* folders under `home` whose program is gone (killed
    // before it could clean up). A folder of a running demo stays.
    static void removeAbandonedFolders(const QString& home);

private:
    static constexpr int kCreationGraceSeconds = 10;
    static inline const QString kOwnerLock = QStringLiteral("owner.lock");

    std::unique_ptr<QTemporaryDir> m_memoryDir; // outlives the process, which writes into it
    std::unique_ptr<QLockFile> m_owner;         // held while this demo runs
    QProcess m_process;
    QString m_error;
};

} // namespace zt41
