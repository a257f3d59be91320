#include "linux_dos_fs.h"

#include "dos_path.h"
#include "dos_wildcard.h"
#include "file_attributes.h"
#include "host_attributes.h"
#include "host_file.h"
#include "host_folder.h"
#include "host_path.h"
#include "settings_store.h"
#include "volume_serial.h"
#include "volume_source.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zr {

namespace {

constexpr std::uint64_t max_clusters = 0xFFFFFFFFu;
constexpr std::uint32_t restricting_bits = attr::hidden | attr::system | attr::directory;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool host_lstat(const QString& path, struct stat& info) {
    return lstat(native(path).constData(), &info) == 0;
}

bool host_stat(const QString& path, struct stat& info) {
    return stat(native(path).constData(), &info) == 0;
}

bool is_pseudo_file_system(const QString& type) {
    static const QSet<QString> pseudo = {
        QStringLiteral("proc"),      QStringLiteral("sysfs"),       QStringLiteral("devtmpfs"),
        QStringLiteral("devpts"),    QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),
        QStringLiteral("debugfs"),   QStringLiteral("tracefs"),     QStringLiteral("securityfs"),
        QStringLiteral("pstore"),    QStringLiteral("bpf"),         QStringLiteral("configfs"),
        QStringLiteral("fusectl"),   QStringLiteral("mqueue"),      QStringLiteral("hugetlbfs"),
        QStringLiteral("autofs"),    QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("selinuxfs"), QStringLiteral("rpc_pipefs"),  QStringLiteral("nsfs"),
    };
    return pseudo.contains(type);
}

void sort_case_insensitive(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

// The working directory as the host names it; empty when a part is a name the layer refuses.
QString process_directory() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer))
        return {};
    const QByteArray raw(buffer);
    for (const QByteArray& part : raw.split('/'))
        if (!part.isEmpty() && !DosPath::is_acceptable_host_name(part))
            return {};
    return QString::fromUtf8(raw);
}

} // namespace

LinuxDosFs::LinuxDosFs(const SettingsStore& settings, const VolumeSource& volumes)
    : m_settings(settings), m_volumes(volumes) {
    m_map.refresh(m_settings, m_volumes);
    pick_initial_directory();
}

void LinuxDosFs::pick_initial_directory() {
    if (const std::optional<QString> dos = dos_path(process_directory())) {
        m_current_drive = dos->at(0);
        m_directories.insert(m_current_drive, *dos);
        return;
    }
    fall_back_to_first_drive();
}

void LinuxDosFs::fall_back_to_first_drive() {
    const QList<DriveInfo> all = m_map.drives();
    m_current_drive = {};
    if (m_map.drive(u'C'))
        m_current_drive = u'C';
    else if (!all.isEmpty())
        m_current_drive = all.first().letter;
    if (!m_current_drive.isNull())
        (void)mirror_into_process(m_map.drive(m_current_drive)->host_root);
}

Status LinuxDosFs::mirror_into_process(const QString& host_folder) {
    if (chdir(native(host_folder).constData()) != 0)
        return HostFolder::error_for(errno, host_folder);
    setenv("PWD", native(host_folder).constData(), 1);
    return Status::success();
}

// --- drives ---------------------------------------------------------------------------------

QList<DriveInfo> LinuxDosFs::drives() const {
    return m_map.drives();
}

std::optional<DriveInfo> LinuxDosFs::drive(QChar letter) const {
    return m_map.drive(letter);
}

DriveType LinuxDosFs::drive_type(QChar letter) const {
    const std::optional<DriveInfo> info = m_map.drive(letter);
    return info ? info->type : DriveType::no_root;
}

bool LinuxDosFs::drive_ready(QChar letter) const {
    return m_map.ready(letter, m_volumes);
}

