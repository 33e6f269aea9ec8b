// SPDX-License-Identifier: GPL-3.0-or-later
#include "chirpcsv.h"

#include "channels/channeltable.h"
#include "channels/kernelbridge.h"
#include "filetarget.h"

#include <QFile>

namespace zt41 {

namespace {

QList<ChirpWarning> fromKernel(const std::vector<kernel::ChirpWarning>& warnings) {
    return listFromKernel<ChirpWarning>(warnings, [](const kernel::ChirpWarning& w) {
        return ChirpWarning{w.line, w.channel, zt41::fromKernel(w.column), w.kind,
                            zt41::fromKernel(w.text)};
    });
}

} // namespace

ChirpImport parseChirpCsv(const QByteArray& bytes) {
    const kernel::ChirpImport read =
        kernel::importChirpCsv(std::string_view(bytes.constData(), size_t(bytes.size())));
    return {read.refusal, zt41::fromKernel(read.rows), fromKernel(read.warnings), read.channels};
}

ChirpImport readChirpCsv(const QString& path) {
    ChirpImport result;
    QFile file(path);
    if (!isReadableFileTarget(path) || !file.open(QIODevice::ReadOnly)) {
        result.refusal = ChirpRefusal::CannotOpen;
        return result;
    }
    // One byte past the limit tells a file that is too large from one that fits.
    const QByteArray bytes = file.read(kernel::kChirpMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.refusal = ChirpRefusal::CannotOpen;
        return result;
    }
    return parseChirpCsv(bytes);
}

QByteArray encodeChirpCsv(const ChannelRows& rows) {
    return QByteArray::fromStdString(kernel::encodeChirpCsv(toKernel(rows)));
}

QList<ChirpWarning> chirpExportLeftOut(const ChannelRows& rows) {
    return fromKernel(kernel::chirpExportLeftOut(toKernel(rows)));
}

ChirpRefusal saveChirpCsv(const QString& path, const ChannelRows& rows) {
    if (!isWritableFileTarget(path))
        return ChirpRefusal::CannotWrite;
    return replaceFileWith(path, encodeChirpCsv(rows)) ? ChirpRefusal::None
                                                       : ChirpRefusal::CannotWrite;
}

ChirpImport importChirpCsv(ChannelTable& table, const QString& path) {
    ChirpImport result = readChirpCsv(path);
    if (result.refusal != ChirpRefusal::None)
        return result;
    if (!table.replaceDataFields(result.rows)) {
        result.refusal = ChirpRefusal::CannotStore;
        return result;
    }
    table.moveFirst();
    return result;
}

ChirpRefusal exportChirpCsv(const ChannelTable& table, const QString& path) {
    // Never over the channel database itself, under whatever name.
    if (isSameFile(path, table.filePath()))
        return ChirpRefusal::CannotWrite;
    return saveChirpCsv(path, table.rows());
}

bool isChirpCsvFileName(const QString& path) {
    return kernel::isChirpCsvFileName(toKernel(path));
}

} // namespace zt41
