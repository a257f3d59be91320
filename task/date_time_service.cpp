#include "date_time_service.h"

#include "failure_notice.h"

#include "common/data_file.h"
#include "common/dos_fs.h"

namespace zr {

DateTimeService::DateTimeService(DosFs& fs, FailureNotice& notice, QString program_dir)
    : m_fs(fs), m_notice(notice), m_program_dir(std::move(program_dir)) {}

void DateTimeService::run() const {
    const QString target = target_name();
    (void)m_fs.remove_file(request_path());
    if (!set_file_date_time(stamp_path(), target))
        m_notice.show_failure(QStringLiteral("Datum und Uhrzeit konnten nicht zugeweisen werden."),
                              QStringLiteral("Tarvenic"));
    (void)m_fs.remove_file(stamp_path());
}

QString DateTimeService::target_name() const {
    const Result<QByteArray> bytes = m_fs.read_file(request_path());
    if (!bytes)
        return {};
    DataFileReader reader(*bytes);
    return reader.next_line().value_or(QString());
}

bool DateTimeService::set_file_date_time(const QString& stamp_path,
                                         const QString& target_path) const {
    // An empty name would resolve to the current folder itself; the stamp is for files only.
    if (target_path.isEmpty() || m_fs.is_folder(target_path))
        return false;
    const Result<QDateTime> stamp = m_fs.modified(stamp_path);
    return stamp && m_fs.set_modified(target_path, *stamp);
}

QString DateTimeService::request_path() const {
    return m_program_dir + QStringLiteral("~setdatetime.tmp");
}

QString DateTimeService::stamp_path() const {
    return m_program_dir + QStringLiteral("~setdate.tmp");
}

} // namespace zr
