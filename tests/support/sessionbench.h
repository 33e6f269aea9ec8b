// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/squelch.h"
#include "fakelink.h"
#include "link/linksession.h"
#include "link/rowstore.h"
#include "tablefixture.h"

#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// A real link session on a fake link and a channel table of its own, with
// the squelch list standing in as a string; records what the session reports.
struct SessionBench {
    TableFixture fx;
    FakeLink link;
    QString squelch = QStringLiteral("3");
    std::unique_ptr<zt41::TableRows> rows;
    std::unique_ptr<zt41::LinkSession> session;

    QList<zt41::LinkStatus> statuses;
    QList<zt41::TransferOutcome> outcomes;
    QList<zt41::Transfer> transfers;
    QList<int> frames; // progress, in order
    int readyAnswers = 0;
    // Runs when an outcome is reported, as a front end's message box would.
    std::function<void(const zt41::TransferOutcome&)> onOutcome;

    // Opens the table and COM1 and starts the ready poll.
    bool start() {
        if (!fx.open())
            return false;
        link.open();
        rows = std::make_unique<zt41::TableRows>(
            *fx.table, [this] { return squelch; },
            [this](const QString& text) { squelch = zt41::Squelch::afterCheck(text); });
        session = std::make_unique<zt41::LinkSession>(link, *rows);
        using zt41::LinkSession;
        QObject::connect(session.get(), &LinkSession::statusChanged,
                         [this](zt41::LinkStatus s) { statuses << s; });
        QObject::connect(session.get(), &LinkSession::finished,
                         [this](const zt41::TransferOutcome& o) {
                             outcomes << o;
                             if (onOutcome)
                                 onOutcome(o);
                         });
        QObject::connect(session.get(), &LinkSession::transferChanged,
                         [this](zt41::Transfer t) { transfers << t; });
        QObject::connect(session.get(), &LinkSession::progress,
                         [this](zt41::Transfer, int frame) { frames << frame; });
        QObject::connect(session.get(), &LinkSession::readyChanged, [this](bool ready) {
            if (ready)
                ++readyAnswers;
        });
        session->startPoll();
        return true;
    }

    zt41::WriteTransfer& write() { return session->writer(); }
    zt41::ReadTransfer& read() { return session->reader(); }
    bool isRunning(zt41::SessionTimer t) const { return session->timer(t)->isActive(); }
    std::optional<zt41::LinkStatus> status() const {
        return statuses.isEmpty() ? std::nullopt : std::optional(statuses.last());
    }
    QList<zt41::TransferOutcome::Kind> outcomeKinds() const {
        QList<zt41::TransferOutcome::Kind> kinds;
        for (const zt41::TransferOutcome& o : outcomes)
            kinds << o.kind;
        return kinds;
    }
};
