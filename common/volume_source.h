#pragma once

#include "result.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace zr {

// One mounted file system.
struct MountInfo {
    QString mount_point;    // absolute host folder
    QString fs_type;        // "ext4", "vfat", "iso9660", ...
    QString source;         // device or remote source as the mount table names it
    bool removable = false; // a block device with the removable flag, or on a USB or MMC bus
};

// The statvfs figures of a file system.
struct VolumeFigures {
    std::uint64_t available_blocks = 0; // f_bavail
    std::uint64_t fragment_size = 0;    // f_frsize
    std::uint64_t total_blocks = 0;     // f_blocks
    std::uint64_t fsid = 0;             // f_fsid
};

// What the host knows about mounts and volumes.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;

    // The mounted file systems in mount order.
    virtual QList<MountInfo> mounts() const = 0;
    // The figures of the file system holding the host folder; an errno-based code on failure.
    virtual Result<VolumeFigures> figures(const QString& host_folder) const = 0;
    // The label of a device; empty when it has none.
    virtual QString label(const QString& device) const = 0;
    // The UUID of a device as the host writes it ("ABCD-1234"); empty when it has none.
    virtual QString uuid(const QString& device) const = 0;
};

// The mount that holds a host path: the one with the longest matching mount point; the last
// mounted wins a tie. Empty when none matches.
std::optional<MountInfo> mount_holding(const QList<MountInfo>& mounts, const QString& host_path);

} // namespace zr
