#include "temp_drives.h"

#include "common/dos_path.h"
#include "common/file_attributes.h"
#include "common/host_path.h"
#include "common/linux_dos_fs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zr::test {

namespace {

const QString drives_section = QStringLiteral("drives");

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QByteArray pattern_bytes(std::int64_t size) {
    QByteArray bytes(qsizetype(size), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char('a' + i % 26);
    return bytes;
}

void set_host_time(const QString& host_path, const QDateTime& time) {
    const qint64 secs = time.toSecsSinceEpoch();
    struct timespec times[2]{};
    times[0].tv_sec = secs;
    times[1].tv_sec = secs;
    if (utimensat(AT_FDCWD, native(host_path).constData(), times, AT_SYMLINK_NOFOLLOW) != 0)
        ADD_FAILURE() << "cannot set the time of " << host_path.toStdString();
}

int remove_entry(const char* path, const struct stat*, int, struct FTW*) {
    return remove(path);
}

// By raw bytes, since the folders hold names that no QString can carry back to the host.
void remove_tree(const QString& folder) {
    nftw(native(folder).constData(), remove_entry, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace

TempDrives::TempDrives(const QString& letters)
    : m_base(QDir::tempPath() + QStringLiteral("/zr-drives-XXXXXX")) {
    char buffer[PATH_MAX];
    if (getcwd(buffer, sizeof buffer))
        m_saved_directory = buffer;
    VolumeFigures figures;
    figures.available_blocks = 1000;
    figures.fragment_size = 4096;
    figures.total_blocks = 5000;
    figures.fsid = 0x1122334455667788u;
    m_volumes.set_figures(m_base.path(), figures);
    m_volumes.add_mount(
        {m_base.path(), QStringLiteral("ext4"), QStringLiteral("/dev/zr-test"), false});
    for (QChar letter : letters)
        add_drive(letter);
}

TempDrives::~TempDrives() {
    m_fs.reset();
    if (!m_saved_directory.isEmpty() && chdir(m_saved_directory.constData()) == 0)
        setenv("PWD", m_saved_directory.constData(), 1);
    remove_tree(m_base.path());
}

QString TempDrives::add_drive(QChar letter, const DriveSetup& setup) {
    const QString key = QString(letter.toLower());
    const QString folder = m_base.path() + u'/' + letter.toUpper();
    if (!QDir().mkpath(folder))
        ADD_FAILURE() << "cannot make " << folder.toStdString();
    m_settings.put(drives_section, key, folder);
    m_settings.put(drives_section, key + QStringLiteral(".type"), QString::number(int(setup.type)));
    if (!setup.label.isEmpty())
        m_settings.put(drives_section, key + QStringLiteral(".label"), setup.label);
    if (!setup.device.isEmpty())
        m_settings.put(drives_section, key + QStringLiteral(".device"), setup.device);
    return folder;
}

LinuxDosFs& TempDrives::fs() {
    if (!m_fs)
        m_fs = std::make_unique<LinuxDosFs>(m_settings, m_volumes);
    return *m_fs;
}

LinuxDosFs& TempDrives::rebuild_fs() {
    m_fs.reset();
    return fs();
}

QString TempDrives::root(QChar letter) const {
    return m_settings.get(drives_section, QString(letter.toLower()));
}

QString TempDrives::host(const QString& dos_path) const {
    const DosPath path = DosPath::parse(dos_path);
    if (path.drive.isNull())
        ADD_FAILURE() << "a fixture path needs a drive: " << dos_path.toStdString();
    return HostPath::joined(root(path.drive), path.parts);
}

void TempDrives::make_folder(const QString& dos_path, std::uint32_t attributes) {
    if (!QDir().mkpath(host(dos_path)))
        ADD_FAILURE() << "cannot make folder " << dos_path.toStdString();
    set_host_attributes(host(dos_path), attributes);
}

void TempDrives::make_file(const NewFile& file_to_make) {
    const QString path = host(file_to_make.path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(file_to_make.size >= 0 ? pattern_bytes(file_to_make.size)
                                          : file_to_make.content) < 0) {
        ADD_FAILURE() << "cannot write " << file_to_make.path.toStdString();
        return;
    }
    file.close();
    if (file_to_make.modified.isValid())
        set_host_time(path, file_to_make.modified);
    set_host_attributes(path, file_to_make.attributes);
}

void TempDrives::make_file(const QString& dos_path, const QByteArray& content) {
    make_file(NewFile{.path = dos_path, .content = content});
}

void TempDrives::make_link(const QString& dos_path, const QString& target) {
    if (symlink(native(target).constData(), native(host(dos_path)).constData()) != 0)
        ADD_FAILURE() << "cannot link " << dos_path.toStdString();
}

void TempDrives::make_fifo(const QString& dos_path) {
    if (mkfifo(native(host(dos_path)).constData(), 0644) != 0)
        ADD_FAILURE() << "cannot make FIFO " << dos_path.toStdString();
}

void TempDrives::make_host_file(const QString& dos_folder, const QByteArray& raw_name) {
    const QByteArray path = native(host(dos_folder)) + '/' + raw_name;
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        ADD_FAILURE() << "cannot make host file " << raw_name.toStdString();
    else
        close(fd);
}

QByteArray TempDrives::content(const QString& dos_path) const {
    QFile file(host(dos_path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TempDrives::host_exists(const QString& dos_path) const {
    struct stat info {};
    return lstat(native(host(dos_path)).constData(), &info) == 0;
}

bool TempDrives::user_xattrs_supported() const {
    const QByteArray probe = native(m_base.path() + QStringLiteral("/.xattr-probe"));
    const int fd = open(probe.constData(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0)
        return false;
    close(fd);
    const bool supported = setxattr(probe.constData(), "user.zr-probe", "1", 1, 0) == 0;
    unlink(probe.constData());
    return supported;
}

void TempDrives::set_host_attributes(const QString& host_path, std::uint32_t attributes) {
    const QByteArray path = native(host_path);
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return;
    const bool folder = S_ISDIR(info.st_mode);
    if (!folder && (attributes & attr::read_only))
        chmod(path.constData(), info.st_mode & 0555);
    const std::uint32_t stored =
        attributes & (attr::hidden | attr::system | attr::archive | (folder ? attr::read_only : 0));
    if (stored == 0)
        return;
    const QByteArray value = "0x" + QByteArray::number(stored, 16);
    if (setxattr(path.constData(), "user.DOSATTRIB", value.constData(), size_t(value.size()), 0) !=
        0)
        ADD_FAILURE() << "cannot set DOSATTRIB on " << host_path.toStdString();
}

} // namespace zr::test
