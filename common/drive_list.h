#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace zr {

class DosFs;

struct DriveListEntry {
    QChar letter; // upper case
    QString text; // "c: [System]": the letter and colon first, then the label if there is one
};

// The drives as a drive box lists them, in letter order. A removable drive that is not ready
// is listed without a label.
QList<DriveListEntry> drive_list_entries(const DosFs& fs);

} // namespace zr
