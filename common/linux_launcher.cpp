#include "linux_launcher.h"

#include "command_line_planner.h"
#include "process_handle.h"
#include "tool_table.h"

#include <QProcess>

namespace zr {

LinuxLauncher::LinuxLauncher(const LaunchEnvironment& environment, const SettingsStore& settings)
    : m_environment(environment), m_settings(settings) {}

std::shared_ptr<LaunchHandle> LinuxLauncher::start(const QString& command_line,
                                                   WindowStyle /*style*/) {
    const ToolTable tools(m_settings);
    const Result<LaunchPlan> plan = CommandLinePlanner(m_environment, tools).plan(command_line);
    if (!plan)
        return ProcessHandle::failed();
    qint64 pid = 0;
    if (!QProcess::startDetached(plan->program, plan->arguments, plan->working_directory, &pid))
        return ProcessHandle::failed();
    return ProcessHandle::watch(pid);
}

} // namespace zr
