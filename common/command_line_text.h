#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// Splits at blanks outside double quotes and removes the quotes; a quoted "" is an empty word.
QStringList split_words(const QString& text);

// The text without one pair of surrounding double quotes; unchanged when it has none.
QString without_surrounding_quotes(const QString& text);

// "X:..." or anything with a "\": a path the drive layer maps.
bool is_drive_path(const QString& text);

// http:, https:, ftp:, mailto: and www. addresses, which are never file names.
bool is_web_address(const QString& text);

// The last part of a DOS path ("C:\a\FORMAT.COM" gives "FORMAT.COM").
QString dos_base_name(const QString& path);

// The name without a trailing ".exe", ".com" or ".bat" (any case); unchanged otherwise.
QString without_program_extension(const QString& name);

} // namespace zr
