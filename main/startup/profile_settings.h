#pragma once

#include "common/data_file.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <array>

namespace zr {

// The values of a profile file "settings." + number, one field per line of the file.
// Coordinates and widths are in twips.
struct ProfileSettings {
    QString name;                  // line 1
    std::array<QString, 10> flags; // lines 2 to 11: flags 1 to 10 at [0] to [9]
    NumberValue left;              // 12
    NumberValue top;               // 13
    NumberValue width;             // 14
    NumberValue height;            // 15
    NumberValue window_state;      // 16: 0 normal, 1 minimised, 2 maximised
    QString pane0_view;            // 17: "3" details, "2" list
    QString pane1_view;            // 18
    NumberValue panel_width;       // 19: the second-pane panel "Additional"
    NumberValue panel2_width;      // 20: the panel "Additional2"
    NumberValue reserved21;        // 21: kept and written back
    NumberValue reserved22;        // 22: kept and written back
    QString second_pane;           // 24: "Ordner" shown, "Keine" hidden
    QString toolbar_shown;         // 25: "1" or "0"
    QString status_bar_shown;      // 27: "1" or "0"
    QString menu_bar_ticked;       // 28: "1" or "0", read, not applied
    QString line29;                // 29: kept and written back
    NumberValue pane0_sort;        // 30: 0 name, 1 size, 2 type, 3 date
    NumberValue pane1_sort;        // 31
};

// A profile counts as new when its second line is empty or missing.
bool is_new_profile(const QByteArray& file_content);

// The values of a new profile for a screen of the given size in twips.
ProfileSettings new_profile_settings(const QString& name, QSizeF screen_twips);

// The values of the file laid over base: a line that is missing or whose number cannot be
// read leaves base's value. Reads all 32 lines, whether or not the profile is new.
ProfileSettings read_profile_lines(const QByteArray& file_content, ProfileSettings base);

// The profile as the program reads it at start-up: a new profile takes only its name from the
// file and every other value from new_profile_settings.
ProfileSettings read_profile_settings(const QByteArray& file_content, QSizeF screen_twips);

// The 32 lines of the file.
QByteArray profile_file_bytes(const ProfileSettings& profile);

// Line 17 or 18 for a list's view: "3" for the details view, "2" for any other.
QString view_line(int list_view);
// Line 30 or 31 for a list's sort key: the key when it is 0 to 3, else empty.
NumberValue sort_line(int sort_key);

} // namespace zr
