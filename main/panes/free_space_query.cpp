#include "free_space_query.h"

#include "common/data_file.h"
#include "common/desktop.h"
#include "common/dos_fs.h"
#include "common/launcher.h"

namespace zr {

namespace {

constexpr qint64 longest_wait_ms = 2000;

} // namespace

FreeSpaceQuery::FreeSpaceQuery(const DosFs& fs, Launcher& launcher, Desktop& desktop,
                               QString program_dir)
    : m_fs(fs), m_launcher(launcher), m_desktop(desktop), m_program_dir(std::move(program_dir)) {}

double FreeSpaceQuery::ask(const QString& pane_folder) const {
    const std::optional<QDateTime> before = answer_time();
    const QDateTime started_at = m_desktop.now();
    const auto handle =
        m_launcher.start(command_line(m_program_dir, pane_folder), WindowStyle::hidden);
    wait_for(*handle, started_at);
    if (!is_fresh(before, started_at))
        return 0.0;
    const Result<QByteArray> answer = m_fs.read_file(answer_path());
    return answer ? answer_number(*answer) : 0.0;
}

QString FreeSpaceQuery::command_line(const QString& program_dir, const QString& pane_folder) {
    return program_dir + QStringLiteral("zrtask.exe ") + pane_folder.left(1);
}

double FreeSpaceQuery::answer_number(const QByteArray& answer) {
    DataFileReader reader(answer);
    bool valid = false;
    const NumberValue number = parse_number(reader.next_field().value_or(QString()), &valid);
    return valid ? number_or_zero(number) : 0.0;
}

QString FreeSpaceQuery::status_text(double number) {
    QString text = print_form(number);
    text.chop(1); // the print form's trailing blank
    return text + QStringLiteral(" MB frei");
}

QString FreeSpaceQuery::answer_path() const {
    return m_program_dir + QStringLiteral("dskspcf.tmp");
}

std::optional<QDateTime> FreeSpaceQuery::answer_time() const {
    const Result<QDateTime> time = m_fs.modified(answer_path());
    if (!time)
        return std::nullopt;
    return *time;
}

void FreeSpaceQuery::wait_for(const LaunchHandle& handle, const QDateTime& started_at) const {
    const QDateTime deadline = started_at.addMSecs(longest_wait_ms);
    while (handle.running() && m_desktop.now() < deadline)
        m_desktop.pump_events();
}

// Written after the start means: not older than the start's whole second, since some file
// systems keep whole seconds only, and not the file that was there before the start, so that
// an older answer of the same second is never taken for this one.
bool FreeSpaceQuery::is_fresh(const std::optional<QDateTime>& before,
                              const QDateTime& started_at) const {
    const std::optional<QDateTime> after = answer_time();
    if (!after)
        return false;
    const QDateTime start_second = QDateTime::fromSecsSinceEpoch(started_at.toSecsSinceEpoch());
    return *after >= start_second && (!before || *after != *before);
}

} // namespace zr
