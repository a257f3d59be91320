#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

class Desktop;
class DosFs;
class SettingsStore;
struct ProgramState;

// The choice of a user profile among the files "settings." + number in the program directory.
class ProfileSelection {
public:
    ProfileSelection(ProgramState& state, const SettingsStore& settings, DosFs& fs,
                     Desktop& desktop);

    // Finds the program directory, makes its drive's root current and returns the profiles'
    // names in the order the file system lists the files. An unreadable file's item carries
    // the name read before it.
    QStringList load();
    // Takes the number of the first file whose name line is the item's text; with no match
    // the profile number stays as it was.
    void confirm(const QString& item_text);

private:
    QStringList profile_files() const;
    std::optional<QString> first_line(const QString& file_name) const;

    ProgramState& m_state;
    const SettingsStore& m_settings;
    DosFs& m_fs;
    Desktop& m_desktop;
};

} // namespace zr
