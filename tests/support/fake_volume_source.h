#pragma once

#include "common/volume_source.h"

#include <QMap>

namespace zr::test {

// Mounts, figures, labels and UUIDs as a test sets them.
class FakeVolumeSource final : public VolumeSource {
public:
    void add_mount(const MountInfo& mount);
    void remove_mount(const QString& mount_point);
    // Figures for a folder and everything below it (the longest matching folder wins).
    void set_figures(const QString& host_folder, const VolumeFigures& figures);
    void set_label(const QString& device, const QString& label);
    void set_uuid(const QString& device, const QString& uuid);

    QList<MountInfo> mounts() const override;
    // file_not_found for a folder no set_figures covers.
    Result<VolumeFigures> figures(const QString& host_folder) const override;
    QString label(const QString& device) const override;
    QString uuid(const QString& device) const override;

private:
    QList<MountInfo> m_mounts;
    QMap<QString, VolumeFigures> m_figures;
    QMap<QString, QString> m_labels;
    QMap<QString, QString> m_uuids;
};

} // namespace zr::test
