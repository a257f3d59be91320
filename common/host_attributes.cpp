#include "host_attributes.h"

#include "dos_attrib.h"
#include "file_attributes.h"

#include <QFile>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace zr {

namespace {

constexpr std::uint32_t xattr_bits = attr::hidden | attr::system | attr::archive;

std::optional<QByteArray> read_xattr(const QByteArray& path, bool follow_link) {
    char buffer[256];
    const ssize_t size =
        follow_link ? getxattr(path.constData(), DosAttrib::xattr_name, buffer, sizeof buffer)
                    : lgetxattr(path.constData(), DosAttrib::xattr_name, buffer, sizeof buffer);
    if (size < 0)
        return std::nullopt;
    return QByteArray(buffer, size);
}

bool is_unsupported(int error) {
    return error == ENOTSUP || error == EOPNOTSUPP;
}

QString last_part(const QString& host_path) {
    return host_path.section(u'/', -1);
}

} // namespace

std::uint32_t HostAttributes::of(const QString& host_path, const struct stat& info) {
    const bool folder = S_ISDIR(info.st_mode);
    std::uint32_t bits = folder ? attr::directory : 0;
    if (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0)
        bits |= attr::read_only;
    if (last_part(host_path).startsWith(u'.'))
        bits |= attr::hidden;
    if (const auto value = read_xattr(QFile::encodeName(host_path), true)) {
        const std::uint32_t stored = DosAttrib::parse(*value);
        bits |= stored & xattr_bits;
        if (folder)
            bits |= stored & attr::read_only;
    }
    return bits;
}

Status HostAttributes::set(const QString& host_path, std::uint32_t attributes) {
    const QByteArray path = QFile::encodeName(host_path);
    struct stat info {};
    if (lstat(path.constData(), &info) != 0)
        return error_from_errno(errno);
    // Links and special files take no user attributes on Linux.
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return Status::success();
    const bool folder = S_ISDIR(info.st_mode);
    if (S_ISREG(info.st_mode)) {
        const bool read_only = attributes & attr::read_only;
        const mode_t mode = read_only ? (info.st_mode & ~mode_t(0222)) : (info.st_mode | S_IWUSR);
        if ((mode & 07777) != (info.st_mode & 07777) && chmod(path.constData(), mode & 07777) != 0)
            return error_from_errno(errno);
    }
    const std::uint32_t stored =
        (attributes & xattr_bits) | (folder ? attributes & attr::read_only : 0);
    if (stored == 0 && !read_xattr(path, false))
        return Status::success();
    const QByteArray value = DosAttrib::format(stored);
    if (lsetxattr(path.constData(), DosAttrib::xattr_name, value.constData(), value.size(), 0) !=
            0 &&
        !is_unsupported(errno))
        return error_from_errno(errno);
    return Status::success();
}

bool HostAttributes::is_read_only_file(const QString& host_path) {
    struct stat info {};
    return lstat(QFile::encodeName(host_path).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & S_IWUSR) == 0;
}

} // namespace zr
