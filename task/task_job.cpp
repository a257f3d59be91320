#include "task_job.h"

namespace zr {

QString task_argument_text(const QStringList& arguments_after_program) {
    return arguments_after_program.join(QLatin1Char(' '));
}

TaskJob task_job(const QString& argument_text) {
    if (argument_text.isEmpty())
        return TaskJob::none;
    if (argument_text == u"/setdatetime")
        return TaskJob::set_date_time;
    return TaskJob::free_space;
}

} // namespace zr
