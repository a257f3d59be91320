#include "program_directory.h"

#include "common/settings_store.h"

namespace zr {

QString with_trailing_backslash(QString path) {
    if (!path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    return path;
}

QString program_directory(const SettingsStore& settings, const QString& current_directory) {
    return with_trailing_backslash(
        settings.get(QStringLiteral("boot"), QStringLiteral("dir"), current_directory));
}

} // namespace zr
