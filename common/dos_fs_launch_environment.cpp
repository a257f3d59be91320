#include "dos_fs_launch_environment.h"

#include "dos_fs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zr {

DosFsLaunchEnvironment::DosFsLaunchEnvironment(const DosFs& dos_fs, QString executable_folder)
    : m_dos_fs(dos_fs), m_executable_folder(std::move(executable_folder)) {}

std::optional<QString> DosFsLaunchEnvironment::to_host(const QString& dos_path) const {
    Result<QString> host = m_dos_fs.host_path_for_reading(dos_path);
    if (!host)
        return std::nullopt;
    return std::move(host).value();
}

QString DosFsLaunchEnvironment::current_folder() const {
    const Result<QString> host = m_dos_fs.host_path(m_dos_fs.current_directory());
    return host ? *host : QDir::currentPath();
}

bool DosFsLaunchEnvironment::exists(const QString& host_path) const {
    return QFileInfo::exists(host_path);
}

bool DosFsLaunchEnvironment::is_executable(const QString& host_path) const {
    const QFileInfo info(host_path);
    return info.isFile() && info.isExecutable();
}

QString DosFsLaunchEnvironment::executable_folder() const {
    return m_executable_folder.isEmpty() ? QCoreApplication::applicationDirPath()
                                         : m_executable_folder;
}

std::optional<QString> DosFsLaunchEnvironment::find_on_path(const QString& name) const {
    QString found = QStandardPaths::findExecutable(name);
    // The drive tools live in the system folders, which a user's PATH often leaves out.
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/local/sbin"),
                                                      QStringLiteral("/usr/sbin"),
                                                      QStringLiteral("/sbin")});
    if (found.isEmpty())
        return std::nullopt;
    return found;
}

std::optional<DriveInfo> DosFsLaunchEnvironment::drive(QChar letter) const {
    return m_dos_fs.drive(letter);
}

} // namespace zr
