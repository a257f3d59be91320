#include "profile_selection.h"

#include "main/startup/program_state.h"

#include "common/data_file.h"
#include "common/desktop.h"
#include "common/dos_fs.h"
#include "common/program_directory.h"

namespace zr {

namespace {

const QString profile_prefix = QStringLiteral("settings.");

} // namespace

ProfileSelection::ProfileSelection(ProgramState& state, const SettingsStore& settings, DosFs& fs,
                                   Desktop& desktop)
    : m_state(state), m_settings(settings), m_fs(fs), m_desktop(desktop) {}

QStringList ProfileSelection::load() {
    m_state.starting_up = 1;
    m_state.program_dir = program_directory(m_settings, m_fs.current_directory());
    m_desktop.pump_events();
    (void)m_fs.change_drive(m_state.program_dir.at(0));
    (void)m_fs.change_directory(QStringLiteral("\\"));

    QStringList items;
    for (const QString& file : profile_files()) {
        if (auto name = first_line(file))
            m_state.profile_name = *name;
        items << m_state.profile_name;
    }
    m_state.profile_number = QStringLiteral("0");
    m_state.profile_name = QStringLiteral("Standard");
    return items;
}

void ProfileSelection::confirm(const QString& item_text) {
    for (const QString& file : profile_files()) {
        if (auto name = first_line(file))
            m_state.profile_name = *name;
        if (m_state.profile_name == item_text) {
            m_state.profile_number = file.right(1);
            return;
        }
    }
}

QStringList ProfileSelection::profile_files() const {
    const Result<QList<DirEntry>> entries =
        m_fs.enumerate(m_state.program_dir + profile_prefix + QLatin1Char('*'), 0);
    QStringList files;
    if (!entries)
        return files;
    // The file system's match ignores case; a "Settings.1" would be read as one file and
    // written back as another, so only the exact name is a profile.
    for (const DirEntry& entry : *entries)
        if (entry.name.startsWith(profile_prefix) && entry.name.size() > profile_prefix.size())
            files << entry.name;
    return files;
}

std::optional<QString> ProfileSelection::first_line(const QString& file_name) const {
    const Result<QByteArray> content = m_fs.read_file(m_state.program_dir + file_name);
    if (!content)
        return std::nullopt;
    return DataFileReader(*content).next_line();
}

} // namespace zr
