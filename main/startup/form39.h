#pragma once

#include "main/startup/profile_selection.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace zr {

struct ProgramState;
struct Services;

// The profile window: lets the user pick one of two or more profiles.
class Form39 final : public QWidget {
    Q_OBJECT
public:
    Form39(ProgramState& state, Services& services, QWidget* parent = nullptr);

    // Lists the profiles; with fewer than two it confirms at once and returns true, and the
    // window is never shown.
    bool load();

    QLabel* Label2;
    QListWidget* ListView1;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Image1;

signals:
    // A profile is chosen; the start-up takes over.
    void confirmed();
    // "Beenden": the program ends at once, saving nothing.
    void quit_requested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void confirm();
    void command1_click();
    void command2_click();

    ProfileSelection m_selection;
};

} // namespace zr
