#include "entry_classification.h"

#include "registered_types.h"

#include <array>

namespace zr {

namespace {

struct BuiltinType {
    const char* extension;
    const char* image_key;
    const char* description; // UTF-8
};

constexpr std::array<BuiltinType, 16> builtin_types{{
    {".bat", "app", "Stapelverarbeitungsdatei"},
    {".com", "app", "DOS-Anwendung"},
    {".exe", "app", "Anwendung"},
    {".pif", "app", "PIF-Datei"},
    {".bmp", "bmp", "Windows Bitmap"},
    {".rle", "bmp", "RLE-Datei"},
    {".dib", "bmp", "Bitmap"},
    {".gif", "bmp", "GIF-Datei"},
    {".jpg", "bmp", "JPEG-Datei"},
    {".jpeg", "bmp", "JPEG-Datei"},
    {".txt", "txt", "Textdatei"},
    {".avi", "wav", "Windows Video-Datei"},
    {".wav", "wav", "Waveaudio-Datei"},
    {".htm", "htm", "HTML-Datei"},
    {".html", "htm", "HTML-Datei"},
    {".rtf", "txt", "Richtext-Dokument"},
}};

} // namespace

EntryClassification builtin_classification(const QString& name) {
    for (const BuiltinType& type : builtin_types)
        if (name.endsWith(QLatin1String(type.extension), Qt::CaseInsensitive))
            return {QString::fromUtf8(type.description), QString::fromLatin1(type.image_key)};
    return {QStringLiteral("unbekannt"), QStringLiteral("Datei")};
}

EntryClassification classify_entry(const QString& name, const RegisteredTypes& types) {
    EntryClassification result = builtin_classification(name);
    if (const RegisteredType* type = types.match(name)) {
        result.description = type->description;
        if (!type->icon_key.isEmpty())
            result.image_key = type->icon_key;
    }
    return result;
}

} // namespace zr
