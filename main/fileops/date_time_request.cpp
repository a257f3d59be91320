#include "date_time_request.h"

#include "common/data_file.h"
#include "common/dos_fs.h"
#include "common/launcher.h"
#include "common/windows1252.h"

namespace zr {

namespace {

Status first_failure(std::initializer_list<Status> steps) {
    for (const Status& step : steps)
        if (!step)
            return step;
    return Status::success();
}

} // namespace

DateTimeRequest::DateTimeRequest(DosFs& fs, Launcher& launcher, QString program_dir)
    : m_fs(fs), m_launcher(launcher), m_program_dir(std::move(program_dir)) {}

Status DateTimeRequest::send(const QString& file_name,
                             const std::optional<QDateTime>& moment) const {
    if (!can_carry(file_name))
        return ErrorCode::bad_file_name;
    const Status stamp = write_stamp(moment);
    const Status request = write_request(file_name);
    const Status started = start_task();
    return first_failure({stamp, request, started});
}

QString DateTimeRequest::command_line(const QString& program_dir) {
    return program_dir + QStringLiteral("zrtask.exe /setdatetime");
}

bool DateTimeRequest::can_carry(const QString& file_name) {
    return fits_windows1252(file_name) && !file_name.contains(QLatin1Char('\r')) &&
           !file_name.contains(QLatin1Char('\n'));
}

Status DateTimeRequest::write_stamp(const std::optional<QDateTime>& moment) const {
    const QString path = m_program_dir + QStringLiteral("~setdate.tmp");
    if (const Status created = m_fs.write_file(path, {}); !created || !moment)
        return created;
    return m_fs.set_modified(path, *moment);
}

Status DateTimeRequest::write_request(const QString& file_name) const {
    return m_fs.write_file(m_program_dir + QStringLiteral("~setdatetime.tmp"),
                           data_file_bytes({file_name}));
}

Status DateTimeRequest::start_task() const {
    const auto handle = m_launcher.start(command_line(m_program_dir), WindowStyle::normal_focus);
    return handle->started() ? Status::success() : Status(ErrorCode::file_not_found);
}

} // namespace zr
