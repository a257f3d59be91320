#include "form51.h"

#include "main/startup/program_state.h"

#include "common/image_keys.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

namespace {

constexpr int columns = 11;
const QString cancelled = QStringLiteral("abbr");

} // namespace

Form51::Form51(ProgramState& state, QWidget* parent)
    : QDialog(parent), Abbrechen(new QPushButton(QStringLiteral("Abbrechen"), this)),
      m_state(state) {
    setObjectName(QStringLiteral("Form51"));
    setWindowTitle(QStringLiteral("Symbol auswählen"));
    Abbrechen->setObjectName(QStringLiteral("Abbrechen"));

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int p = 0; p < image_count; ++p) {
        QLabel* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image1_%1").arg(p));
        image->setPixmap(m_images.large(ImageKeys::chooser_key(p)));
        image->setFixedSize(IconSet::large_size + 8, IconSet::large_size + 8);
        image->setAlignment(Qt::AlignCenter);
        image->setMouseTracking(true);
        image->installEventFilter(this);
        Image1[std::size_t(p)] = image;
        grid->addWidget(image, p / columns, p % columns);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(Abbrechen, &QPushButton::clicked, this, &Form51::abbrechen_click);
}

void Form51::reject() {
    // Escape and the title bar's close button cancel, as "Abbrechen" does.
    abbrechen_click();
}

bool Form51::eventFilter(QObject* watched, QEvent* event) {
    const int position = position_of(watched);
    if (position >= 0 && event->type() == QEvent::Enter)
        image1_mouse_move(position);
    if (position >= 0 && event->type() == QEvent::MouseButtonRelease) {
        image1_click(position);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form51::image1_mouse_move(int position) {
    for (int p = 0; p < image_count; ++p)
        Image1[std::size_t(p)]->setFrameShape(p == position ? QFrame::Box : QFrame::NoFrame);
}

void Form51::image1_click(int position) {
    hide();
    m_state.dialog_result = ImageKeys::chooser_key(position);
}

void Form51::abbrechen_click() {
    hide();
    m_state.dialog_result = cancelled;
}

int Form51::position_of(const QObject* watched) const {
    for (int p = 0; p < image_count; ++p)
        if (Image1[std::size_t(p)] == watched)
            return p;
    return -1;
}

} // namespace zr
