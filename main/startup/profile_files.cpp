#include "profile_files.h"

#include "common/dos_fs.h"
#include "common/file_attributes.h"

namespace zr {

namespace {

// The file's content when a file of exactly this name exists. Reading would also take one
// that differs only in case, which the next write would then not replace.
Result<QByteArray> read_exact(const DosFs& fs, const QString& path) {
    const Result<QList<DirEntry>> found = fs.enumerate(path, attr::hidden | attr::system);
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    if (!found)
        return found.error();
    for (const DirEntry& entry : *found)
        if (entry.name == name)
            return fs.read_file(path);
    return ErrorCode::file_not_found;
}

} // namespace

ProfileFiles::ProfileFiles(DosFs& fs, QString program_dir)
    : m_fs(fs), m_dir(std::move(program_dir)) {}

QString ProfileFiles::profile_file(const QString& profile_number) const {
    return m_dir + QStringLiteral("settings.") + profile_number;
}

QString ProfileFiles::general_file() const {
    return m_dir + QStringLiteral("general.inf");
}

ProfileSettings ProfileFiles::read_profile(const QString& profile_number,
                                           QSizeF screen_twips) const {
    const Result<QByteArray> content = read_exact(m_fs, profile_file(profile_number));
    return read_profile_settings(content.value_or(QByteArray()), screen_twips);
}

GeneralSettings ProfileFiles::read_general(const GeneralSettings& base) const {
    const Result<QByteArray> content = read_exact(m_fs, general_file());
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
