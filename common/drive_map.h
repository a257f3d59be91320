#pragma once

#include "drive_info.h"

#include <QList>
#include <QMap>

#include <optional>

namespace zr {

class SettingsStore;
class VolumeSource;

// Which host folder each drive letter names. The settings section "drives" is the whole map
// when it names any drive; otherwise C: is "/" and every removable, optical or network medium
// mounted under /media, /run/media or /mnt gets the next free letter from D:.
class DriveMap {
public:
    // Reads the map again. A mount point keeps the letter it once got for the life of the map.
    void refresh(const SettingsStore& settings, const VolumeSource& volumes);

    // Mapped drives in letter order.
    QList<DriveInfo> drives() const;
    // The drive of a letter in either case; empty when unmapped.
    std::optional<DriveInfo> drive(QChar letter) const;
    // False for an unmapped letter, for a medium no longer mounted at its folder and for a
    // configured removable or CD-ROM drive whose folder is gone.
    bool ready(QChar letter, const VolumeSource& volumes) const;

private:
    struct Mapped {
        DriveInfo info;
        bool from_mount = false;
    };

    bool read_configured(const SettingsStore& settings);
    void read_mounted(const VolumeSource& volumes);
    QChar next_free_letter() const;

    QMap<QChar, Mapped> m_drives;
    QMap<QString, Mapped> m_pinned; // by mount point
};

} // namespace zr
