#include "display_text.h"

namespace zr {

QString dotted_number(qint64 value) {
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char('.'));
    return digits;
}

QString date_time_text(const QDateTime& local_time) {
    if (!local_time.isValid())
        return {};
    // Fixed German forms, never the host locale's.
    return local_time.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace zr
