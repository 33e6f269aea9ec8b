// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/seriallink.h"

#include <QList>
#include <QSet>

// A serial link whose ports open or not as the test says, whose input the
// test delivers and whose output it records.
class FakeLink : public zt41::SerialLink {
public:
    QSet<int> openable{1};
    int number = 1;
    bool opened = false;
    bool failSends = false;
    QByteArray input;
    QList<QByteArray> sends;
    QList<int> openAttempts;

    QByteArray sent() const {
        QByteArray all;
        for (const QByteArray& s : sends)
            all += s;
        return all;
    }

    void deliver(const QByteArray& bytes) {
        input += bytes;
        Q_EMIT inputArrived();
    }

    void selectPort(int n) override {
        if (!opened)
            number = n;
    }
    int portNumber() const override { return number; }
    bool open() override {
        openAttempts << number;
        opened = opened || openable.contains(number);
        return opened;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    zt41::PortOpenFailure openFailure() const override {
        if (opened)
            return {};
        return {zt41::PortOpenFailure::Kind::Missing, number,
                QStringLiteral("/dev/fake%1").arg(number), QString(), QString()};
    }
    QString readChar() override {
        if (!opened || input.isEmpty())
            return QString();
        const char c = input.front();
        input.remove(0, 1);
        return QString(QChar(static_cast<uchar>(c)));
    }
    qint64 waitingCount() const override { return opened ? input.size() : 0; }
    void discardInput() override { input.clear(); }
    bool send(const QByteArray& text) override {
        if (!opened || failSends)
            return false;
        sends << text;
        return true;
    }
};
