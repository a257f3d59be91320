#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// The jobs zrtask's command line selects.
enum class TaskJob {
    none,
    set_date_time,
    free_space,
};

// The argument text after the program name: the arguments joined by single blanks, as one
// command line tail ("/setdatetime", "C", or empty).
QString task_argument_text(const QStringList& arguments_after_program);
// The job of an argument text; the switch is compared exactly, case included.
TaskJob task_job(const QString& argument_text);

} // namespace zr
