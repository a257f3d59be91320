#include "dos_path.h"

#include <QStringDecoder>

namespace zr {

namespace {

bool is_ascii_letter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

bool is_separator(QChar c) {
    return c == u'\\' || c == u'/';
}

} // namespace

DosPath DosPath::parse(const QString& text) {
    DosPath path;
    qsizetype start = 0;
    if (text.size() >= 2 && text[1] == u':' && is_ascii_letter(text[0])) {
        path.drive = text[0].toUpper();
        start = 2;
    }
    path.rooted = start < text.size() && is_separator(text[start]);
    QString part;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (is_separator(text[i])) {
            if (!part.isEmpty())
                path.parts << part;
            part.clear();
        } else {
            part += text[i];
        }
    }
    if (!part.isEmpty())
        path.parts << part;
    return path;
}

QStringList DosPath::normalized(const QStringList& parts) {
    QStringList result;
    for (const QString& part : parts) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!result.isEmpty())
                result.removeLast();
            continue;
        }
        result << part;
    }
    return result;
}

QString DosPath::absolute_text(QChar drive, const QStringList& parts) {
    return QString(drive) + QStringLiteral(":\\") + parts.join(u'\\');
}

bool DosPath::is_valid_part(const QString& part) {
    return !part.isEmpty() && !part.contains(QChar(u'\0'));
}

bool DosPath::is_acceptable_host_name(const QByteArray& name) {
    if (name.isEmpty() || name.contains('\\'))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(name);
    return !decoder.hasError() && !decoded.isEmpty();
}

} // namespace zr
