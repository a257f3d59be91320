#pragma once

#include "launch_plan.h"
#include "result.h"

#include <QString>
#include <QStringList>

namespace zr {

class LaunchEnvironment;
class ToolTable;
struct DriveInfo;

// Turns a line that calls one of the operating system's tools into the host command of the
// tool table.
class ToolPlanner {
public:
    ToolPlanner(const LaunchEnvironment& environment, const ToolTable& tools);

    // tool is the base name ("FORMAT.COM"), rest the line after it, arguments the rest's words
    // as host arguments. bad_drive when the tool needs a drive the line does not name or that
    // is unmapped; path_access when the drive may not take it.
    Result<LaunchPlan> plan(const QString& tool, const QString& rest,
                            const QStringList& arguments) const;

private:
    Result<QString> choose_template(const QString& key, const QStringList& switches,
                                    const std::optional<DriveInfo>& drive) const;
    QString program_of(const QString& word) const;

    const LaunchEnvironment& m_environment;
    const ToolTable& m_tools;
};

} // namespace zr
