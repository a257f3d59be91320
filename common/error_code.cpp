#include "error_code.h"

#include <cerrno>

namespace zr {

ErrorCode error_from_errno(int errno_value) {
    switch (errno_value) {
    case 0:
        return ErrorCode::none;
    case ENOMEM:
        return ErrorCode::out_of_memory;
    case ENOENT:
        return ErrorCode::file_not_found;
    case EIO:
        return ErrorCode::device_io;
    case EEXIST:
        return ErrorCode::file_exists;
    case ENOSPC:
    case EDQUOT:
        return ErrorCode::disk_full;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrorCode::permission_denied;
    case ENOMEDIUM:
        return ErrorCode::disk_not_ready;
    case EXDEV:
        return ErrorCode::rename_across_disks;
    case ENOTDIR:
        return ErrorCode::path_not_found;
    case ENAMETOOLONG:
    case EILSEQ:
        return ErrorCode::bad_file_name;
    default:
        return ErrorCode::path_access;
    }
}

} // namespace zr
