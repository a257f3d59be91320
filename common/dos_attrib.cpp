#include "dos_attrib.h"

#include <optional>

namespace zr {

namespace {

constexpr std::uint32_t known_bits = 0x37; // read-only, hidden, system, directory, archive

std::uint32_t little_endian(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::optional<std::uint32_t> parse_hex_text(const QByteArray& text) {
    if (!text.startsWith("0x") && !text.startsWith("0X"))
        return std::nullopt;
    bool ok = false;
    const std::uint32_t value = text.mid(2).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return value;
}

// The blob after the hex text: a 16-bit version, the 16-bit union switch, then the info
// record. Version 1 starts with the attributes; later versions start with a flags word.
std::uint32_t parse_binary_info(const QByteArray& blob, qsizetype at) {
    if (blob.size() < at + 4)
        return 0;
    const std::uint32_t version = little_endian(blob, at, 2);
    const qsizetype info = at + 4;
    const qsizetype offset = version == 1 ? 0 : 4;
    if (version < 1 || version > 5 || blob.size() < info + offset + 4)
        return 0;
    return little_endian(blob, info + offset, 4);
}

} // namespace

std::uint32_t DosAttrib::parse(const QByteArray& value) {
    const qsizetype nul = value.indexOf('\0');
    const QByteArray text = nul < 0 ? value.trimmed() : value.left(nul);
    if (const std::optional<std::uint32_t> bits = parse_hex_text(text))
        return *bits & known_bits;
    if (nul < 0)
        return 0;
    return parse_binary_info(value, nul + 1) & known_bits;
}

QByteArray DosAttrib::format(std::uint32_t attributes) {
    return "0x" + QByteArray::number(attributes & known_bits, 16);
}

} // namespace zr
