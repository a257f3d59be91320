#include "form25.h"

#include "form51.h"
#include "type_store.h"

#include "main/startup/program_state.h"

#include "common/desktop.h"
#include "common/services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

Form25::Form25(ProgramState& state, Services& services, QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel(QStringLiteral("Zugeordnete Erweiterung (.txt,.doc):"), this)),
      Text1(new QLineEdit(this)), Label2(new QLabel(QStringLiteral("Bezeichnung:"), this)),
      Text2(new QLineEdit(this)), Label3(new QLabel(QStringLiteral("Öffnen mit:"), this)),
      Text3(new QLineEdit(this)),
      Command2(new QPushButton(QStringLiteral("&Durchsuchen..."), this)),
      Command3(new QPushButton(QStringLiteral("Ok"), this)),
      Command1(new QPushButton(QStringLiteral("Abbrechen"), this)), m_state(state),
      m_services(services) {
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(QStringLiteral("Neuer Dateityp"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Text3->setObjectName(QStringLiteral("Text3"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    Label3->setBuddy(Text3);
    Command3->setDefault(true);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0, 1, 2);
    fields->addWidget(Text1, 1, 0, 1, 2);
    fields->addWidget(Label2, 2, 0, 1, 2);
    fields->addWidget(Text2, 3, 0, 1, 2);
    fields->addWidget(Label3, 4, 0, 1, 2);
    fields->addWidget(Text3, 5, 0);
    fields->addWidget(Command2, 5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(380, sizeHint().height());

    connect(Command2, &QPushButton::clicked, this, &Form25::command2_click);
    connect(Command3, &QPushButton::clicked, this, &Form25::command3_click);
    connect(Command1, &QPushButton::clicked, this, &Form25::command1_click);
}

Form25::~Form25() = default;

void Form25::command2_click() {
    FileDialogRequest request;
    request.filter = QStringLiteral("Anwendungen|*.exe|Alle Dateien (*.*)|*.*");
    request.default_extension = QStringLiteral("*.exe;*.com;*.pif;*.lnk");
    if (std::optional<QString> chosen = m_services.desktop.open_file(request))
        Text3->setText(*chosen);
}

void Form25::command3_click() {
    m_form51 = std::make_unique<Form51>(m_state, this);
    m_state.dialog_result = QStringLiteral("abbr");
    m_services.desktop.show_modal(*m_form51);
    m_form51.reset();
    if (m_state.dialog_result == u"abbr")
        return;
    TypeStore store(m_services.fs, m_state.program_dir);
    // A refused description or a failed write closes the dialog all the same.
    (void)store.register_type(Text1->text(), Text2->text(), Text3->text(), m_state.dialog_result);
    hide();
}

void Form25::command1_click() {
    hide();
}

} // namespace zr
