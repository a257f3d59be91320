#pragma once

namespace zr {

// The system's run-time error numbers, as the windows and dialogs show and compare them.
enum class ErrorCode : int {
    none = 0,
    out_of_memory = 7,
    bad_file_name = 52,
    file_not_found = 53,
    device_io = 57,
    file_exists = 58,
    disk_full = 61,
    input_past_end = 62,
    bad_drive = 68,
    permission_denied = 70,
    disk_not_ready = 71,
    rename_across_disks = 74,
    path_access = 75,
    path_not_found = 76,
    bad_file_format = 321,
};

// The system's error number for a host errno value; path_access for anything unlisted.
ErrorCode error_from_errno(int errno_value);

constexpr int code_number(ErrorCode code) {
    return static_cast<int>(code);
}

} // namespace zr
