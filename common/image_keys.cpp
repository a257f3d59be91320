#include "image_keys.h"

#include <array>

namespace zr {

namespace {

// The first positions have names of their own; the rest are numbered pictures.
constexpr std::array<const char*, 14> named_positions{
    "Ordner", "floppy", "laufwerk", "cdr",      "bmp",    "wav", "txt",
    "htm",    "app",    "Datei",    "Laufwerk", "Floppy", "CDR", "Favoriten",
};

constexpr std::array<const char*, 11> other_pane_keys{
    "l_info",      "l_cam",        "l_pc",      "auto_word", "auto_excel", "auto_ppt",
    "auto_access", "auto_soffice", "auto_midi", "mp3",       "zipB",
};

} // namespace

QString ImageKeys::chooser_key(int position) {
    if (position < 0 || position >= chooser_count)
        return {};
    if (position < int(named_positions.size()))
        return QString::fromLatin1(named_positions[std::size_t(position)]);
    return QStringLiteral("i%1").arg(position + 1);
}

QStringList ImageKeys::chooser_keys() {
    QStringList keys;
    for (int p = 0; p < chooser_count; ++p)
        keys.append(chooser_key(p));
    return keys;
}

QStringList ImageKeys::pane_keys() {
    QStringList keys = chooser_keys();
    for (const char* key : other_pane_keys)
        keys.append(QString::fromLatin1(key));
    return keys;
}

} // namespace zr
