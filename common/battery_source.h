#pragma once

#include <QString>

namespace zr {

// The battery charge as the system-information component reports it.
class BatterySource {
public:
    virtual ~BatterySource() = default;
    // The charge in percent, 0 to 100; 255 when there is no reading.
    virtual int charge_percent() const = 0;
};

constexpr int no_battery_reading = 255;

// Reads the first battery under a power-supply folder (by default /sys/class/power_supply).
class SysfsBatterySource final : public BatterySource {
public:
    explicit SysfsBatterySource(QString folder = QStringLiteral("/sys/class/power_supply"));
    int charge_percent() const override;

private:
    QString m_folder;
};

} // namespace zr
