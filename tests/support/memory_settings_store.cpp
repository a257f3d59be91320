#include "memory_settings_store.h"

namespace zr::test {

namespace {
bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

QString MemorySettingsStore::get(const QString& section, const QString& key,
                                 const QString& fallback) const {
    for (const Value& v : m_values)
        if (same(v.section, section) && same(v.key, key))
            return v.value;
    return fallback;
}

bool MemorySettingsStore::put(const QString& section, const QString& key, const QString& value) {
    for (Value& v : m_values)
        if (same(v.section, section) && same(v.key, key)) {
            v.value = value;
            return true;
        }
    m_values.append({section, key, value});
    return true;
}

QStringList MemorySettingsStore::keys(const QString& section) const {
    QStringList result;
    for (const Value& v : m_values)
        if (same(v.section, section))
            result << v.key;
    return result;
}

} // namespace zr::test
