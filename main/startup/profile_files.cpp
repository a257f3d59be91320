#include "profile_files.h"

#include "common/dos_fs.h"

namespace zr {

ProfileFiles::ProfileFiles(DosFs& fs, QString program_dir)
    : m_fs(fs), m_dir(std::move(program_dir)) {}

QString ProfileFiles::profile_file(const QString& profile_number) const {
    return m_dir + QStringLiteral("settings.") + profile_number;
}

QString ProfileFiles::general_file() const { return m_dir + QStringLiteral("general.inf"); }

ProfileSettings ProfileFiles::read_profile(const QString& profile_number,
                                           QSizeF screen_twips) const {
    const Result<QByteArray> content = m_fs.read_file(profile_file(profile_number));
    return read_profile_settings(content.value_or(QByteArray()), screen_twips);
}

GeneralSettings ProfileFiles::read_general(const GeneralSettings& base) const {
    const Result<QByteArray> content = m_fs.read_file(general_file());
    if (!content)
        return base;
    return read_general_settings(*content, base);
}

Status ProfileFiles::save_general_settings(const GeneralSettings& general) {
    return m_fs.write_file_atomic(general_file(), general_settings_bytes(general));
}

Status ProfileFiles::save_profile(const QString& profile_number, const ProfileSettings& profile,
                                  GeneralSettings& general) {
    const Status written =
        m_fs.write_file_atomic(profile_file(profile_number), profile_file_bytes(profile));
    general.run_counter = next_run_counter(general.run_counter);
    const Status general_written = save_general_settings(general);
    return written ? general_written : written;
}

} // namespace zr
