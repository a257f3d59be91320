#include "registered_types.h"

namespace zr {

bool RegisteredTypes::append(RegisteredType type) {
    if (m_types.size() >= capacity)
        return false;
    m_types.append(std::move(type));
    return true;
}

const RegisteredType* RegisteredTypes::match(const QString& name) const {
    for (const RegisteredType& type : m_types)
        if (name.endsWith(type.extension, Qt::CaseInsensitive))
            return &type;
    return nullptr;
}

} // namespace zr
