#pragma once

#include "launch_environment.h"

namespace zr {

class DosFs;

// The launcher's view of the host: drives and paths through the drive layer, files and the
// search path straight from the host.
class DosFsLaunchEnvironment final : public LaunchEnvironment {
public:
    // An empty executable_folder means the folder of the running executable.
    explicit DosFsLaunchEnvironment(const DosFs& dos_fs, QString executable_folder = {});

    std::optional<QString> to_host(const QString& dos_path) const override;
    QString current_folder() const override;
    bool exists(const QString& host_path) const override;
    bool is_executable(const QString& host_path) const override;
    QString executable_folder() const override;
    std::optional<QString> find_on_path(const QString& name) const override;
    std::optional<DriveInfo> drive(QChar letter) const override;

private:
    const DosFs& m_dos_fs;
    QString m_executable_folder;
};

} // namespace zr
