#pragma once

#include <QString>

namespace zr {

class DosFs;
class FailureNotice;

// Gives the file named in "~setdatetime.tmp" the time stamp of "~setdate.tmp", then removes
// both files, whether the stamp could be copied or not.
class DateTimeService {
public:
    // Both services must outlive this one; program_dir ends in "\".
    DateTimeService(DosFs& fs, FailureNotice& notice, QString program_dir);

    // Carries out one request; tells the person when the stamp could not be copied.
    void run() const;

    // The target name of the request file; empty when it is missing or empty.
    QString target_name() const;
    // Copies the modification time of the stamp file onto the target file; false on failure
    // and for an empty name or a folder.
    bool set_file_date_time(const QString& stamp_path, const QString& target_path) const;

private:
    QString request_path() const;
    QString stamp_path() const;

    DosFs& m_fs;
    FailureNotice& m_notice;
    QString m_program_dir;
};

} // namespace zr
