#pragma once

#include "launcher.h"

#include <QtGlobal>

#include <memory>

namespace zr {

// The handle of a host process started detached, or of a start that failed.
class ProcessHandle final : public LaunchHandle {
public:
    // A handle whose started() and running() are false.
    static std::shared_ptr<ProcessHandle> failed();
    // Watches the process; when it cannot be watched through a pidfd, by its pid alone.
    static std::shared_ptr<ProcessHandle> watch(qint64 pid);

    ProcessHandle(const ProcessHandle&) = delete;
    ProcessHandle& operator=(const ProcessHandle&) = delete;
    ~ProcessHandle() override;

    bool started() const override;
    bool running() const override;

private:
    ProcessHandle(qint64 pid, int pidfd, bool ended);
    bool still_there() const;

    qint64 m_pid;
    int m_pidfd;
    mutable bool m_ended;
};

} // namespace zr
