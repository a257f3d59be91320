#pragma once

#include <QString>

#include <cstdint>

namespace zr {

// The serial number the system shows for a volume: a FAT or exFAT UUID as it stands
// ("ABCD-1234" is 0xABCD1234), the last eight hex digits of an NTFS UUID, the first eight of
// any other UUID, and the low 32 bits of the file system id when there is no UUID.
std::uint32_t volume_serial(const QString& fs_type, const QString& uuid, std::uint64_t fsid);

} // namespace zr
