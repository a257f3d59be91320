#pragma once

#include "result.h"

#include <QByteArray>
#include <QString>

namespace zr {

// Data operations on host paths. Only regular files are ever opened as data; a link in the
// place of a target is replaced, never written through; a read-only file is never written.
class HostFile {
public:
    // The whole content; path_access for anything but a regular file.
    static Result<QByteArray> read(const QString& path);
    // Creates or truncates the file.
    static Status write(const QString& path, const QByteArray& content);
    // Writes a temporary file beside the target and renames it over the target.
    static Status write_atomic(const QString& path, const QByteArray& content);
    // Copies a file (a link as a link), keeping the modification time and permission bits.
    static Status copy(const QString& from, const QString& to);

private:
    static Status check_target(const QString& path);
    static Status remove_link_target(const QString& path);
    static Status copy_link(const QString& from, const QString& to);
    static Status copy_data(int from, int to);
    static Status write_all(int fd, const QByteArray& content);
};

} // namespace zr
