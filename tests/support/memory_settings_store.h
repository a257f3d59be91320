#pragma once

#include "common/settings_store.h"

#include <QList>
#include <QPair>

namespace zr::test {

// A settings store held in memory; sections and keys match without regard to case.
class MemorySettingsStore final : public SettingsStore {
public:
    QString get(const QString& section, const QString& key,
                const QString& fallback = {}) const override;
    bool put(const QString& section, const QString& key, const QString& value) override;
    QStringList keys(const QString& section) const override;

private:
    struct Value {
        QString section;
        QString key;
        QString value;
    };
    QList<Value> m_values;
};

} // namespace zr::test
