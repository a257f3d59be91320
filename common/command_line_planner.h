#pragma once

#include "launch_plan.h"
#include "program_resolver.h"
#include "result.h"
#include "tool_planner.h"

#include <QString>
#include <QStringList>

namespace zr {

class LaunchEnvironment;
class ToolTable;

// Turns a command line of the system ("zrtask.exe c", "explorer C:\x.txt",
// "COMMAND.COM /C FORMAT.COM /Q a:") into a host program and its arguments. Never a shell.
class CommandLinePlanner {
public:
    CommandLinePlanner(const LaunchEnvironment& environment, const ToolTable& tools);

    // file_not_found when the line names no existing program; a drive tool's refusal
    // (bad_drive, path_access) when it may not act on the drive.
    Result<LaunchPlan> plan(const QString& command_line) const;

private:
    struct ProgramAndRest {
        QString program;
        QString rest;
    };
    ProgramAndRest split_program(const QString& line) const;
    bool is_special_name(const QString& base_name) const;
    Result<LaunchPlan> plan_command_interpreter(const QString& rest) const;
    Result<LaunchPlan> plan_explorer(const QString& rest) const;
    Result<LaunchPlan> plan_program(const QString& word, const QString& rest) const;
    QString own_program_folder(const QString& word) const;
    QStringList host_arguments(const QString& rest) const;
    QString host_argument(const QString& word) const;

    const LaunchEnvironment& m_environment;
    ProgramResolver m_resolver;
    ToolPlanner m_tool_planner;
};

} // namespace zr
