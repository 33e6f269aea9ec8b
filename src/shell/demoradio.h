#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

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
    // errorString() set.
    QString start(const QString& program, const QStringList& arguments);
    QString errorString() const { return m_error; }

    static QString defaultProgram();

private:
    QProcess m_process;
    QString m_error;
};

} // namespace zt41
