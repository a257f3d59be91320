#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zr::ini {

// The value of section/key in the lines of an INI file; empty when absent.
std::optional<QString> find_value(const QStringList& lines, const QString& section,
                                  const QString& key);
// Every key of a section in file order.
QStringList section_keys(const QStringList& lines, const QString& section);
// The lines with section/key set to value; other lines stay as they were.
QStringList with_value(QStringList lines, const QString& section, const QString& key,
                       const QString& value);

} // namespace zr::ini
