// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The fuzzer's bytes as the pieces a target builds its case from: pieces are
// separated by the byte 0x01, and a piece that is the single byte 0x02 stands
// for "no value" (a database null). Bytes are UTF-8, so any text the user
// could type can be reached.
inline QByteArrayList fuzzPieces(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
        .split('\1');
}

inline bool isNullPiece(const QByteArray& piece) {
    return piece == QByteArray(1, '\2');
}

// A folder for the files a target writes: in memory where the system offers
// it, since saving syncs the file to its disk every time.
inline QString fuzzScratchTemplate() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/zt41-fuzz-XXXXXX");
}

// Stops the run with the reason; libFuzzer keeps the input that caused it.
[[noreturn]] inline void fuzzFail(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "FAULT: %s %s\n", what, qPrintable(detail.left(400)));
    std::abort();
}
