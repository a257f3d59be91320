#include "process_handle.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zr {

namespace {

int open_pidfd(qint64 pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

// A detached process is not our child; where nobody reaps it, it stays a zombie that
// kill() still finds.
bool is_zombie(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype end_of_name = line.lastIndexOf(')');
    return end_of_name >= 0 && line.size() > end_of_name + 2 && line[end_of_name + 2] == 'Z';
}

} // namespace

std::shared_ptr<ProcessHandle> ProcessHandle::failed() {
    return std::shared_ptr<ProcessHandle>(new ProcessHandle(0, -1, true));
}

std::shared_ptr<ProcessHandle> ProcessHandle::watch(qint64 pid) {
    const int pidfd = open_pidfd(pid);
    // ESRCH: it has ended already.
    const bool ended = pidfd < 0 && errno == ESRCH;
    return std::shared_ptr<ProcessHandle>(new ProcessHandle(pid, pidfd, ended));
}

ProcessHandle::ProcessHandle(qint64 pid, int pidfd, bool ended)
    : m_pid(pid), m_pidfd(pidfd), m_ended(ended) {}

ProcessHandle::~ProcessHandle() {
    if (m_pidfd >= 0)
        close(m_pidfd);
}

bool ProcessHandle::started() const {
    return m_pid > 0;
}

bool ProcessHandle::running() const {
    if (!started() || m_ended)
        return false;
    m_ended = !still_there();
    return !m_ended;
}

bool ProcessHandle::still_there() const {
    if (m_pidfd >= 0) {
        pollfd watched{m_pidfd, POLLIN, 0};
        return poll(&watched, 1, 0) == 0;
    }
    const bool found = kill(static_cast<pid_t>(m_pid), 0) == 0 || errno == EPERM;
    return found && !is_zombie(m_pid);
}

} // namespace zr
