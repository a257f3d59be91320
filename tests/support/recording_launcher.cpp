#include "recording_launcher.h"

#include <QStringList>

namespace zr::test {

std::shared_ptr<LaunchHandle> RecordingLauncher::start(const QString& command_line,
                                                       WindowStyle style) {
    m_records.append({command_line, style});
    auto handle = std::make_shared<RecordingLaunchHandle>(!m_starts_fail, m_polls_until_end);
    m_handles.append(handle);
    return handle;
}

void RecordingLauncher::set_polls_until_end(int polls) {
    m_polls_until_end = polls;
}

void RecordingLauncher::set_starts_fail(bool fail) {
    m_starts_fail = fail;
}

const QList<LaunchRecord>& RecordingLauncher::records() const {
    return m_records;
}

QStringList RecordingLauncher::command_lines() const {
    QStringList lines;
    for (const LaunchRecord& record : m_records)
        lines << record.command_line;
    return lines;
}

std::shared_ptr<RecordingLaunchHandle> RecordingLauncher::handle(qsizetype index) const {
    return m_handles.value(index);
}

} // namespace zr::test