Result<VolumeInfo> LinuxDosFs::volume(QChar letter) const {
    const std::optional<DriveInfo> info = m_map.drive(letter);
    if (!info)
        return ErrorCode::bad_drive;
    if (!m_map.ready(letter, m_volumes))
        return ErrorCode::disk_not_ready;
    const Result<VolumeFigures> figures = m_volumes.figures(info->host_root);
    if (!figures)
        return figures.error() == ErrorCode::file_not_found ? ErrorCode::disk_not_ready
                                                            : figures.error();
    const std::optional<MountInfo> mount = mount_holding(m_volumes.mounts(), info->host_root);
    const QString device = !info->device.isEmpty() ? info->device
                           : mount                 ? mount->source
                                                   : QString();
    VolumeInfo volume;
    volume.file_system = mount ? mount->fs_type : QString();
    volume.label = !info->label.isEmpty() ? info->label : m_volumes.label(device);
    volume.serial = volume_serial(volume.file_system, m_volumes.uuid(device), figures->fsid);
    volume.free_bytes = figures->available_blocks * figures->fragment_size;
    volume.total_bytes = figures->total_blocks * figures->fragment_size;
    volume.sectors_per_cluster =
        std::max<std::uint32_t>(1, std::uint32_t(figures->fragment_size / 512));
    volume.free_clusters = std::uint32_t(std::min(figures->available_blocks, max_clusters));
    volume.total_clusters = std::uint32_t(std::min(figures->total_blocks, max_clusters));
    return volume;
}

void LinuxDosFs::refresh_drives() {
    m_map.refresh(m_settings, m_volumes);
    if (m_current_drive.isNull() || !m_map.drive(m_current_drive))
        fall_back_to_first_drive();
}

// --- paths ----------------------------------------------------------------------------------

Result<LinuxDosFs::Resolved> LinuxDosFs::resolve(const DosPath& path) const {
    const QChar letter = path.drive.isNull() ? m_current_drive : path.drive;
    const std::optional<DriveInfo> info = m_map.drive(letter);
    if (!info)
        return ErrorCode::bad_drive;
    for (const QString& part : path.parts)
        if (!DosPath::is_valid_part(part))
            return ErrorCode::bad_file_name;
    QStringList parts = path.parts;
    if (!path.rooted)
        parts = DosPath::parse(current_directory(letter)).parts + parts;
    return Resolved{*info, DosPath::normalized(parts)};
}

Result<LinuxDosFs::Resolved> LinuxDosFs::resolve(const QString& path) const {
    return resolve(DosPath::parse(path));
}

QString LinuxDosFs::host_of(const Resolved& resolved) {
    return HostPath::joined(resolved.drive.host_root, resolved.parts);
}

QString LinuxDosFs::reading_host_of(const Resolved& resolved) const {
    QString host = resolved.drive.host_root;
    for (qsizetype i = 0; i < resolved.parts.size(); ++i) {
        const QString exact = HostPath::joined(host, {resolved.parts[i]});
        struct stat info {};
        if (host_lstat(exact, info)) {
            host = exact;
            continue;
        }
        const QString match = HostFolder::unique_case_match(host, resolved.parts[i]);
        if (match.isEmpty())
            return HostPath::joined(host, resolved.parts.mid(i));
        host = HostPath::joined(host, {match});
    }
    return host;
}

Result<QString> LinuxDosFs::full_path(const QString& path) const {
    const Result<Resolved> resolved = resolve(path);
    if (!resolved)
        return resolved.error();
    return DosPath::absolute_text(resolved->drive.letter, resolved->parts);
}

Result<QString> LinuxDosFs::host_path(const QString& path) const {
    const Result<Resolved> resolved = resolve(path);
    if (!resolved)
        return resolved.error();
    return host_of(*resolved);
}

Result<QString> LinuxDosFs::host_path_for_reading(const QString& path) const {
    const Result<Resolved> resolved = resolve(path);
    if (!resolved)
        return resolved.error();
    return reading_host_of(*resolved);
}

