#include "battery_source.h"

#include <QDir>
#include <QFile>

namespace zr {

namespace {

QString read_value(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(64)).trimmed();
}

} // namespace

SysfsBatterySource::SysfsBatterySource(QString folder) : m_folder(std::move(folder)) {}

int SysfsBatterySource::charge_percent() const {
    const QDir supplies(m_folder);
    for (const QString& name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString supply = supplies.filePath(name);
        if (read_value(supply + QStringLiteral("/type")) != QLatin1String("Battery"))
            continue;
        if (read_value(supply + QStringLiteral("/present")) == QLatin1String("0"))
            continue;
        bool ok = false;
        const int capacity = read_value(supply + QStringLiteral("/capacity")).toInt(&ok);
        if (ok && capacity >= 0 && capacity <= 100)
            return capacity;
    }
    return no_battery_reading;
}

} // namespace zr
