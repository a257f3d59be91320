#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zr {

class Form51;
struct ProgramState;
struct Services;

// "Neuer Dateityp": registers a type with its extension, description, program and icon.
class Form25 final : public QDialog {
    Q_OBJECT
public:
    Form25(ProgramState& state, Services& services, QWidget* parent = nullptr);
    ~Form25() override;

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QLineEdit* Text2;
    QLabel* Label3;
    QLineEdit* Text3;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command1;

    // The icon chooser while "Ok" shows it; null otherwise.
    Form51* icon_chooser() const { return m_form51.get(); }

private:
    void command2_click();
    void command3_click();
    void command1_click();

    ProgramState& m_state;
    Services& m_services;
    std::unique_ptr<Form51> m_form51;
};

} // namespace zr