std::optional<QString> LinuxDosFs::dos_path(const QString& host_path) const {
    const QString cleaned = HostPath::cleaned(host_path);
    if (cleaned.isEmpty())
        return std::nullopt;
    std::optional<DriveInfo> best;
    for (const DriveInfo& info : m_map.drives())
        if (HostPath::is_within(info.host_root, cleaned) &&
            (!best || info.host_root.size() > best->host_root.size()))
            best = info;
    if (!best)
        return std::nullopt;
    const QStringList parts = HostPath::parts_below(best->host_root, cleaned);
    for (const QString& part : parts)
        if (part.contains(u'\\'))
            return std::nullopt;
    return DosPath::absolute_text(best->letter, parts);
}

// --- current drive and directories ----------------------------------------------------------

QChar LinuxDosFs::current_drive() const {
    return m_current_drive;
}

QString LinuxDosFs::current_directory() const {
    return current_directory(m_current_drive);
}

QString LinuxDosFs::current_directory(QChar drive) const {
    const QChar letter = drive.toUpper();
    return m_directories.value(letter, QString(letter) + QStringLiteral(":\\"));
}

Status LinuxDosFs::change_drive(QChar letter) {
    const QChar upper = letter.toUpper();
    if (!m_map.drive(upper))
        return ErrorCode::bad_drive;
    if (!m_map.ready(upper, m_volumes))
        return ErrorCode::disk_not_ready;
    Result<Resolved> resolved = resolve(current_directory(upper));
    if (!resolved)
        return resolved.error();
    if (!is_folder(current_directory(upper))) {
        m_directories.remove(upper);
        resolved = resolve(current_directory(upper));
    }
    if (const Status mirrored = mirror_into_process(host_of(*resolved)); !mirrored)
        return mirrored;
    m_current_drive = upper;
    return Status::success();
}

Status LinuxDosFs::change_directory(const QString& path) {
    const Result<Resolved> resolved = resolve(path);
    if (!resolved)
        return resolved.error();
    const QString host = host_of(*resolved);
    struct stat info {};
    if (!host_stat(host, info)) {
        const ErrorCode error = HostFolder::error_for(errno, host);
        return error == ErrorCode::file_not_found ? ErrorCode::path_not_found : error;
    }
    if (!S_ISDIR(info.st_mode))
        return ErrorCode::path_not_found;
    const QChar letter = resolved->drive.letter;
    if (letter == m_current_drive)
        if (const Status mirrored = mirror_into_process(host); !mirrored)
            return mirrored;
    m_directories.insert(letter, DosPath::absolute_text(letter, resolved->parts));
    return Status::success();
}

// --- enumeration ----------------------------------------------------------------------------

Result<QList<DirEntry>> LinuxDosFs::folder_entries(const QString& folder) const {
    const Result<QStringList> names = HostFolder::names(folder);
    if (!names)
        return names.error() == ErrorCode::file_not_found ? ErrorCode::path_not_found
                                                          : names.error();
    QList<DirEntry> entries;
    for (const QString& name : *names)
        if (const Result<DirEntry> item = HostFolder::entry(HostPath::joined(folder, {name})))
            entries << *item;
    return entries;
}

Result<QList<DirEntry>> LinuxDosFs::volume_label_entry(QChar letter) const {
    const Result<VolumeInfo> info = volume(letter);
    if (!info)
        return info.error();
    QList<DirEntry> entries;
    if (!info->label.isEmpty()) {
        DirEntry label;
        label.name = info->label;
        label.attributes = attr::volume;
        entries << label;
    }
    return entries;
}

