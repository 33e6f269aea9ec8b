// SPDX-License-Identifier: GPL-3.0-or-later
#include "service.h"

#include "channels/kernelbridge.h"

namespace zt41 {

namespace {

TwoLanguages fromKernel(const kernel::TwoLanguages& text) {
    return {QString::fromStdString(text.zh), QString::fromStdString(text.en)};
}

kernel::TwoLanguages toKernel(const TwoLanguages& text) {
    return {text.zh.toStdString(), text.en.toStdString()};
}

Service fromKernel(const kernel::Service& s) {
    Service out;
    out.id = QString::fromStdString(s.id);
    out.name = fromKernel(s.name);
    out.plan = QList<qint64>(s.plan.begin(), s.plan.end());
    out.simplex = s.simplex;
    out.powerLimit = fromKernel(s.powerLimit);
    out.watts = s.watts;
    out.reducedChannels = QList<int>(s.reducedChannels.begin(), s.reducedChannels.end());
    out.reducedWatts = s.reducedWatts;
    out.note = fromKernel(s.note);
    return out;
}

} // namespace

kernel::Service toKernel(const Service& s) {
    kernel::Service out;
    out.id = s.id.toStdString();
    out.name = toKernel(s.name);
    out.plan.assign(s.plan.begin(), s.plan.end());
    out.simplex = s.simplex;
    out.powerLimit = toKernel(s.powerLimit);
    out.watts = s.watts;
    out.reducedChannels.assign(s.reducedChannels.begin(), s.reducedChannels.end());
    out.reducedWatts = s.reducedWatts;
    out.note = toKernel(s.note);
    return out;
}

double Service::limitWatts(int n) const {
    return toKernel(*this).limitWatts(n);
}

QString Service::frequencyText(int n) const {
    return zt41::fromKernel(toKernel(*this).frequencyText(n));
}

QString Service::lowestText() const {
    return zt41::fromKernel(toKernel(*this).lowestText());
}

QString Service::highestText() const {
    return zt41::fromKernel(toKernel(*this).highestText());
}

const QList<Service>& services() {
    static const QList<Service> list = listFromKernel<Service>(
        kernel::services(), [](const kernel::Service& s) { return fromKernel(s); });
    return list;
}

const Service* findService(const QString& id) {
    for (const Service& s : services())
        if (s.id == id)
            return &s;
    return nullptr;
}

qint64 frequencyCount(const QString& text) {
    return kernel::frequencyCount(zt41::toKernel(text));
}

} // namespace zt41
