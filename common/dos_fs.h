#pragma once

#include "dir_entry.h"
#include "drive_info.h"
#include "result.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace zr {

// The system's view of the file system: drive letters, "\" paths, one current directory per
// drive, DOS attributes and wildcards. Every path argument is a DOS path, absolute ("C:\a"),
// drive-relative ("C:a"), rooted ("\a") or relative to the current directory ("a\b").
// Only enumerate() and the sorted lists interpret "*" and "?"; every other call takes names
// literally.
class DosFs {
public:
    virtual ~DosFs() = default;

    // --- drives -------------------------------------------------------------------------
    // Mapped drives in letter order.
    virtual QList<DriveInfo> drives() const = 0;
    // The drive of a letter (either case); empty when unmapped.
    virtual std::optional<DriveInfo> drive(QChar letter) const = 0;
    // no_root for an unmapped letter.
    virtual DriveType drive_type(QChar letter) const = 0;
    // False for an unmapped letter and for a removable drive whose medium is gone.
    virtual bool drive_ready(QChar letter) const = 0;
    // Label, serial, free space and geometry; bad_drive or disk_not_ready on failure.
    virtual Result<VolumeInfo> volume(QChar letter) const = 0;
    // Reads the drive map again (settings and mounts); a letter once given keeps its folder.
    virtual void refresh_drives() = 0;

    // --- paths --------------------------------------------------------------------------
    // The absolute DOS form ("C:\a\b", a root as "C:\"); "." and ".." never climb above the
    // root. bad_drive for an unmapped drive, bad_file_name for a name the layer refuses.
    virtual Result<QString> full_path(const QString& path) const = 0;
    // The host path the DOS path names, taken literally.
    virtual Result<QString> host_path(const QString& path) const = 0;
    // Like host_path, but a missing part may match one existing entry that differs only in
    // case, one part at a time. For reading and opening.
    virtual Result<QString> host_path_for_reading(const QString& path) const = 0;
    // The DOS form of a host path by the longest matching drive folder; empty outside every
    // drive or for a name the layer refuses.
    virtual std::optional<QString> dos_path(const QString& host_path) const = 0;

    // --- current drive and directories ---------------------------------------------------
    virtual QChar current_drive() const = 0;
    // The current directory of the current drive, "C:\a" or "C:\".
    virtual QString current_directory() const = 0;
    // The current directory of the given drive; "X:\" when it never changed.
    virtual QString current_directory(QChar drive) const = 0;
    // Makes the drive current, keeping every drive's directory.
    virtual Status change_drive(QChar letter) = 0;
    // Changes the directory of the path's drive (not the current drive); changes nothing
    // unless the path is an existing folder.
    virtual Status change_directory(const QString& path) = 0;

    // --- enumeration --------------------------------------------------------------------
    // The entries of the pattern's folder matching its last part with DOS wildcards
    // (case-insensitive, "*.*" matches every name), in host order. mask as the system's Dir:
    // normal files always; hidden, system and directory entries when their bit is in the
    // mask; volume (8) alone yields the volume label. Never "." or "..".
    virtual Result<QList<DirEntry>> enumerate(const QString& pattern, std::uint32_t mask) const = 0;
    // The sub-folders of a folder (hidden ones included), in case-insensitive order.
    virtual Result<QStringList> sorted_folders(const QString& folder) const = 0;
    // The files of a folder that match the pattern, in case-insensitive order, hidden and
    // system files left out as a file list box leaves them.
    virtual Result<QStringList>
    sorted_files(const QString& folder, const QString& pattern = QStringLiteral("*.*")) const = 0;

    // --- entries ------------------------------------------------------------------------
    virtual Result<DirEntry> entry(const QString& path) const = 0;
    virtual bool exists(const QString& path) const = 0;
    virtual bool is_folder(const QString& path) const = 0;
    virtual Result<std::uint32_t> attributes(const QString& path) const = 0;
    // Sets read-only, hidden, system and archive; never through a link.
    virtual Status set_attributes(const QString& path, std::uint32_t attributes) = 0;
    virtual Result<std::int64_t> file_length(const QString& path) const = 0;
    virtual Result<QDateTime> modified(const QString& path) const = 0;
    virtual Status set_modified(const QString& path, const QDateTime& local_time) = 0;
    // Decided by device and inode.
    virtual bool same_file(const QString& a, const QString& b) const = 0;
    // Whether a recursive walk may go into this folder: not a link, not a pseudo file
    // system, not another drive's root.
    virtual bool may_walk_into(const QString& folder) const = 0;

    // --- changes ------------------------------------------------------------------------
    // file_exists when anything of that name exists.
    virtual Status make_folder(const QString& path) = 0;
    virtual Status remove_folder(const QString& path) = 0;
    // path_access for a read-only file.
    virtual Status remove_file(const QString& path) = 0;
    // Never replaces an existing entry: file_exists then.
    virtual Status rename(const QString& from, const QString& to) = 0;
    // Replaces the target file (a link target as a link); keeps the modification time and
    // the permission bits. path_access for a special file or a read-only target.
    virtual Status copy_file(const QString& from, const QString& to) = 0;

    // --- data ---------------------------------------------------------------------------
    // The whole content; path_access for a folder or a special file.
    virtual Result<QByteArray> read_file(const QString& path) const = 0;
    // Creates or truncates the file; path_access for a read-only or special file.
    virtual Status write_file(const QString& path, const QByteArray& content) = 0;
    // Writes through a temporary file and a rename, for files another process reads.
    virtual Status write_file_atomic(const QString& path, const QByteArray& content) = 0;
};

} // namespace zr
