#include "volume_serial.h"

namespace zr {

namespace {

QString hex_digits(const QString& text) {
    QString digits;
    for (QChar c : text) {
        const char16_t u = c.toLower().unicode();
        if ((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f'))
            digits += c;
    }
    return digits;
}

bool is_ntfs(const QString& fs_type) {
    return fs_type == u"ntfs" || fs_type == u"ntfs3";
}

} // namespace

std::uint32_t volume_serial(const QString& fs_type, const QString& uuid, std::uint64_t fsid) {
    const QString digits = hex_digits(uuid);
    if (digits.isEmpty())
        return static_cast<std::uint32_t>(fsid & 0xFFFFFFFFu);
    // A FAT UUID has exactly eight digits, so taking the first eight keeps it as it stands.
    const QString chosen = is_ntfs(fs_type) ? digits.right(8) : digits.left(8);
    return chosen.toUInt(nullptr, 16);
}

} // namespace zr
