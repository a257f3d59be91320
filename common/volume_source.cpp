#include "volume_source.h"

#include "host_path.h"

namespace zr {

std::optional<MountInfo> mount_holding(const QList<MountInfo>& mounts, const QString& host_path) {
    std::optional<MountInfo> best;
    for (const MountInfo& mount : mounts) {
        if (!HostPath::is_within(mount.mount_point, host_path))
            continue;
        if (!best || mount.mount_point.size() >= best->mount_point.size())
            best = mount;
    }
    return best;
}

} // namespace zr
