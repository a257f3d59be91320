#include "settings_file_copy.h"

#include "common/ini_settings_store.h"

#include <gtest/gtest.h>

namespace zr::test {

void copy_to_settings_file(const SettingsStore& from, const QStringList& sections) {
    IniSettingsStore file;
    for (const QString& section : sections)
        for (const QString& key : from.keys(section))
            if (!file.put(section, key, from.get(section, key)))
                ADD_FAILURE() << "cannot write " << file.file_path().toStdString();
}

} // namespace zr::test
