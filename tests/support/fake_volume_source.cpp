#include "fake_volume_source.h"

#include "common/host_path.h"

namespace zr::test {

void FakeVolumeSource::add_mount(const MountInfo& mount) {
    m_mounts << mount;
}

void FakeVolumeSource::remove_mount(const QString& mount_point) {
    m_mounts.removeIf([&](const MountInfo& m) { return m.mount_point == mount_point; });
}

void FakeVolumeSource::set_figures(const QString& host_folder, const VolumeFigures& figures) {
    m_figures.insert(host_folder, figures);
}

void FakeVolumeSource::set_label(const QString& device, const QString& label) {
    m_labels.insert(device, label);
}

void FakeVolumeSource::set_uuid(const QString& device, const QString& uuid) {
    m_uuids.insert(device, uuid);
}

QList<MountInfo> FakeVolumeSource::mounts() const {
    return m_mounts;
}

Result<VolumeFigures> FakeVolumeSource::figures(const QString& host_folder) const {
    const QString* best = nullptr;
    for (auto it = m_figures.cbegin(); it != m_figures.cend(); ++it)
        if (HostPath::is_within(it.key(), host_folder) && (!best || it.key().size() > best->size()))
            best = &it.key();
    if (!best)
        return ErrorCode::file_not_found;
    return m_figures.value(*best);
}

QString FakeVolumeSource::label(const QString& device) const {
    return m_labels.value(device);
}

QString FakeVolumeSource::uuid(const QString& device) const {
    return m_uuids.value(device);
}

} // namespace zr::test
