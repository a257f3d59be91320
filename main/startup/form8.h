#pragma once

#include "common/drive_list.h"
#include "common/sorted_list.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace zr {

class BatterySource;
class Desktop;
class DosFs;

// The system-information component: battery charge and work area.
class SystemInformation {
public:
    SystemInformation(const BatterySource& battery, const Desktop& desktop);
    // 0 to 100, or 255 when there is no reading.
    int battery_charge() const;
    // The height of the screen's work area in twips.
    int work_area_height() const;

private:
    const BatterySource& m_battery;
    const Desktop& m_desktop;
};

// The hidden data window: the shared sorted work lists, the drive list and the system
// information, and the watch that lays the main window out again when the screen width
// changes. It is never shown.
class Form8 final : public QObject {
    Q_OBJECT
public:
    Form8(const DosFs& fs, const BatterySource& battery, const Desktop& desktop,
          QObject* parent = nullptr);

    // The names an operation works on, and the sub-folders of the last listed folder.
    SortedList List1;
    SortedList Ordner;
    // The drives with their list texts.
    QList<DriveListEntry> Drive1;
    SystemInformation SysInfo1;
    QTimer Timer2;

    // Reads the drives again into Drive1.
    void refresh_drives();
    // The screen-width watch: asks for a new layout when the width differs from the one
    // remembered, always on the first tick.
    void timer2_timer();

signals:
    void layout_needed();

private:
    const DosFs& m_fs;
    const Desktop& m_desktop;
    std::optional<int> m_screen_width;
};

} // namespace zr
