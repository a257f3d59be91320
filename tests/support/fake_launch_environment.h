#pragma once

#include "common/launch_environment.h"

#include <QHash>
#include <QList>
#include <QSet>

namespace zr::test {

// A launch environment from a table: drives, the files and programs that exist, the search
// path. DOS paths map by the drive's host folder, rooted ones ("\a") on drive C and
// relative ones against the current folder.
class FakeLaunchEnvironment final : public LaunchEnvironment {
public:
    void add_drive(const DriveInfo& drive);
    void set_current_folder(const QString& host_path);
    void set_executable_folder(const QString& host_path);
    void add_file(const QString& host_path);
    void add_program(const QString& host_path);
    void add_to_path(const QString& name, const QString& host_path);

    std::optional<QString> to_host(const QString& dos_path) const override;
    QString current_folder() const override;
    bool exists(const QString& host_path) const override;
    bool is_executable(const QString& host_path) const override;
    QString executable_folder() const override;
    std::optional<QString> find_on_path(const QString& name) const override;
    std::optional<DriveInfo> drive(QChar letter) const override;

private:
    QList<DriveInfo> m_drives;
    QString m_current_folder = QStringLiteral("/");
    QString m_executable_folder = QStringLiteral("/");
    QSet<QString> m_files;
    QSet<QString> m_programs;
    QHash<QString, QString> m_path;
};

} // namespace zr::test
