#include "main_program.h"

#include "main/panes/form4.h"
#include "main/startup/form39.h"

namespace zr {

MainProgram::MainProgram(Services& services) : m_services(services) {}

MainProgram::~MainProgram() = default;

void MainProgram::start() {
    m_form39 = std::make_unique<Form39>(m_state, m_services);
    connect(m_form39.get(), &Form39::confirmed, this, &MainProgram::hand_over);
    connect(m_form39.get(), &Form39::quit_requested, this, &MainProgram::quit_requested);
    if (!m_form39->load())
        m_form39->show();
}

void MainProgram::hand_over() {
    // The profile window stays loaded, hidden; the start-up builds the main window.
    m_form4 = std::make_unique<Form4>();
    m_form4->show();
    m_state.starting_up = 0;
}

} // namespace zr
