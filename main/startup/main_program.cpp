#include "main_program.h"

#include "main/panes/folder_listing.h"
#include "main/panes/form4.h"
#include "main/panes/free_space_query.h"
#include "main/startup/form39.h"
#include "main/startup/form8.h"

#include "common/services.h"

namespace zr {

MainProgram::MainProgram(Services& services, const BatterySource& battery)
    : m_services(services), m_battery(battery) {}

MainProgram::~MainProgram() = default;

void MainProgram::start() {
    m_form39 = std::make_unique<Form39>(m_state, m_services);
    connect(m_form39.get(), &Form39::confirmed, this, &MainProgram::hand_over);
    connect(m_form39.get(), &Form39::quit_requested, this, &MainProgram::quit_requested);
    if (!m_form39->load())
        m_form39->show();
}

Form8& MainProgram::data_window() {
    if (!m_form8)
        m_form8 = std::make_unique<Form8>(m_services.fs, m_battery, m_services.desktop);
    return *m_form8;
}

void MainProgram::hand_over() {
    // The profile window stays loaded, hidden; the main window shows both panes at the root
    // of the program directory's drive.
    m_form4 = std::make_unique<Form4>();
    m_form4->show();
    list_pane(1);
    list_pane(0);
    m_state.starting_up = 0;
}

void MainProgram::list_pane(int pane) {
    m_state.active_pane = pane;
    m_state.listing_busy = 1;
    FreeSpaceQuery free_space(m_services.fs, m_services.launcher, m_services.desktop,
                              m_state.program_dir);
    FolderListing(m_state, m_services.fs, m_services.desktop, data_window(), free_space, *m_form4)
        .list_folder();
}

} // namespace zr
