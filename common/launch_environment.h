#pragma once

#include "drive_info.h"

#include <QString>

#include <optional>

namespace zr {

// What the planner of command lines needs to know about drives and host files.
class LaunchEnvironment {
public:
    virtual ~LaunchEnvironment() = default;

    // The host path of a DOS path; empty when it names no mapped drive or a refused name.
    virtual std::optional<QString> to_host(const QString& dos_path) const = 0;
    // The current folder as a host path.
    virtual QString current_folder() const = 0;
    // Whether anything of that name exists.
    virtual bool exists(const QString& host_path) const = 0;
    // Whether it is a file the host can execute.
    virtual bool is_executable(const QString& host_path) const = 0;
    // The folder of the running executable, where our own programs sit side by side.
    virtual QString executable_folder() const = 0;
    // The host path of a program name found on the search path; empty when none.
    virtual std::optional<QString> find_on_path(const QString& name) const = 0;
    // The drive of a letter (either case); empty when unmapped.
    virtual std::optional<DriveInfo> drive(QChar letter) const = 0;
};

} // namespace zr
