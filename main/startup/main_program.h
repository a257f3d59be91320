#pragma once

#include "main/startup/program_state.h"

#include <QObject>

#include <memory>

namespace zr {

class BatterySource;
class Form39;
class Form4;
class Form8;
struct Services;

// zrmain's life: the program state and the windows of start-up, each made on first use.
class MainProgram final : public QObject {
    Q_OBJECT
public:
    MainProgram(Services& services, const BatterySource& battery);
    ~MainProgram() override;

    // Loads the profile window; shows it only when there is a choice to make.
    void start();

    ProgramState& state() { return m_state; }
    Form39* profile_window() const { return m_form39.get(); }
    Form4* main_window() const { return m_form4.get(); }
    // The hidden data window, made on first use.
    Form8& data_window();

signals:
    // The program is to end now; nothing is saved.
    void quit_requested();

private:
    void hand_over();
    void list_pane(int pane);

    Services& m_services;
    const BatterySource& m_battery;
    ProgramState m_state;
    std::unique_ptr<Form39> m_form39;
    std::unique_ptr<Form4> m_form4;
    std::unique_ptr<Form8> m_form8;
};

} // namespace zr
