#include "recording_launch_handle.h"

namespace zr::test {

RecordingLaunchHandle::RecordingLaunchHandle(bool started, int polls_until_end)
    : m_started(started), m_polls_until_end(polls_until_end) {}

bool RecordingLaunchHandle::started() const {
    return m_started;
}

bool RecordingLaunchHandle::running() const {
    ++m_polls;
    if (!m_started || m_finished)
        return false;
    return m_polls_until_end < 0 || m_polls <= m_polls_until_end;
}

void RecordingLaunchHandle::finish() {
    m_finished = true;
}

int RecordingLaunchHandle::polls() const {
    return m_polls;
}

} // namespace zr::test
