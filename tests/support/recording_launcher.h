#pragma once

#include "common/launcher.h"
#include "recording_launch_handle.h"

#include <QList>

namespace zr::test {

struct LaunchRecord {
    QString command_line;
    WindowStyle style;
};

// Records every command line it is asked to start and starts nothing. Each start returns a
// new handle that, unless the test says otherwise, is started and ends at its first poll.
class RecordingLauncher final : public Launcher {
public:
    std::shared_ptr<LaunchHandle> start(const QString& command_line, WindowStyle style) override;

    // The handles of the following starts run for that many polls (negative: until finish()).
    void set_polls_until_end(int polls);
    // The following starts fail.
    void set_starts_fail(bool fail);

    const QList<LaunchRecord>& records() const;
    QStringList command_lines() const;
    // The handle of the index-th start.
    std::shared_ptr<RecordingLaunchHandle> handle(qsizetype index) const;

private:
    QList<LaunchRecord> m_records;
    QList<std::shared_ptr<RecordingLaunchHandle>> m_handles;
    int m_polls_until_end = 0;
    bool m_starts_fail = false;
};

} // namespace zr::test
