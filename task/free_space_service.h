#pragma once

#include "common/result.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace zr {

class DosFs;

// Measures one drive and writes the answer file "dskspcf.tmp" for zrmain.
class FreeSpaceService {
public:
    // fs must outlive the service; program_dir ends in "\".
    FreeSpaceService(DosFs& fs, QString program_dir);

    // Writes the answer for the drive letter text; the error of the write when it failed.
    Status run(const QString& drive_letter) const;

    // The free space in GiB from the drive's geometry; 0 for anything that is not a mapped
    // drive letter or cannot be measured.
    double free_disk_space(const QString& drive_letter) const;
    // The serial text of the volume with that root ("C:\"); "0000-0000" when unreadable.
    QString volume_serial_number(const QString& root_path) const;

    // The two lines of the answer file.
    static QStringList answer_lines(double free_gib, const QString& serial_text);
    // "00A1-B2C3".
    static QString serial_text(std::uint32_t serial);

private:
    DosFs& m_fs;
    QString m_program_dir;
};

} // namespace zr
