#include "fake_launch_environment.h"

#include <QDir>

namespace zr::test {

void FakeLaunchEnvironment::add_drive(const DriveInfo& drive) {
    m_drives << drive;
}

void FakeLaunchEnvironment::set_current_folder(const QString& host_path) {
    m_current_folder = host_path;
}

void FakeLaunchEnvironment::set_executable_folder(const QString& host_path) {
    m_executable_folder = host_path;
}

void FakeLaunchEnvironment::add_file(const QString& host_path) {
    m_files.insert(host_path);
}

void FakeLaunchEnvironment::add_program(const QString& host_path) {
    m_files.insert(host_path);
    m_programs.insert(host_path);
}

void FakeLaunchEnvironment::add_to_path(const QString& name, const QString& host_path) {
    m_path.insert(name, host_path);
}

std::optional<QString> FakeLaunchEnvironment::to_host(const QString& dos_path) const {
    QString rest = dos_path;
    QString root = m_current_folder;
    if (rest.size() >= 2 && rest[1] == u':') {
        const std::optional<DriveInfo> mapped = drive(rest[0]);
        if (!mapped)
            return std::nullopt;
        root = mapped->host_root;
        rest = rest.mid(2);
    } else if (rest.startsWith(u'\\')) {
        root = drive(u'C') ? drive(u'C')->host_root : QString();
    }
    rest.replace(u'\\', u'/');
    return QDir::cleanPath(rest.startsWith(u'/') ? root + rest : root + u'/' + rest);
}

QString FakeLaunchEnvironment::current_folder() const {
    return m_current_folder;
}

bool FakeLaunchEnvironment::exists(const QString& host_path) const {
    return m_files.contains(QDir::cleanPath(host_path));
}

bool FakeLaunchEnvironment::is_executable(const QString& host_path) const {
    return m_programs.contains(QDir::cleanPath(host_path));
}

QString FakeLaunchEnvironment::executable_folder() const {
    return m_executable_folder;
}

std::optional<QString> FakeLaunchEnvironment::find_on_path(const QString& name) const {
    const auto found = m_path.constFind(name);
    if (found == m_path.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<DriveInfo> FakeLaunchEnvironment::drive(QChar letter) const {
    for (const DriveInfo& mapped : m_drives)
        if (mapped.letter == letter.toUpper())
            return mapped;
    return std::nullopt;
}

} // namespace zr::test
