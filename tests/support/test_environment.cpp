#include "test_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <ctime>

namespace zr::test {

void prepare_test_environment() {
    static QTemporaryDir root(QDir::tempPath() + QStringLiteral("/zr-test-XXXXXX"));
    const QByteArray base = root.path().toUtf8();
    QDir().mkpath(root.path() + QStringLiteral("/config"));
    QDir().mkpath(root.path() + QStringLiteral("/runtime"));
    QFile::setPermissions(root.path() + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(root.path() + QStringLiteral("/data"));
    setenv("XDG_CONFIG_HOME", (base + "/config").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (base + "/runtime").constData(), 1);
    setenv("XDG_DATA_HOME", (base + "/data").constData(), 1);
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
}

} // namespace zr::test
