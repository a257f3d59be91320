#pragma once

#include "main/startup/general_settings.h"
#include "main/startup/profile_settings.h"

#include "common/result.h"

namespace zr {

class DosFs;

// The profile files and "general.inf" in the program directory.
class ProfileFiles {
public:
    ProfileFiles(DosFs& fs, QString program_dir);

    QString profile_file(const QString& profile_number) const;
    QString general_file() const;

    // The profile as start-up reads it; a missing or unreadable file reads as a new profile.
    ProfileSettings read_profile(const QString& profile_number, QSizeF screen_twips) const;
    // "general.inf" laid over base; a missing or unreadable file leaves base as it is.
    GeneralSettings read_general(const GeneralSettings& base) const;
    // Writes "general.inf"; the failure's code when it could not be written.
    Status save_general_settings(const GeneralSettings& general);
    // Writes the profile file, then raises the run counter and writes "general.inf".
    Status save_profile(const QString& profile_number, const ProfileSettings& profile,
                        GeneralSettings& general);

private:
    DosFs& m_fs;
    QString m_dir;
};

} // namespace zr
