#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// A command line of the system turned into what the host starts.
struct LaunchPlan {
    QString program; // a host path, or a name the host finds on PATH
    QStringList arguments;
    QString working_directory; // host path

    bool operator==(const LaunchPlan&) const = default;
};

} // namespace zr
