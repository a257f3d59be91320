#pragma once

#include "common/settings_store.h"

namespace zr {

// The settings store as a small INI file that five processes share: plain "[section]" and
// "key=value" lines in UTF-8, values taken whole without escapes, names matched without
// regard to case. Every get sees the current file; every put rewrites it under a lock through
// a temporary file and a rename.
class IniSettingsStore final : public SettingsStore {
public:
    // The store of the application "Zonderel 4.1" under $XDG_CONFIG_HOME (or ~/.config).
    IniSettingsStore();
    explicit IniSettingsStore(QString file_path);

    QString get(const QString& section, const QString& key,
                const QString& fallback = {}) const override;
    bool put(const QString& section, const QString& key, const QString& value) override;
    QStringList keys(const QString& section) const override;

    const QString& file_path() const { return m_path; }

private:
    QStringList read_lines() const;

    QString m_path;
};

// The default place of the store's file.
QString default_settings_file_path();

} // namespace zr
