#pragma once

#include "common/launcher.h"

namespace zr::test {

// A handle whose life the test decides: it ends after a number of polls of running(), or
// when the test calls finish(). A negative number of polls runs until finish().
class RecordingLaunchHandle final : public LaunchHandle {
public:
    RecordingLaunchHandle(bool started, int polls_until_end);

    bool started() const override;
    bool running() const override;

    void finish();
    // How often running() was asked.
    int polls() const;

private:
    bool m_started;
    int m_polls_until_end;
    mutable int m_polls = 0;
    bool m_finished = false;
};

} // namespace zr::test
