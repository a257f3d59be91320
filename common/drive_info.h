#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

namespace zr {

// Drive types as the system's GetDriveType reports them.
enum class DriveType : int {
    unknown = 0,
    no_root = 1, // the letter is not mapped
    removable = 2,
    fixed = 3,
    remote = 4,
    cdrom = 5,
    ramdisk = 6,
};

struct DriveInfo {
    QChar letter;      // upper case
    QString host_root; // absolute host folder, "/" or without a trailing "/"
    DriveType type = DriveType::fixed;
    QString label;  // configured label; empty when the volume's own label applies
    QString device; // block device or image behind the drive, for the drive tools
};

struct VolumeInfo {
    QString label;
    std::uint32_t serial = 0;
    QString file_system; // host type name: "vfat", "ext4", ...
    std::uint64_t free_bytes = 0;
    std::uint64_t total_bytes = 0;
    // The geometry the system's free-space formulas take: 512 bytes per sector.
    std::uint32_t bytes_per_sector = 512;
    std::uint32_t sectors_per_cluster = 1;
    std::uint32_t free_clusters = 0;
    std::uint32_t total_clusters = 0;
};

} // namespace zr
