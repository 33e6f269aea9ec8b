// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "channels/channelrecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;
class QRectF;

namespace zt41 {

// What the channel card shows: the squelch level, the 16 channels as the
// radio would hold them after a write, and the day it was made.
struct CardContent {
    QString squelch;
    ChannelRows rows{};
    QDate date;
};

// The card's short form of a channel for the strip kept with the radio:
// "145.5" for 145.50000, the tones as "88.5", "88.5/100.0" or "-/100.0".
QString shortFrequency(const QString& frequency);
QString shortTones(const QString& receiveTone, const QString& transmitTone);
// The strip's mark of a channel that is not simplex: "异频" (split), "仅收"
// (receive only), "仅发" (transmit only); nothing for a simplex channel.
QString stripMark(const QString& receive, const QString& transmit);

// The card's words in the window's language, for the page to draw the card
// with: the title, the date and squelch lines with %1 for their value, the
// strip's caption, the columns' titles, and the words of the cells by the
// kernel's numbers (kernel/card.h).
struct CardTexts {
    QString title;
    QString dateLine;
    QString squelchLine;
    QString stripCaption;
    QStringList columns;
    QStringList words;
};
CardTexts cardTexts();

// Draws the card onto an A4 page, `paper` being the whole sheet in the
// painter's coordinates: the title, the date and squelch level, the table of
// the 16 channels with an empty 备注 column, and below it a strip to cut out.
void paintChannelCard(QPainter& painter, const QRectF& paper, const CardContent& content);

// What became of a card's PDF, as a value: the front ends word it.
struct CardWriteResult {
    enum class Kind {
        Written,
        NotOpened, // the file could not be made; `systemReason` says why
        NotDrawn,  // the PDF could not be drawn
        NotSaved,  // the file could not be saved; `systemReason` says why
    };
    Kind kind = Kind::Written;
    QString systemReason; // the system's own words, for NotOpened and NotSaved
    bool written() const { return kind == Kind::Written; }
};

// Writes the card as a one-page A4 PDF, its Chinese faces embedded, through a
// temporary file: a failure leaves an existing file as it was.
CardWriteResult writeChannelCardPdf(const QString& path, const CardContent& content);

// Prints the card on a printer set up by a print dialog or a preview.
void printChannelCard(QPrinter& printer, const CardContent& content);

} // namespace zt41
