// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include "kernel/numbers.h"
#include "kernelbridge.h"

namespace zt41 {

double numericValue(const QString& text) {
    return kernel::numericValue(toKernel(text));
}

double numericValue(const FieldValue& value) {
    return value ? numericValue(*value) : 0.0;
}

bool isPlainNumber(const QString& text) {
    return kernel::isPlainNumber(toKernel(text));
}

double roundHalfEven(double v) {
    return kernel::roundHalfEven(v);
}

QString formatFixed(double v, int decimals) {
    return QString::fromStdString(kernel::formatFixed(v, decimals));
}

QString shortestDecimal(double v) {
    return QString::fromStdString(kernel::shortestDecimal(v));
}

double roundToSignificant15(double v) {
    return kernel::roundToSignificant15(v);
}

} // namespace zt41
