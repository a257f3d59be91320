#pragma once

#include "dir_entry.h"
#include "result.h"

#include <QStringList>

namespace zr {

// Reading host folders the way the drive layer lists them.
class HostFolder {
public:
    // The names in a folder in host order, without "." and "..", and without the names the
    // layer refuses (a "\" in them, or not valid UTF-8).
    static Result<QStringList> names(const QString& host_folder);
    // The one name in a folder that equals name without regard to case; empty when there is
    // none or more than one.
    static QString unique_case_match(const QString& host_folder, const QString& name);
    // The entry at a host path, reported with its link target's kind.
    static Result<DirEntry> entry(const QString& host_path);
    // The system's error for a failed call on host_path: a missing folder on the way is
    // path_not_found rather than file_not_found.
    static ErrorCode error_for(int errno_value, const QString& host_path);
};

} // namespace zr
