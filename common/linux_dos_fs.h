#pragma once

#include "dos_fs.h"
#include "drive_map.h"

#include <QMap>

namespace zr {

class SettingsStore;
class VolumeSource;
struct DosPath;

// DosFs over the Linux file system, with the drive map of the settings or the mounts.
class LinuxDosFs final : public DosFs {
public:
    // Takes the current drive and directory from the process's working directory when a drive
    // holds it, else C:\ (or the first drive). Both services must outlive the object.
    LinuxDosFs(const SettingsStore& settings, const VolumeSource& volumes);

    QList<DriveInfo> drives() const override;
    std::optional<DriveInfo> drive(QChar letter) const override;
    DriveType drive_type(QChar letter) const override;
    bool drive_ready(QChar letter) const override;
    Result<VolumeInfo> volume(QChar letter) const override;
    void refresh_drives() override;

    Result<QString> full_path(const QString& path) const override;
    Result<QString> host_path(const QString& path) const override;
    Result<QString> host_path_for_reading(const QString& path) const override;
    std::optional<QString> dos_path(const QString& host_path) const override;

    QChar current_drive() const override;
    QString current_directory() const override;
    QString current_directory(QChar drive) const override;
    Status change_drive(QChar letter) override;
    Status change_directory(const QString& path) override;

    Result<QList<DirEntry>> enumerate(const QString& pattern, std::uint32_t mask) const override;
    Result<QStringList> sorted_folders(const QString& folder) const override;
    Result<QStringList> sorted_files(const QString& folder,
                                     const QString& pattern = QStringLiteral("*.*")) const override;

    Result<DirEntry> entry(const QString& path) const override;
    bool exists(const QString& path) const override;
    bool is_folder(const QString& path) const override;
    Result<std::uint32_t> attributes(const QString& path) const override;
    Status set_attributes(const QString& path, std::uint32_t attributes) override;
    Result<std::int64_t> file_length(const QString& path) const override;
    Result<QDateTime> modified(const QString& path) const override;
    Status set_modified(const QString& path, const QDateTime& local_time) override;
    bool same_file(const QString& a, const QString& b) const override;
    bool may_walk_into(const QString& folder) const override;

    Status make_folder(const QString& path) override;
    Status remove_folder(const QString& path) override;
    Status remove_file(const QString& path) override;
    Status rename(const QString& from, const QString& to) override;
    Status copy_file(const QString& from, const QString& to) override;

    Result<QByteArray> read_file(const QString& path) const override;
    Status write_file(const QString& path, const QByteArray& content) override;
    Status write_file_atomic(const QString& path, const QByteArray& content) override;

private:
    struct Resolved {
        DriveInfo drive;
        QStringList parts; // normalised, below the drive's root
    };

    Result<Resolved> resolve(const DosPath& path) const;
    Result<Resolved> resolve(const QString& path) const;
    static QString host_of(const Resolved& resolved);
    QString reading_host_of(const Resolved& resolved) const;
    Result<QList<DirEntry>> folder_entries(const QString& folder) const;
    Result<QList<DirEntry>> volume_label_entry(QChar letter) const;
    bool is_other_drive_root(const QString& host_folder, QChar own_letter) const;
    void pick_initial_directory();
    void fall_back_to_first_drive();
    static Status mirror_into_process(const QString& host_folder);

    const SettingsStore& m_settings;
    const VolumeSource& m_volumes;
    DriveMap m_map;
    QChar m_current_drive;
    QMap<QChar, QString> m_directories; // DOS form per drive letter
};

} // namespace zr
