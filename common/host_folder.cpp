#include "host_folder.h"

#include "dos_path.h"
#include "host_attributes.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace zr {

namespace {

QDateTime local_time(const struct timespec& time) {
    const qint64 msecs = qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
}

bool is_folder(const QString& host_path) {
    struct stat info {};
    return stat(QFile::encodeName(host_path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

Result<QStringList> HostFolder::names(const QString& host_folder) {
    DIR* dir = opendir(QFile::encodeName(host_folder).constData());
    if (!dir)
        return error_for(errno, host_folder);
    QStringList result;
    while (const dirent* item = readdir(dir)) {
        const QByteArray name(item->d_name);
        if (name == "." || name == ".." || !DosPath::is_acceptable_host_name(name))
            continue;
        result << QString::fromUtf8(name);
    }
    closedir(dir);
    return result;
}

QString HostFolder::unique_case_match(const QString& host_folder, const QString& name) {
    const Result<QStringList> all = names(host_folder);
    if (!all)
        return {};
    QString match;
    for (const QString& candidate : *all) {
        if (candidate.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!match.isEmpty())
            return {};
        match = candidate;
    }
    return match;
}

Result<DirEntry> HostFolder::entry(const QString& host_path) {
    const QByteArray path = QFile::encodeName(host_path);
    struct stat own {};
    if (lstat(path.constData(), &own) != 0)
        return error_for(errno, host_path);
    struct stat info = own;
    const bool link = S_ISLNK(own.st_mode);
    if (link && stat(path.constData(), &info) != 0)
        info = own;
    DirEntry entry;
    entry.name = host_path == u"/" ? QString() : host_path.section(u'/', -1);
    entry.attributes = HostAttributes::of(host_path, info);
    entry.size = S_ISREG(info.st_mode) ? qint64(info.st_size) : 0;
    entry.modified = local_time(info.st_mtim);
    entry.is_link = link;
    entry.is_special = !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode) && !S_ISLNK(info.st_mode);
    return entry;
}

ErrorCode HostFolder::error_for(int errno_value, const QString& host_path) {
    if (errno_value == ENOENT) {
        const QString parent = host_path.left(host_path.lastIndexOf(u'/'));
        if (!is_folder(parent.isEmpty() ? QStringLiteral("/") : parent))
            return ErrorCode::path_not_found;
    }
    return error_from_errno(errno_value);
}

} // namespace zr
