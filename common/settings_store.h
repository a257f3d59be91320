#pragma once

#include <QString>

namespace zr {

// The per-user settings store of the application "Zonderel 4.1": text values by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or fallback when the section or key is absent or the store unreadable.
    virtual QString get(const QString& section, const QString& key,
                        const QString& fallback = {}) const = 0;
    // Stores the value; false when the store could not be written.
    virtual bool put(const QString& section, const QString& key, const QString& value) = 0;
    // Every key of a section, in file order; empty when the section is absent.
    virtual QStringList keys(const QString& section) const = 0;
};

} // namespace zr
