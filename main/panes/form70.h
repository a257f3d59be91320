#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;

namespace zr {

class Form25;
struct ProgramState;
struct Services;

// "Registrierte Dateitypen": lists the registered types, adds and removes them.
class Form70 final : public QDialog {
    Q_OBJECT
public:
    Form70(ProgramState& state, Services& services, QWidget* parent = nullptr);
    ~Form70() override;

    QLabel* Label5;
    QListWidget* List1;
    QPushButton* Command8;
    QPushButton* Command7;
    QPushButton* Command1;

    // The new-type dialog while "&Neu" shows it; null otherwise.
    Form25* new_type_dialog() const { return m_form25.get(); }

private:
    void fill_list();
    void command8_click();
    void command7_click();
    void command1_click();

    ProgramState& m_state;
    Services& m_services;
    std::unique_ptr<Form25> m_form25;
};

} // namespace zr
