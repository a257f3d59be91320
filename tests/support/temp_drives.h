#pragma once

#include "fake_volume_source.h"
#include "memory_settings_store.h"

#include "common/drive_info.h"

#include <QByteArray>
#include <QDateTime>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

namespace zr {
class LinuxDosFs;
}

namespace zr::test {

struct DriveSetup {
    DriveType type = DriveType::fixed;
    QString label{};
    QString device{};
};

// A file to create. Without size the content is written as given; with size, that many
// bytes of a fixed pattern. attributes are zr::attr bits, set on the host directly.
struct NewFile {
    QString path{}; // a DOS path with a drive, "C:\a\b.txt"
    QByteArray content{};
    std::int64_t size = -1;
    QDateTime modified{};
    std::uint32_t attributes = 0;
};

// Drive letters mapped to fresh temporary folders through the "drives" settings section, a
// fake volume source that knows them, and a LinuxDosFs over both. Host helpers build files
// without going through the layer, so tests can check the layer against them. The process's
// working directory is put back when the fixture goes.
class TempDrives {
public:
    // Each letter becomes a fixed drive of its own folder.
    explicit TempDrives(const QString& letters = QStringLiteral("C"));
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    // Maps a letter to a fresh folder; returns the folder. Call before fs() or rebuild after.
    QString add_drive(QChar letter, const DriveSetup& setup = {});
    // The layer, made on first use.
    LinuxDosFs& fs();
    // Makes the layer again, as a newly started program would.
    LinuxDosFs& rebuild_fs();

    MemorySettingsStore& settings() { return m_settings; }
    FakeVolumeSource& volumes() { return m_volumes; }
    // The temporary folder that holds every drive's folder.
    QString base() const { return m_base.path(); }
    QString root(QChar letter) const;
    // The host path of a DOS path with a drive, taken literally.
    QString host(const QString& dos_path) const;

    void make_folder(const QString& dos_path, std::uint32_t attributes = 0);
    void make_file(const NewFile& file_to_make);
    void make_file(const QString& dos_path, const QByteArray& content = {});
    // A symbolic link at dos_path pointing at target (a host path, or relative text).
    void make_link(const QString& dos_path, const QString& target);
    void make_fifo(const QString& dos_path);
    // A file whose host name the DOS side cannot express (raw bytes), in a DOS folder.
    void make_host_file(const QString& dos_folder, const QByteArray& raw_name);
    QByteArray content(const QString& dos_path) const;
    bool host_exists(const QString& dos_path) const;

    // Whether the temporary folders' file system keeps user extended attributes.
    bool user_xattrs_supported() const;

private:
    void set_host_attributes(const QString& host_path, std::uint32_t attributes);

    QTemporaryDir m_base;
    QByteArray m_saved_directory;
    MemorySettingsStore m_settings;
    FakeVolumeSource m_volumes;
    std::unique_ptr<LinuxDosFs> m_fs;
};

} // namespace zr::test
