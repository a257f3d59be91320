#include "folder_listing.h"

#include "main/panes/entry_classification.h"
#include "main/panes/free_space_query.h"
#include "main/panes/listing_target.h"
#include "main/panes/pane_item.h"
#include "main/panes/registered_types.h"
#include "main/panes/type_store.h"
#include "main/startup/form8.h"
#include "main/startup/program_state.h"

#include "common/desktop.h"
#include "common/display_text.h"
#include "common/dos_fs.h"
#include "common/file_attributes.h"
#include "common/program_directory.h"

namespace zr {

namespace {

const QString dot_dot = QStringLiteral("..");

bool is_drive_root(const QString& folder) {
    return folder.size() == 3;
}

} // namespace

QString listing_title(const QString& folder) {
    const QString name = folder.mid(folder.lastIndexOf(QLatin1Char('\\')) + 1);
    return name.isEmpty() ? QStringLiteral("Zonderel") : name + QStringLiteral(" - Zonderel");
}

QString listing_status(qint64 total_bytes, int files, int folders, double free_megabytes) {
    return dotted_number(total_bytes) + QStringLiteral(" Bytes in ") + QString::number(files) +
           QStringLiteral(" Dateien, ") + QString::number(folders) + QStringLiteral(" Ordner, ") +
           FreeSpaceQuery::status_text(free_megabytes);
}

FolderListing::FolderListing(ProgramState& state, DosFs& fs, Desktop& desktop, Form8& data,
                             FreeSpaceQuery& free_space, ListingTarget& target)
    : m_state(state), m_fs(fs), m_desktop(desktop), m_data(data), m_free_space(free_space),
      m_target(target) {}

void FolderListing::list_folder() {
    m_desktop.set_busy(true);
    const RegisteredTypes types = TypeStore(m_fs, m_state.program_dir).load_table();
    m_target.set_listing_menu_states();
    const int pane = m_state.active_pane;
    m_target.set_pane_items(pane, {});
    m_data.Ordner.clear();

    (void)m_fs.change_directory(m_state.navigate_target);
    m_entries.clear();
    QList<PaneItem> items = folder_items();
    const int folders = static_cast<int>(items.size()) -
                        (items.isEmpty() || items.constFirst().text != dot_dot ? 0 : 1);
    qint64 total_bytes = 0;
    const QList<PaneItem> files = file_items(types, total_bytes);
    const int file_count = static_cast<int>(files.size());
    items += files;
    if (items.isEmpty())
        items.append({QStringLiteral("Keine Dateien gefunden"), {}, {}, {}, {}});
    m_target.set_pane_items(pane, std::move(items));

    const QString folder = m_fs.current_directory();
    QString& pane_folder = m_state.pane_folder.at(static_cast<std::size_t>(pane));
    pane_folder = with_trailing_backslash(folder);
    m_target.set_window_title(listing_title(folder));
    m_target.set_pane_caption(pane, pane_folder);
    m_desktop.set_busy(false);

    const double free_space = m_free_space.ask(pane_folder);
    m_target.set_status_text(listing_status(total_bytes, file_count, folders, free_space));
    m_state.listing_busy = 0;
}

// Hidden and system entries are listed only when the profile asks for them.
std::uint32_t FolderListing::hidden_mask() const {
    return m_state.profile_flag(3) == QLatin1String("1")
               ? attr::hidden | attr::system | attr::read_only
               : 0;
}

QList<PaneItem> FolderListing::folder_items() {
    const QString folder = m_fs.current_directory();
    SortedList& names = m_data.List1;
    names.clear();
    if (!is_drive_root(folder))
        names.add(dot_dot);

    const std::uint32_t mask = attr::directory | hidden_mask();
    const Result<QList<DirEntry>> entries = m_fs.enumerate(QStringLiteral("*.*"), mask);
    for (const DirEntry& entry : entries.value_or({})) {
        // Only a folder that can be entered is listed as one.
        if (!(entry.attributes & attr::directory) || !m_fs.change_directory(entry.name))
            continue;
        (void)m_fs.change_directory(folder);
        names.add(entry.name);
        m_data.Ordner.add(entry.name);
        m_entries.insert(entry.name, entry);
    }

    QList<PaneItem> items;
    items.reserve(names.count());
    for (const QString& name : names.items()) {
        const QDateTime modified =
            name == dot_dot ? m_fs.modified(dot_dot).value_or({}) : m_entries.value(name).modified;
        items.append({name,
                      {},
                      QStringLiteral(" Ordner"),
                      date_time_text(modified),
                      QStringLiteral("Ordner")});
    }
    return items;
}

QList<PaneItem> FolderListing::file_items(const RegisteredTypes& types, qint64& total_bytes) {
    SortedList& names = m_data.List1;
    names.clear();
    const Result<QList<DirEntry>> entries = m_fs.enumerate(QStringLiteral("*.*"), hidden_mask());
    for (const DirEntry& entry : entries.value_or({})) {
        names.add(entry.name);
        m_entries.insert(entry.name, entry);
    }

    QList<PaneItem> items;
    items.reserve(names.count());
    for (const QString& name : names.items()) {
        const DirEntry& entry = m_entries[name];
        total_bytes += entry.size;
        const EntryClassification kind = classify_entry(name, types);
        items.append({name, dotted_number(entry.size), kind.description,
                      date_time_text(entry.modified), kind.image_key});
    }
    return items;
}

} // namespace zr
