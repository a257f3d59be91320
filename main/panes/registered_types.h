#pragma once

#include "registered_type.h"

#include <QList>

namespace zr {

// The registered-type table of one listing, in the order the type files were found.
class RegisteredTypes {
public:
    static constexpr qsizetype capacity = 1024;

    // False, and nothing added, once the table is full.
    bool append(RegisteredType type);
    const QList<RegisteredType>& types() const { return m_types; }
    qsizetype size() const { return m_types.size(); }
    // The first type whose extension ends the name, compared without regard to case; null
    // when none does. An empty extension ends every name.
    const RegisteredType* match(const QString& name) const;

private:
    QList<RegisteredType> m_types;
};

} // namespace zr