Result<QList<DirEntry>> LinuxDosFs::enumerate(const QString& pattern, std::uint32_t mask) const {
    DosPath path = DosPath::parse(pattern);
    QString wildcard = QStringLiteral("*");
    const bool names_folder = pattern.endsWith(u'\\') || pattern.endsWith(u'/') ||
                              path.parts.isEmpty() || path.parts.last() == u"." ||
                              path.parts.last() == u"..";
    if (!names_folder)
        wildcard = path.parts.takeLast();
    const Result<Resolved> folder = resolve(path);
    if (!folder)
        return folder.error();
    if (mask == attr::volume)
        return volume_label_entry(folder->drive.letter);
    const Result<QList<DirEntry>> all = folder_entries(reading_host_of(*folder));
    if (!all)
        return all.error();
    QList<DirEntry> result;
    for (const DirEntry& item : *all)
        if ((item.attributes & restricting_bits & ~mask) == 0 &&
            dos_wildcard_match(wildcard, item.name))
            result << item;
    return result;
}

Result<QStringList> LinuxDosFs::sorted_folders(const QString& folder) const {
    const Result<Resolved> resolved = resolve(folder);
    if (!resolved)
        return resolved.error();
    const Result<QList<DirEntry>> all = folder_entries(reading_host_of(*resolved));
    if (!all)
        return all.error();
    QStringList names;
    for (const DirEntry& item : *all)
        if (item.attributes & attr::directory)
            names << item.name;
    sort_case_insensitive(names);
    return names;
}

Result<QStringList> LinuxDosFs::sorted_files(const QString& folder, const QString& pattern) const {
    const Result<Resolved> resolved = resolve(folder);
    if (!resolved)
        return resolved.error();
    const Result<QList<DirEntry>> all = folder_entries(reading_host_of(*resolved));
    if (!all)
        return all.error();
    QStringList names;
    for (const DirEntry& item : *all)
        if ((item.attributes & restricting_bits) == 0 && dos_wildcard_match(pattern, item.name))
            names << item.name;
    sort_case_insensitive(names);
    return names;
}

// --- entries --------------------------------------------------------------------------------

Result<DirEntry> LinuxDosFs::entry(const QString& path) const {
    const Result<QString> host = host_path_for_reading(path);
    if (!host)
        return host.error();
    return HostFolder::entry(*host);
}

bool LinuxDosFs::exists(const QString& path) const {
    return entry(path).ok();
}

bool LinuxDosFs::is_folder(const QString& path) const {
    const Result<DirEntry> item = entry(path);
    return item && (item->attributes & attr::directory);
}

Result<std::uint32_t> LinuxDosFs::attributes(const QString& path) const {
    const Result<DirEntry> item = entry(path);
    if (!item)
        return item.error();
    return item->attributes;
}

Status LinuxDosFs::set_attributes(const QString& path, std::uint32_t attributes) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    return HostAttributes::set(*host, attributes);
}

Result<std::int64_t> LinuxDosFs::file_length(const QString& path) const {
    const Result<DirEntry> item = entry(path);
    if (!item)
        return item.error();
    return item->size;
}

Result<QDateTime> LinuxDosFs::modified(const QString& path) const {
    const Result<DirEntry> item = entry(path);
    if (!item)
        return item.error();
    return item->modified;
}

