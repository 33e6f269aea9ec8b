// SPDX-License-Identifier: GPL-3.0-or-later
#include "service.h"

#include "channels/numbers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace zt41 {

namespace {

TwoLanguages twoLanguages(const QJsonValue& value) {
    return {value[QLatin1String("zh")].toString(), value[QLatin1String("en")].toString()};
}

QList<Service> readServices() {
    QFile file(QStringLiteral(":/services/services.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the services' resource is missing");
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("services.json: %s", qPrintable(error.errorString()));
    QList<Service> list;
    for (const QJsonValue& entry : document.array()) {
        Service s;
        s.id = entry[QLatin1String("id")].toString();
        s.name = twoLanguages(entry[QLatin1String("name")]);
        s.simplex = entry[QLatin1String("simplex")].toBool(true);
        s.powerLimit = twoLanguages(entry[QLatin1String("power")]);
        s.note = twoLanguages(entry[QLatin1String("note")]);
        s.watts = entry[QLatin1String("watts")].toDouble();
        s.reducedWatts = entry[QLatin1String("reducedWatts")].toDouble();
        for (const QJsonValue& n : entry[QLatin1String("reducedChannels")].toArray())
            s.reducedChannels << n.toInt();
        for (const QJsonValue& f : entry[QLatin1String("plan")].toArray())
            s.plan << frequencyCount(f.toString());
        list << s;
    }
    return list;
}

} // namespace

double Service::limitWatts(int n) const {
    return reducedChannels.contains(n) ? reducedWatts : watts;
}

QString Service::frequencyText(int n) const {
    return formatFrequency(static_cast<double>(plan.at(n - 1)) / 100000);
}

QString Service::lowestText() const {
    return plan.isEmpty()
               ? QString()
               : formatFrequency(double(*std::min_element(plan.begin(), plan.end())) / 100000);
}

QString Service::highestText() const {
    return plan.isEmpty()
               ? QString()
               : formatFrequency(double(*std::max_element(plan.begin(), plan.end())) / 100000);
}

const QList<Service>& services() {
    static const QList<Service> list = readServices();
    return list;
}

const Service* findService(const QString& id) {
    for (const Service& s : services())
        if (s.id == id)
            return &s;
    return nullptr;
}

qint64 frequencyCount(const QString& text) {
    const double count = roundToSignificant15(numericValue(text) * 100000);
    return std::isfinite(count) && std::fabs(count) < 1e15 ? std::llround(count) : 0;
}

} // namespace zt41
