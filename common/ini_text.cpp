#include "ini_text.h"

namespace zr::ini {

namespace {

std::optional<QString> section_name(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.size() >= 2 && trimmed.startsWith(QLatin1Char('[')) &&
        trimmed.endsWith(QLatin1Char(']')))
        return trimmed.mid(1, trimmed.size() - 2).trimmed();
    return std::nullopt;
}

struct KeyValue {
    QString key;
    QString value;
};

std::optional<KeyValue> key_value(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
        trimmed.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return std::nullopt;
    return KeyValue{line.left(equals).trimmed(), line.mid(equals + 1)};
}

bool same_name(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Calls visit(index, key, value) for every key line of the section.
template <typename Visit>
void for_each_key(const QStringList& lines, const QString& section, Visit visit) {
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto name = section_name(lines[i])) {
            inside = same_name(*name, section);
            continue;
        }
        if (!inside)
            continue;
        if (auto kv = key_value(lines[i]))
            visit(i, kv->key, kv->value);
    }
}

} // namespace

std::optional<QString> find_value(const QStringList& lines, const QString& section,
                                  const QString& key) {
    std::optional<QString> found;
    for_each_key(lines, section, [&](qsizetype, const QString& k, const QString& v) {
        if (!found && same_name(k, key))
            found = v;
    });
    return found;
}

QStringList section_keys(const QStringList& lines, const QString& section) {
    QStringList keys;
    for_each_key(lines, section, [&](qsizetype, const QString& k, const QString&) { keys << k; });
    return keys;
}

QStringList with_value(QStringList lines, const QString& section, const QString& key,
                       const QString& value) {
    std::optional<qsizetype> key_line;
    for_each_key(lines, section, [&](qsizetype i, const QString& k, const QString&) {
        if (!key_line && same_name(k, key))
            key_line = i;
    });
    if (key_line) {
        const QString& old = lines[*key_line];
        lines[*key_line] = old.left(old.indexOf(QLatin1Char('=')) + 1) + value;
        return lines;
    }
    const QString entry = key + QLatin1Char('=') + value;
    // Append at the end of the section, before any blank lines that end it.
    std::optional<qsizetype> section_end;
    bool inside = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (auto name = section_name(lines[i])) {
            if (inside)
                break;
            inside = same_name(*name, section);
            if (inside)
                section_end = i + 1;
        } else if (inside && !lines[i].trimmed().isEmpty()) {
            section_end = i + 1;
        }
    }
    if (section_end) {
        lines.insert(*section_end, entry);
        return lines;
    }
    if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
        lines << QString();
    lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    return lines;
}

} // namespace zr::ini
