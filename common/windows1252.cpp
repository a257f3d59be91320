#include "windows1252.h"

#include <array>
#include <optional>

namespace zr {

namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined stand for the C1 controls of the
// same number, as the platform's converter keeps them.
constexpr std::array<char16_t, 32> high_block = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> byte_of(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < high_block.size(); ++i)
        if (high_block[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decode_windows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char raw : bytes) {
        const auto b = static_cast<unsigned char>(raw);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? high_block[b - 0x80] : char16_t(b)));
    }
    return text;
}

QByteArray encode_windows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        bytes.append(byte_of(c).value_or('?'));
    }
    return bytes;
}

bool fits_windows1252(const QString& text) {
    for (const QChar c : text)
        if (!byte_of(c.unicode()))
            return false;
    return true;
}

} // namespace zr

namespace zr {

QByteArray shift_bytes(const QByteArray& bytes, int delta) {
    QByteArray shifted;
    shifted.reserve(bytes.size());
    for (const char raw : bytes) {
        const int moved = static_cast<unsigned char>(raw) + delta;
        if (moved >= 0 && moved <= 255)
            shifted.append(static_cast<char>(moved));
    }
    return shifted;
}

QString shift_windows1252(const QString& text, int delta) {
    return decode_windows1252(shift_bytes(encode_windows1252(text), delta));
}

} // namespace zr
