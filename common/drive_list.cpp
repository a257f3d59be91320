#include "drive_list.h"

#include "common/dos_fs.h"

namespace zr {

QList<DriveListEntry> drive_list_entries(const DosFs& fs) {
    QList<DriveListEntry> entries;
    for (const DriveInfo& drive : fs.drives()) {
        QString label = drive.label;
        if (label.isEmpty() && fs.drive_ready(drive.letter))
            if (const Result<VolumeInfo> volume = fs.volume(drive.letter))
                label = volume->label;
        QString text = drive.letter.toLower() + QStringLiteral(":");
        if (!label.isEmpty())
            text += QStringLiteral(" [") + label + QLatin1Char(']');
        entries.append({drive.letter, text});
    }
    return entries;
}

} // namespace zr
