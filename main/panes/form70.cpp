#include "form70.h"

#include "form25.h"
#include "type_store.h"

#include "main/startup/program_state.h"

#include "common/desktop.h"
#include "common/services.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

Form70::Form70(ProgramState& state, Services& services, QWidget* parent)
    : QDialog(parent), Label5(new QLabel(QStringLiteral("Registrierte Dateitypen:"), this)),
      List1(new QListWidget(this)), Command8(new QPushButton(QStringLiteral("&Neu"), this)),
      Command7(new QPushButton(QStringLiteral("&Entfernen"), this)),
      Command1(new QPushButton(QStringLiteral("Schließen"), this)), m_state(state),
      m_services(services) {
    setObjectName(QStringLiteral("Form70"));
    setWindowTitle(QStringLiteral("Registrierte Dateitypen"));
    Label5->setObjectName(QStringLiteral("Label5"));
    List1->setObjectName(QStringLiteral("List1"));
    Command8->setObjectName(QStringLiteral("Command8"));
    Command7->setObjectName(QStringLiteral("Command7"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Label5->setBuddy(List1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Command8);
    buttons->addWidget(Command7);
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* body = new QHBoxLayout;
    body->addWidget(List1, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addLayout(body, 1);
    resize(360, 240);

    connect(Command8, &QPushButton::clicked, this, &Form70::command8_click);
    connect(Command7, &QPushButton::clicked, this, &Form70::command7_click);
    connect(Command1, &QPushButton::clicked, this, &Form70::command1_click);
    fill_list();
}

Form70::~Form70() = default;

void Form70::fill_list() {
    List1->clear();
    List1->addItems(TypeStore(m_services.fs, m_state.program_dir).descriptions());
}

void Form70::command8_click() {
    m_form25 = std::make_unique<Form25>(m_state, m_services, this);
    m_services.desktop.show_modal(*m_form25);
    m_form25.reset();
}

void Form70::command7_click() {
    // Without a selection there is nothing to remove, and no ".flt" of an empty name to hit.
    const QListWidgetItem* selected = List1->currentItem();
    if (!selected || !selected->isSelected())
        return;
    const MessageAnswer answer = m_services.desktop.message_box(
        QStringLiteral("Soll dieser Dateityp wirklich entfernt werden ?"),
        QStringLiteral("Dateityp entfernen"), MessageButtons::yes_no, MessageIcon::question);
    if (answer != MessageAnswer::yes)
        return;
    // A file that is already gone only refreshes the list.
    (void)TypeStore(m_services.fs, m_state.program_dir).remove(selected->text());
    fill_list();
}

void Form70::command1_click() {
    hide();
}

} // namespace zr
