#include "form39.h"

#include "main/startup/program_state.h"
#include "main/startup/startup_pictures.h"

#include "common/services.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

Form39::Form39(ProgramState& state, Services& services, QWidget* parent)
    : QWidget(parent),
      Label2(new QLabel(QStringLiteral("Bitte wählen Sie ein Benutzerprofil aus."), this)),
      ListView1(new QListWidget(this)), Command1(new QPushButton(QStringLiteral("Ok"), this)),
      Command2(new QPushButton(QStringLiteral("Beenden"), this)), Image1(new QLabel(this)),
      m_selection(state, services.settings, services.fs, services.desktop) {
    setObjectName(QStringLiteral("Form39"));
    setWindowTitle(QStringLiteral("Benutzerprofil"));
    Label2->setObjectName(QStringLiteral("Label2"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Image1->setObjectName(QStringLiteral("Image1"));

    Image1->setPixmap(profile_window_picture());
    Image1->setAlignment(Qt::AlignTop);
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setGridSize(QSize(96, 64));
    ListView1->setMovement(QListView::Static);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setWordWrap(true);
    Command1->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* right = new QVBoxLayout;
    right->addWidget(Label2);
    right->addWidget(ListView1, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1);
    layout->addLayout(right, 1);
    resize(420, 260);

    connect(Command1, &QPushButton::clicked, this, &Form39::command1_click);
    connect(Command2, &QPushButton::clicked, this, &Form39::command2_click);
    connect(ListView1, &QListWidget::itemDoubleClicked, this, &Form39::command1_click);
}

bool Form39::load() {
    const QIcon leer = profile_item_icon();
    for (const QString& name : m_selection.load())
        new QListWidgetItem(leer, name, ListView1);
    if (ListView1->count() > 0)
        ListView1->setCurrentRow(0);
    if (ListView1->count() >= 2)
        return false;
    confirm();
    return true;
}

void Form39::confirm() {
    const QListWidgetItem* current = ListView1->currentItem();
    m_selection.confirm(current ? current->text() : QString());
    hide();
    emit confirmed();
}

void Form39::command1_click() {
    confirm();
}

void Form39::command2_click() {
    emit quit_requested();
}

void Form39::closeEvent(QCloseEvent* event) {
    // Closing the only window before a choice ends the program, as "Beenden" does.
    if (isVisible())
        emit quit_requested();
    event->accept();
}

} // namespace zr
