#include "drive_map.h"

#include "host_path.h"
#include "settings_store.h"
#include "volume_source.h"

#include <QFileInfo>

namespace zr {

namespace {

const QString drives_section = QStringLiteral("drives");

bool is_drive_key(const QString& key) {
    return key.size() == 1 && key[0].toUpper() >= u'A' && key[0].toUpper() <= u'Z';
}

DriveType configured_type(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 2 || value > 6)
        return DriveType::fixed;
    return static_cast<DriveType>(value);
}

bool is_under_media_folder(const QString& mount_point) {
    for (const QString& folder :
         {QStringLiteral("/media"), QStringLiteral("/run/media"), QStringLiteral("/mnt")})
        if (HostPath::is_within(folder, mount_point))
            return true;
    return false;
}

// The type of a mounted medium; unknown for a mount that is no drive of its own.
DriveType medium_type(const MountInfo& mount) {
    const QString& fs = mount.fs_type;
    if (fs == u"iso9660" || fs == u"udf")
        return DriveType::cdrom;
    if (fs == u"nfs" || fs == u"nfs4" || fs == u"cifs" || fs == u"smb3" || fs == u"sshfs" ||
        fs == u"fuse.sshfs")
        return DriveType::remote;
    if (fs == u"tmpfs" || fs == u"ramfs")
        return DriveType::ramdisk;
    if (mount.removable)
        return DriveType::removable;
    return DriveType::unknown;
}

} // namespace

void DriveMap::refresh(const SettingsStore& settings, const VolumeSource& volumes) {
    m_drives.clear();
    if (read_configured(settings))
        return;
    DriveInfo c;
    c.letter = u'C';
    c.host_root = QStringLiteral("/");
    m_drives.insert(c.letter, {c, false});
    for (const Mapped& pinned : std::as_const(m_pinned))
        m_drives.insert(pinned.info.letter, pinned);
    read_mounted(volumes);
}

bool DriveMap::read_configured(const SettingsStore& settings) {
    for (const QString& key : settings.keys(drives_section)) {
        if (!is_drive_key(key))
            continue;
        const QString root = HostPath::cleaned(settings.get(drives_section, key).trimmed());
        if (root.isEmpty())
            continue;
        DriveInfo info;
        info.letter = key[0].toUpper();
        info.host_root = root;
        info.type = configured_type(settings.get(drives_section, key + QStringLiteral(".type")));
        info.label = settings.get(drives_section, key + QStringLiteral(".label"));
        info.device = settings.get(drives_section, key + QStringLiteral(".device"));
        m_drives.insert(info.letter, {info, false});
    }
    return !m_drives.isEmpty();
}

void DriveMap::read_mounted(const VolumeSource& volumes) {
    for (const MountInfo& mount : volumes.mounts()) {
        const QString mount_point = HostPath::cleaned(mount.mount_point);
        const DriveType type = medium_type(mount);
        if (type == DriveType::unknown || !is_under_media_folder(mount_point))
            continue;
        auto pinned = m_pinned.find(mount_point);
        if (pinned == m_pinned.end()) {
            const QChar letter = next_free_letter();
            if (letter.isNull())
                continue;
            DriveInfo info;
            info.letter = letter;
            info.host_root = mount_point;
            pinned = m_pinned.insert(mount_point, {info, true});
        }
        pinned->info.type = type;
        pinned->info.device = mount.source;
        m_drives.insert(pinned->info.letter, *pinned);
    }
}

QChar DriveMap::next_free_letter() const {
    for (char16_t letter = u'D'; letter <= u'Z'; ++letter)
        if (!m_drives.contains(QChar(letter)))
            return QChar(letter);
    return {};
}

QList<DriveInfo> DriveMap::drives() const {
    QList<DriveInfo> result;
    for (const Mapped& mapped : m_drives)
        result << mapped.info;
    return result;
}

std::optional<DriveInfo> DriveMap::drive(QChar letter) const {
    const auto found = m_drives.constFind(letter.toUpper());
    if (found == m_drives.cend())
        return std::nullopt;
    return found->info;
}

bool DriveMap::ready(QChar letter, const VolumeSource& volumes) const {
    const auto found = m_drives.constFind(letter.toUpper());
    if (found == m_drives.cend())
        return false;
    const DriveInfo& info = found->info;
    if (found->from_mount) {
        for (const MountInfo& mount : volumes.mounts())
            if (HostPath::cleaned(mount.mount_point) == info.host_root)
                return true;
        return false;
    }
    if (info.type == DriveType::removable || info.type == DriveType::cdrom)
        return QFileInfo(info.host_root).isDir();
    return true;
}

} // namespace zr
