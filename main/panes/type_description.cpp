#include "type_description.h"

namespace zr {

bool is_acceptable_type_description(const QString& description) {
    if (description.isEmpty() || description.contains(QLatin1String("..")))
        return false;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : description)
        if (c.unicode() < 32 || forbidden.contains(c))
            return false;
    return true;
}

} // namespace zr
