#pragma once

#include "launcher.h"

namespace zr {

class LaunchEnvironment;
class SettingsStore;

// Starts a command line as a host program without a shell and without waiting for it.
// The window style is not passed on: the host's programs choose their own windows, and a
// hidden start of a window program shows it all the same.
class LinuxLauncher final : public Launcher {
public:
    LinuxLauncher(const LaunchEnvironment& environment, const SettingsStore& settings);

    std::shared_ptr<LaunchHandle> start(const QString& command_line, WindowStyle style) override;

private:
    const LaunchEnvironment& m_environment;
    const SettingsStore& m_settings;
};

} // namespace zr
