#include "linux_volume_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>

namespace zr {

namespace {

QByteArray read_small_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int hex_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool is_octal(char c) {
    return c >= '0' && c <= '7';
}

} // namespace

QList<MountInfo> LinuxVolumeSource::mounts() const {
    QList<MountInfo> result =
        parse_mountinfo(read_small_file(QStringLiteral("/proc/self/mountinfo")));
    for (MountInfo& mount : result)
        mount.removable = is_removable_device(mount.source);
    return result;
}

QList<MountInfo> LinuxVolumeSource::parse_mountinfo(const QByteArray& text) {
    QList<MountInfo> result;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 5 || dash + 2 >= fields.size())
            continue;
        MountInfo mount;
        mount.mount_point = decode_octal_escapes(fields[4]);
        mount.fs_type = decode_octal_escapes(fields[dash + 1]);
        mount.source = decode_octal_escapes(fields[dash + 2]);
        result << mount;
    }
    return result;
}

QString LinuxVolumeSource::decode_octal_escapes(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && is_octal(text[i + 1]) &&
            is_octal(text[i + 2]) && is_octal(text[i + 3])) {
            out +=
                char(((text[i + 1] - '0') << 6) | ((text[i + 2] - '0') << 3) | (text[i + 3] - '0'));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return QString::fromUtf8(out);
}

QString LinuxVolumeSource::decode_hex_escapes(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
            hex_value(text[i + 2]) >= 0 && hex_value(text[i + 3]) >= 0) {
            out += char(hex_value(text[i + 2]) * 16 + hex_value(text[i + 3]));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return QString::fromUtf8(out);
}

Result<VolumeFigures> LinuxVolumeSource::figures(const QString& host_folder) const {
    struct statvfs info {};
    if (statvfs(QFile::encodeName(host_folder).constData(), &info) != 0)
        return error_from_errno(errno);
    VolumeFigures figures;
    figures.available_blocks = info.f_bavail;
    figures.fragment_size = info.f_frsize;
    figures.total_blocks = info.f_blocks;
    figures.fsid = info.f_fsid;
    return figures;
}

QString LinuxVolumeSource::label(const QString& device) const {
    return name_in_disk_folder(QStringLiteral("/dev/disk/by-label"), device);
}

QString LinuxVolumeSource::uuid(const QString& device) const {
    return name_in_disk_folder(QStringLiteral("/dev/disk/by-uuid"), device);
}

QString LinuxVolumeSource::name_in_disk_folder(const QString& folder, const QString& device) {
    if (!device.startsWith(u'/'))
        return {};
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (QFileInfo(dir.filePath(name)).canonicalFilePath() == target)
            return decode_hex_escapes(QFile::encodeName(name));
    }
    return {};
}

bool LinuxVolumeSource::is_removable_device(const QString& device) {
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString node = QFileInfo(device).canonicalFilePath();
    if (node.isEmpty())
        return false;
    const QString name = QFileInfo(node).fileName();
    const QString sys_path =
        QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    if (sys_path.isEmpty())
        return false;
    if (sys_path.contains(QStringLiteral("/usb")) || sys_path.contains(QStringLiteral("/mmc")))
        return true;
    // A partition keeps the flag on its whole disk, one folder up.
    const QString disk = QFileInfo::exists(sys_path + QStringLiteral("/partition"))
                             ? QFileInfo(sys_path).path()
                             : sys_path;
    return read_small_file(disk + QStringLiteral("/removable")).trimmed() == "1";
}

} // namespace zr
