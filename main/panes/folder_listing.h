#pragma once

#include "common/dir_entry.h"

#include <QHash>
#include <QList>
#include <QString>

namespace zr {

class Desktop;
class DosFs;
class Form8;
class FreeSpaceQuery;
class ListingTarget;
class RegisteredTypes;
struct PaneItem;
struct ProgramState;

// The window title for a listed folder: "Briefe - Zonderel" for C:\Texte\Briefe,
// "Zonderel" for a drive root.
QString listing_title(const QString& folder);
// The status line after a listing.
QString listing_status(qint64 total_bytes, int files, int folders, double free_megabytes);

// list_folder: reads the folder that navigate_target names into the active pane, with the
// pane's folder label, the window title, the status line and the folder list Ordner.
class FolderListing {
public:
    FolderListing(ProgramState& state, DosFs& fs, Desktop& desktop, Form8& data,
                  FreeSpaceQuery& free_space, ListingTarget& target);

    void list_folder();

private:
    std::uint32_t hidden_mask() const;
    QList<PaneItem> folder_items();
    QList<PaneItem> file_items(const RegisteredTypes& types, qint64& total_bytes);

    ProgramState& m_state;
    DosFs& m_fs;
    Desktop& m_desktop;
    Form8& m_data;
    FreeSpaceQuery& m_free_space;
    ListingTarget& m_target;
    QHash<QString, DirEntry> m_entries;
};

} // namespace zr
