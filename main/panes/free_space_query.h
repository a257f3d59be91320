#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace zr {

class Desktop;
class DosFs;
class LaunchHandle;
class Launcher;

// The free-space request at the end of a folder listing: starts zrtask for the drive of the
// listed folder, waits for its answer while window events run, and reads "dskspcf.tmp".
class FreeSpaceQuery {
public:
    // The services must outlive the query; program_dir ends in "\".
    FreeSpaceQuery(const DosFs& fs, Launcher& launcher, Desktop& desktop, QString program_dir);

    // The free-space number for the status line; 0 without an answer written for this request.
    double ask(const QString& pane_folder) const;

    // program_dir + "zrtask.exe " + the first character of the folder.
    static QString command_line(const QString& program_dir, const QString& pane_folder);
    // The number of the answer's first item (up to the first comma); 0 for junk.
    static double answer_number(const QByteArray& answer);
    // The status line's tail: " 1000 MB frei".
    static QString status_text(double number);

private:
    QString answer_path() const;
    std::optional<QDateTime> answer_time() const;
    void wait_for(const LaunchHandle& handle, const QDateTime& started_at) const;
    bool is_fresh(const std::optional<QDateTime>& before, const QDateTime& started_at) const;

    const DosFs& m_fs;
    Launcher& m_launcher;
    Desktop& m_desktop;
    QString m_program_dir;
};

} // namespace zr
