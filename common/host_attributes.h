#pragma once

#include "result.h"

#include <QString>

#include <cstdint>

struct stat;

namespace zr {

// DOS attributes of host entries: read-only from the owner's write bit (files) or the
// extended attribute (folders), hidden from a leading "." or the extended attribute, system
// and archive from the extended attribute user.DOSATTRIB.
class HostAttributes {
public:
    // The attribute bits of the entry at host_path, whose stat (its link followed) is given.
    static std::uint32_t of(const QString& host_path, const struct stat& info);
    // Sets read-only, hidden, system and archive. A link, and a file system without user
    // attributes, leave the bits unchanged without failing.
    static Status set(const QString& host_path, std::uint32_t attributes);
    // Whether a regular file at host_path is read-only; false for anything else.
    static bool is_read_only_file(const QString& host_path);
};

} // namespace zr
