#pragma once

#include <QString>

namespace zr {

class SettingsStore;

// The program directory: "boot"/"dir" of the settings store, else the given current
// directory, always ending in "\".
QString program_directory(const SettingsStore& settings, const QString& current_directory);

// Appends "\" unless the text already ends in one.
QString with_trailing_backslash(QString path);

} // namespace zr
