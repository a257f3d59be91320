#include "form6.h"

#include "main/startup/startup_pictures.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace zr {

QString Form6::home_page() { return QStringLiteral(ZR_HOMEPAGE); }

Form6::Form6(QWidget* parent)
    : QDialog(parent), Label4(new QLabel(QStringLiteral("Zonderel,"), this)),
      Label1(new QLabel(QStringLiteral("Version 4.1"), this)),
      Label5(new QLabel(QStringLiteral("(Build: 1826)"), this)),
      Label12(new QLabel(home_page(), this)),
      Label2(new QLabel(QStringLiteral("Alle Rechte vorbehalten."), this)),
      Image1(new QLabel(this)), Image4(new QLabel(this)),
      Command1(new QPushButton(QStringLiteral("Ok"), this)) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QString::fromUtf8("Über Zonderel"));
    setModal(true);
    const struct {
        QWidget* widget;
        const char* name;
    } names[] = {{Label4, "Label4"}, {Label1, "Label1"}, {Label5, "Label5"},
                 {Label12, "Label12"}, {Label2, "Label2"}, {Image1, "Image1"},
                 {Image4, "Image4"}, {Command1, "Command1"}};
    for (const auto& n : names)
        n.widget->setObjectName(QString::fromLatin1(n.name));

    QFont title = Label4->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    Label4->setFont(title);
    Label12->setCursor(Qt::PointingHandCursor);
    Label12->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    Label12->installEventFilter(this);
    Image1->setPixmap(about_picture());
    Image4->setPixmap(profile_window_picture().scaledToHeight(96, Qt::SmoothTransformation));
    Command1->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(Label4);
    text->addWidget(Label1);
    text->addWidget(Label5);
    text->addSpacing(8);
    text->addWidget(Label12);
    text->addWidget(Label2);
    text->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0);
    layout->addLayout(text, 0, 1);
    layout->addWidget(Image4, 0, 2, Qt::AlignTop);
    layout->addLayout(buttons, 1, 0, 1, 3);
    setFixedSize(sizeHint().expandedTo(QSize(420, 200)));

    connect(Command1, &QPushButton::clicked, this, &Form6::command1_click);
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label12 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit home_page_clicked(Label12->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form6::command1_click() { accept(); }

} // namespace zr
