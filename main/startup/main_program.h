#pragma once

#include "main/startup/program_state.h"

#include <QObject>

#include <memory>

namespace zr {

class Form39;
class Form4;
struct Services;

// zrmain's life: the program state and the windows of start-up, each made on first use.
class MainProgram final : public QObject {
    Q_OBJECT
public:
    explicit MainProgram(Services& services);
    ~MainProgram() override;

    // Loads the profile window; shows it only when there is a choice to make.
    void start();

    ProgramState& state() { return m_state; }
    Form39* profile_window() const { return m_form39.get(); }
    Form4* main_window() const { return m_form4.get(); }

signals:
    // The program is to end now; nothing is saved.
    void quit_requested();

private:
    void hand_over();

    Services& m_services;
    ProgramState m_state;
    std::unique_ptr<Form39> m_form39;
    std::unique_ptr<Form4> m_form4;
};

} // namespace zr
