#pragma once

#include "volume_source.h"

#include <QByteArray>

namespace zr {

// Mounts from /proc/self/mountinfo, figures from statvfs, labels and UUIDs from /dev/disk.
class LinuxVolumeSource final : public VolumeSource {
public:
    QList<MountInfo> mounts() const override;
    Result<VolumeFigures> figures(const QString& host_folder) const override;
    QString label(const QString& device) const override;
    QString uuid(const QString& device) const override;

    // The mounts a mountinfo text lists, without the removable flag.
    static QList<MountInfo> parse_mountinfo(const QByteArray& text);
    // "\040" and the like of the mount table, and "\x20" of /dev/disk names, decoded.
    static QString decode_octal_escapes(const QByteArray& text);
    static QString decode_hex_escapes(const QByteArray& text);

private:
    static bool is_removable_device(const QString& device);
    static QString name_in_disk_folder(const QString& folder, const QString& device);
};

} // namespace zr
