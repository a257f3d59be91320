#include "free_space_service.h"

#include "common/data_file.h"
#include "common/dos_fs.h"
#include "common/german_number.h"

namespace zr {

namespace {

const QString answer_file_name = QStringLiteral("dskspcf.tmp");

// A drive letter text names a volume only when it is one letter.
std::optional<QChar> letter_of(const QString& drive_letter) {
    if (drive_letter.size() != 1 || !drive_letter.at(0).isLetter())
        return std::nullopt;
    return drive_letter.at(0);
}

} // namespace

FreeSpaceService::FreeSpaceService(DosFs& fs, QString program_dir)
    : m_fs(fs), m_program_dir(std::move(program_dir)) {}

Status FreeSpaceService::run(const QString& drive_letter) const {
    const double free_gib = free_disk_space(drive_letter);
    const QString serial = volume_serial_number(drive_letter + QStringLiteral(":\\"));
    return m_fs.write_file_atomic(m_program_dir + answer_file_name,
                                  data_file_bytes(answer_lines(free_gib, serial)));
}

double FreeSpaceService::free_disk_space(const QString& drive_letter) const {
    const std::optional<QChar> letter = letter_of(drive_letter);
    if (!letter)
        return 0.0;
    const Result<VolumeInfo> volume = m_fs.volume(*letter);
    if (!volume)
        return 0.0;
    // In this order, as the system's formula has it.
    return (double(volume->bytes_per_sector) / 1024) *
           (double(volume->sectors_per_cluster) / 1024) * (double(volume->free_clusters) / 1024);
}

QString FreeSpaceService::volume_serial_number(const QString& root_path) const {
    if (root_path.size() != 3 || !root_path.endsWith(QStringLiteral(":\\")))
        return serial_text(0);
    const std::optional<QChar> letter = letter_of(root_path.left(1));
    if (!letter)
        return serial_text(0);
    const Result<VolumeInfo> volume = m_fs.volume(*letter);
    return serial_text(volume ? volume->serial : 0);
}

QStringList FreeSpaceService::answer_lines(double free_gib, const QString& serial_text) {
    return {german_number_text(free_gib * 1000), serial_text};
}

QString FreeSpaceService::serial_text(std::uint32_t serial) {
    const QString digits = QStringLiteral("%1").arg(serial, 8, 16, QLatin1Char('0')).toUpper();
    return digits.left(4) + QLatin1Char('-') + digits.mid(4);
}

} // namespace zr
