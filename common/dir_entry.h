#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace zr {

// One entry of a folder as the system sees it.
struct DirEntry {
    QString name;
    std::uint32_t attributes = 0; // zr::attr bits
    std::int64_t size = 0;        // bytes; 0 for folders
    QDateTime modified;           // local time
    bool is_link = false;         // a symbolic link (reported with its target's kind)
    bool is_special = false;      // FIFO, device or socket: listed, never opened as data
};

} // namespace zr
