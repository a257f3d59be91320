#include "form8.h"

#include "common/battery_source.h"
#include "common/desktop.h"

namespace zr {

SystemInformation::SystemInformation(const BatterySource& battery, const Desktop& desktop)
    : m_battery(battery), m_desktop(desktop) {}

int SystemInformation::battery_charge() const { return m_battery.charge_percent(); }

int SystemInformation::work_area_height() const { return m_desktop.work_area().height() * 15; }

Form8::Form8(const DosFs& fs, const BatterySource& battery, const Desktop& desktop,
             QObject* parent)
    : QObject(parent), SysInfo1(battery, desktop), m_fs(fs), m_desktop(desktop) {
    setObjectName(QStringLiteral("Form8"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, &Form8::timer2_timer);
    Timer2.start();
    refresh_drives();
}

void Form8::refresh_drives() { Drive1 = drive_list_entries(m_fs); }

void Form8::timer2_timer() {
    const int width = m_desktop.screen_size().width();
    if (m_screen_width != width)
        emit layout_needed();
    m_screen_width = width;
}

} // namespace zr
