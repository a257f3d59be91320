#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

namespace zr {

// A DOS path taken apart: "C:\a\b" has drive 'C', rooted, parts {a, b}; "a\b" has neither.
struct DosPath {
    QChar drive; // upper case; null when the text names no drive
    bool rooted = false;
    QStringList parts;

    // Splits at "\" (and "/", which the system takes as a separator too); empty parts drop.
    static DosPath parse(const QString& text);
    // The parts with "." dropped and ".." taking one part off, never above the root.
    static QStringList normalized(const QStringList& parts);
    // The absolute text "C:\a\b", or "C:\" for no parts.
    static QString absolute_text(QChar drive, const QStringList& parts);
    // Whether the layer accepts a DOS name part: not empty, no NUL.
    static bool is_valid_part(const QString& part);
    // Whether a host name may be listed and acted on: valid UTF-8 without "\".
    static bool is_acceptable_host_name(const QByteArray& name);
};

} // namespace zr