Status LinuxDosFs::set_modified(const QString& path, const QDateTime& local_time) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    if (!local_time.isValid())
        return ErrorCode::path_access;
    const qint64 msecs = local_time.toMSecsSinceEpoch();
    struct timespec times[2]{};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(msecs / 1000 - (msecs % 1000 < 0 ? 1 : 0));
    times[1].tv_nsec = long(((msecs % 1000) + 1000) % 1000) * 1000000;
    if (utimensat(AT_FDCWD, native(*host).constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        return HostFolder::error_for(errno, *host);
    return Status::success();
}

bool LinuxDosFs::same_file(const QString& a, const QString& b) const {
    const Result<QString> host_a = host_path_for_reading(a);
    const Result<QString> host_b = host_path_for_reading(b);
    struct stat info_a {};
    struct stat info_b {};
    return host_a && host_b && host_stat(*host_a, info_a) && host_stat(*host_b, info_b) &&
           info_a.st_dev == info_b.st_dev && info_a.st_ino == info_b.st_ino;
}

bool LinuxDosFs::is_other_drive_root(const QString& host_folder, QChar own_letter) const {
    struct stat folder {};
    if (!host_stat(host_folder, folder))
        return false;
    for (const DriveInfo& info : m_map.drives()) {
        struct stat root {};
        if (info.letter != own_letter && host_stat(info.host_root, root) &&
            root.st_dev == folder.st_dev && root.st_ino == folder.st_ino)
            return true;
    }
    return false;
}

bool LinuxDosFs::may_walk_into(const QString& folder) const {
    const Result<Resolved> resolved = resolve(folder);
    if (!resolved)
        return false;
    const QString host = host_of(*resolved);
    struct stat info {};
    if (!host_lstat(host, info) || !S_ISDIR(info.st_mode))
        return false;
    const std::optional<MountInfo> mount = mount_holding(m_volumes.mounts(), host);
    if (mount && is_pseudo_file_system(mount->fs_type))
        return false;
    return !is_other_drive_root(host, resolved->drive.letter);
}

// --- changes --------------------------------------------------------------------------------

Status LinuxDosFs::make_folder(const QString& path) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    if (mkdir(native(*host).constData(), 0777) != 0)
        return HostFolder::error_for(errno, *host);
    return Status::success();
}

Status LinuxDosFs::remove_folder(const QString& path) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    if (rmdir(native(*host).constData()) != 0)
        return errno == EEXIST ? ErrorCode::path_access : HostFolder::error_for(errno, *host);
    return Status::success();
}

Status LinuxDosFs::remove_file(const QString& path) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    struct stat info {};
    if (!host_lstat(*host, info))
        return HostFolder::error_for(errno, *host);
    if (S_ISDIR(info.st_mode) || HostAttributes::is_read_only_file(*host))
        return ErrorCode::path_access;
    if (unlink(native(*host).constData()) != 0)
        return HostFolder::error_for(errno, *host);
    return Status::success();
}

Status LinuxDosFs::rename(const QString& from, const QString& to) {
    const Result<QString> source = host_path(from);
    const Result<QString> target = host_path(to);
    if (!source || !target)
        return !source ? source.error() : target.error();
    const QByteArray a = native(*source);
    const QByteArray b = native(*target);
    if (renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return Status::success();
    const int error = errno;
    struct stat info {};
    if (!host_lstat(*source, info))
        return HostFolder::error_for(errno, *source);
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        return HostFolder::error_for(error, *target);
    // A file system without RENAME_NOREPLACE: a link cannot replace either.
    if (S_ISDIR(info.st_mode)) {
        if (host_lstat(*target, info))
            return ErrorCode::file_exists;
        if (::rename(a.constData(), b.constData()) != 0)
            return HostFolder::error_for(errno, *target);
        return Status::success();
    }
    if (link(a.constData(), b.constData()) != 0)
        return HostFolder::error_for(errno, *target);
    if (unlink(a.constData()) != 0)
        return HostFolder::error_for(errno, *source);
    return Status::success();
}

Status LinuxDosFs::copy_file(const QString& from, const QString& to) {
    const Result<QString> source = host_path_for_reading(from);
    const Result<QString> target = host_path(to);
    if (!source || !target)
        return !source ? source.error() : target.error();
    return HostFile::copy(*source, *target);
}

// --- data -----------------------------------------------------------------------------------

Result<QByteArray> LinuxDosFs::read_file(const QString& path) const {
    const Result<QString> host = host_path_for_reading(path);
    if (!host)
        return host.error();
    return HostFile::read(*host);
}

Status LinuxDosFs::write_file(const QString& path, const QByteArray& content) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    return HostFile::write(*host, content);
}

Status LinuxDosFs::write_file_atomic(const QString& path, const QByteArray& content) {
    const Result<QString> host = host_path(path);
    if (!host)
        return host.error();
    return HostFile::write_atomic(*host, content);
}

} // namespace zr
