#pragma once

#include <QStringList>

namespace zr {
class SettingsStore;
}

namespace zr::test {

// Writes the sections of an in-memory store into the settings file of the test environment,
// so that a program the test starts sees the same drives and program directory.
void copy_to_settings_file(const SettingsStore& from, const QStringList& sections);

} // namespace zr::test
