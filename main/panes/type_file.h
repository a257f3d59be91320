#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace zr {

// The three lines of a registered type's file: extension, opening program, image key.
struct TypeFile {
    // Longer lines mark a file that is no type file; no path or key comes near it.
    static constexpr qsizetype max_line_length = 1024;
    // Files larger than three full lines are not read at all.
    static constexpr qint64 max_file_size = 3 * (max_line_length + 2);

    QString extension;
    QString program;
    QString icon_key;

    // The lines of a type file; input_past_end with fewer than three lines (an empty file
    // too), bad_file_format with an overlong line. Lines after the third are ignored.
    static Result<TypeFile> parse(const QByteArray& bytes);
    // The file's bytes: three lines in the system's code page, each ended by CR LF.
    QByteArray bytes() const;
    // The program text as the new-type dialog stores it: always ending in "\".
    static QString stored_program(const QString& program);
};

} // namespace zr
