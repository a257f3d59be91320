#pragma once

#include <QByteArray>

#include <cstdint>

namespace zr {

// The value of the extended attribute user.DOSATTRIB, as Samba keeps it.
struct DosAttrib {
    static constexpr const char* xattr_name = "user.DOSATTRIB";

    // The attribute bits of either form Samba writes: the text "0x20" (with or without a
    // closing NUL) or the binary blob; 0 for a value it cannot read.
    static std::uint32_t parse(const QByteArray& value);
    // The plain text form, "0x22".
    static QByteArray format(std::uint32_t attributes);
};

} // namespace zr
