#pragma once

#include <QStringList>

namespace zr {

// The system's filter "desc|pattern|desc|pattern" as Qt's name filters "desc (pattern)";
// "*.*" is shown as "*" and ";" between patterns becomes a blank.
QStringList qt_name_filters(const QString& system_filter);

} // namespace zr
