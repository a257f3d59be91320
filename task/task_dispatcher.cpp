#include "task_dispatcher.h"

#include "date_time_service.h"
#include "free_space_service.h"
#include "task_job.h"

#include "common/dos_fs.h"
#include "common/program_directory.h"

namespace zr {

TaskDispatcher::TaskDispatcher(const SettingsStore& settings, DosFs& fs, FailureNotice& notice)
    : m_settings(settings), m_fs(fs), m_notice(notice) {}

void TaskDispatcher::run(const QString& argument_text) const {
    const QString program_dir = program_directory(m_settings, m_fs.current_directory());
    switch (task_job(argument_text)) {
    case TaskJob::none:
        return;
    case TaskJob::set_date_time:
        DateTimeService(m_fs, m_notice, program_dir).run();
        return;
    case TaskJob::free_space:
        (void)FreeSpaceService(m_fs, program_dir).run(argument_text);
        return;
    }
}

} // namespace zr
