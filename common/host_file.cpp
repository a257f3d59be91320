#include "host_file.h"

#include "dos_attrib.h"
#include "host_folder.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zr {

namespace {

constexpr int data_flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool is_regular(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

bool falls_back_to_read_write(int error) {
    return error == EXDEV || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

void copy_dos_attributes(int from, int to) {
    char buffer[256];
    const ssize_t size = fgetxattr(from, DosAttrib::xattr_name, buffer, sizeof buffer);
    if (size >= 0)
        fsetxattr(to, DosAttrib::xattr_name, buffer, size_t(size), 0);
}

} // namespace

Result<QByteArray> HostFile::read(const QString& path) {
    struct stat info {};
    if (stat(native(path).constData(), &info) != 0)
        return HostFolder::error_for(errno, path);
    if (!S_ISREG(info.st_mode))
        return ErrorCode::path_access;
    const Descriptor fd(open(native(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0)
        return HostFolder::error_for(errno, path);
    if (!is_regular(fd.get()))
        return ErrorCode::path_access;
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return error_from_errno(errno);
        if (got == 0)
            return content;
        content.append(buffer, got);
    }
}

Status HostFile::check_target(const QString& path) {
    struct stat info {};
    if (lstat(native(path).constData(), &info) != 0)
        return errno == ENOENT ? Status::success() : Status(HostFolder::error_for(errno, path));
    if (S_ISLNK(info.st_mode))
        return Status::success();
    if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0)
        return ErrorCode::path_access;
    return Status::success();
}

Status HostFile::remove_link_target(const QString& path) {
    struct stat info {};
    if (lstat(native(path).constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
        unlink(native(path).constData()) != 0)
        return error_from_errno(errno);
    return Status::success();
}

Status HostFile::write_all(int fd, const QByteArray& content) {
    qsizetype done = 0;
    while (done < content.size()) {
        const ssize_t put = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return error_from_errno(errno);
        done += put;
    }
    return Status::success();
}

Status HostFile::write(const QString& path, const QByteArray& content) {
    if (const Status target = check_target(path); !target)
        return target;
    if (const Status removed = remove_link_target(path); !removed)
        return removed;
    const Descriptor fd(
        open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | data_flags, 0666));
    if (fd.get() < 0)
        return HostFolder::error_for(errno, path);
    if (!is_regular(fd.get()))
        return ErrorCode::path_access;
    return write_all(fd.get(), content);
}

Status HostFile::write_atomic(const QString& path, const QByteArray& content) {
    if (const Status target = check_target(path); !target)
        return target;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString stem = path.left(slash + 1) + u'.' + path.mid(slash + 1) + QStringLiteral(".");
    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + QString::number(QRandomGenerator::global()->generate(), 36);
        fd = open(native(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | data_flags, 0666);
        if (fd < 0 && errno != EEXIST)
            return HostFolder::error_for(errno, path);
    }
    if (fd < 0)
        return ErrorCode::path_access;
    const Descriptor owned(fd);
    struct stat old {};
    if (stat(native(path).constData(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);
    Status status = write_all(fd, content);
    if (status && fsync(fd) != 0)
        status = error_from_errno(errno);
    if (status && ::rename(native(temp).constData(), native(path).constData()) != 0)
        status = error_from_errno(errno);
    if (!status)
        unlink(native(temp).constData());
    return status;
}

Status HostFile::copy_link(const QString& from, const QString& to) {
    QByteArray target(4096, '\0');
    const ssize_t size = readlink(native(from).constData(), target.data(), size_t(target.size()));
    if (size < 0)
        return error_from_errno(errno);
    target.truncate(size);
    if (unlink(native(to).constData()) != 0 && errno != ENOENT)
        return error_from_errno(errno);
    if (symlink(target.constData(), native(to).constData()) != 0)
        return HostFolder::error_for(errno, to);
    return Status::success();
}

Status HostFile::copy_data(int from, int to) {
    bool use_copy_range = true;
    char buffer[65536];
    for (;;) {
        ssize_t moved = 0;
        if (use_copy_range) {
            moved = copy_file_range(from, nullptr, to, nullptr, size_t(1) << 30, 0);
            if (moved < 0 && falls_back_to_read_write(errno)) {
                use_copy_range = false;
                continue;
            }
        } else {
            moved = ::read(from, buffer, sizeof buffer);
            if (moved > 0) {
                if (const Status put = write_all(to, QByteArray::fromRawData(buffer, moved)); !put)
                    return put;
            }
        }
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved < 0)
            return error_from_errno(errno);
        if (moved == 0)
            return Status::success();
    }
}

Status HostFile::copy(const QString& from, const QString& to) {
    struct stat source {};
    if (lstat(native(from).constData(), &source) != 0)
        return HostFolder::error_for(errno, from);
    if (!S_ISREG(source.st_mode) && !S_ISLNK(source.st_mode))
        return ErrorCode::path_access;
    if (const Status target = check_target(to); !target)
        return target;
    if (S_ISLNK(source.st_mode))
        return copy_link(from, to);
    struct stat existing {};
    if (lstat(native(to).constData(), &existing) == 0 && existing.st_dev == source.st_dev &&
        existing.st_ino == source.st_ino)
        return ErrorCode::path_access;
    const Descriptor in(open(native(from).constData(), O_RDONLY | data_flags));
    if (in.get() < 0)
        return HostFolder::error_for(errno, from);
    if (!is_regular(in.get()))
        return ErrorCode::path_access;
    if (const Status removed = remove_link_target(to); !removed)
        return removed;
    const Descriptor out(open(native(to).constData(), O_WRONLY | O_CREAT | O_TRUNC | data_flags,
                              source.st_mode & 0777));
    if (out.get() < 0)
        return HostFolder::error_for(errno, to);
    if (!is_regular(out.get()))
        return ErrorCode::path_access;
    Status status = copy_data(in.get(), out.get());
    if (!status) {
        unlink(native(to).constData());
        return status;
    }
    copy_dos_attributes(in.get(), out.get());
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    if (fchmod(out.get(), source.st_mode & 07777) != 0 || futimens(out.get(), times) != 0)
        return error_from_errno(errno);
    return Status::success();
}

} // namespace zr
