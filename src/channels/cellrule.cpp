#include "cellrule.h"

#include "channeltable.h"
#include "messagesink.h"
#include "numbers.h"

#include <cmath>

namespace zt41 {

namespace {

bool isEmptyChannelValue(const FieldValue& v) {
    return !v || numericValue(*v) == 0;
}

} // namespace

const QString& CellRule::outOfRangeText() {
    static const QString text = QStringLiteral("数据超出范围 ！！");
    return text;
}

bool CellRule::inRange(double mhz) {
    return std::isfinite(mhz) && mhz >= 130 && mhz <= 500;
}

QString CellRule::normalise(double mhz) {
    const auto tensOfHz = static_cast<qint64>(roundHalfEven(mhz * 100000));
    if (tensOfHz % 625 == 0 || tensOfHz % 500 == 0)
        return formatFrequency(mhz);
    return formatFrequency(static_cast<double>(tensOfHz / 500 * 500) / 100000);
}

void CellRule::apply(ChannelTable& table, int column, MessageSink& messages) {
    if (!table.hasCurrentRow())
        return;
    if (column == static_cast<int>(Field::Rf))
        applyReceive(table, messages);
    else if (column == static_cast<int>(Field::Tf))
        applyTransmit(table, messages);
}

void CellRule::applyReceive(ChannelTable& table, MessageSink& messages) {
    const FieldValue rf = table.readField(Field::Rf);
    if (isEmptyChannelValue(rf)) {
        table.writeFields({{Field::Rf, QString()},
                           {Field::Rct, QString()},
                           {Field::Tf, QString()},
                           {Field::Tct, QString()},
                           {Field::Bt, QString()},
                           {Field::Pw, QString()}});
        return;
    }
    const double v = numericValue(*rf);
    if (!inRange(v)) {
        messages.show(outOfRangeText(), titles::kDataError, MessageIcon::Information);
        table.writeField(Field::Rf, QString());
        return;
    }
    const QString t = normalise(v);
    table.writeFields({{Field::Rf, t},
                       {Field::Tf, t},
                       {Field::Bt, QStringLiteral("off")},
                       {Field::Pw, QStringLiteral("H")}});
}

void CellRule::applyTransmit(ChannelTable& table, MessageSink& messages) {
    const FieldValue tf = table.readField(Field::Tf);
    if (isEmptyChannelValue(table.readField(Field::Rf)) || isEmptyChannelValue(tf)) {
        table.writeField(Field::Tf, QString());
        return;
    }
    const double v = numericValue(*tf);
    if (!inRange(v)) {
        messages.show(outOfRangeText(), titles::kDataError, MessageIcon::Information);
        table.writeField(Field::Tf, QString());
        return;
    }
    table.writeField(Field::Tf, normalise(v));
}

} // namespace zt41
