#include "command_line_text.h"

namespace zr {

namespace {
bool is_blank(QChar c) {
    return c == u' ' || c == u'\t';
}
} // namespace

QStringList split_words(const QString& text) {
    QStringList words;
    QString word;
    bool in_word = false;
    bool in_quotes = false;
    for (const QChar c : text) {
        if (c == u'"') {
            in_quotes = !in_quotes;
            in_word = true;
        } else if (is_blank(c) && !in_quotes) {
            if (in_word)
                words << word;
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word)
        words << word;
    return words;
}

QString without_surrounding_quotes(const QString& text) {
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        return text.mid(1, text.size() - 2);
    return text;
}

bool is_drive_path(const QString& text) {
    const bool has_drive =
        text.size() >= 2 && text[1] == u':' && text[0].isLetter() && text[0].unicode() < 128;
    return has_drive || text.contains(u'\\');
}

bool is_web_address(const QString& text) {
    static const char* const prefixes[] = {"http:", "https:", "ftp:", "mailto:", "www."};
    for (const char* prefix : prefixes)
        if (text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    return false;
}

QString dos_base_name(const QString& path) {
    qsizetype start = path.lastIndexOf(u'\\') + 1;
    if (start == 0 && is_drive_path(path))
        start = 2;
    return path.mid(start);
}

QString without_program_extension(const QString& name) {
    static const char* const extensions[] = {".exe", ".com", ".bat"};
    for (const char* extension : extensions)
        if (name.size() > 4 && name.endsWith(QLatin1String(extension), Qt::CaseInsensitive))
            return name.chopped(4);
    return name;
}

} // namespace zr
