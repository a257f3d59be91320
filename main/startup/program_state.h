#pragma once

#include "common/data_file.h"

#include <QString>

#include <array>

namespace zr {

// The program-wide state of zrmain, alive from the profile window's load to the end.
struct ProgramState {
    QString program_dir; // always ends in "\"
    QString profile_number = QStringLiteral("0");
    QString profile_name = QStringLiteral("Standard");
    int starting_up = 0;                // 1 until the start-up sequence has finished
    int startup_phase = 0;              // 2 while the start-up sequence runs
    int active_pane = 0;                // 0 or 1
    std::array<QString, 2> pane_folder; // each ends in "\"
    QString navigate_target;            // absolute path, sub-folder, ".." or drive root
    int listing_busy = 0;
    int search_done = 0;
    QString dialog_result; // "#drive", "abbr", an icon key, a search text
    int drop_pane = 0;
    QString rename_old_name;
    int error_choice = 0; // error number in, 1 retry or 0 abort out
    int list_has_focus = 0;
    int main_window_state = 0; // 0 normal, 1 minimised, 2 maximised
    NumberValue run_counter;
    QString lock_password;                 // decoded
    std::array<QString, 4> general_lines;  // lines 3 to 6 of "general.inf"
    std::array<QString, 10> profile_flags; // flags 1 to 10 at [0] to [9]
    QString profile_line29;

    // Flag n (1 to 10) of the profile.
    QString& profile_flag(int n) { return profile_flags.at(static_cast<std::size_t>(n - 1)); }
    const QString& profile_flag(int n) const {
        return profile_flags.at(static_cast<std::size_t>(n - 1));
    }
};

} // namespace zr
