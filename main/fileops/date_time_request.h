#pragma once

#include "common/result.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace zr {

class DosFs;
class Launcher;

// The date/time request of the file-properties dialog: the stamp file "~setdate.tmp" with
// the requested moment as its modification time, the request file "~setdatetime.tmp" with
// the target's name, and zrtask started with "/setdatetime", not awaited.
class DateTimeRequest {
public:
    // The services must outlive the request; program_dir ends in "\".
    DateTimeRequest(DosFs& fs, Launcher& launcher, QString program_dir);

    // Requests the moment for the file of the current folder; an empty moment is the present
    // one. bad_file_name, with nothing written or started, for a name the request file cannot
    // carry; otherwise the first step that failed, every step having been tried.
    Status send(const QString& file_name, const std::optional<QDateTime>& moment) const;

    // program_dir + "zrtask.exe /setdatetime".
    static QString command_line(const QString& program_dir);
    // Whether the name reaches zrtask unchanged: one line, every character in the code page.
    static bool can_carry(const QString& file_name);

private:
    Status write_stamp(const std::optional<QDateTime>& moment) const;
    Status write_request(const QString& file_name) const;
    Status start_task() const;

    DosFs& m_fs;
    Launcher& m_launcher;
    QString m_program_dir;
};

} // namespace zr
