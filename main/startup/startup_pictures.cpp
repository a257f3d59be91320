#include "startup_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zr {

namespace {

void draw_person(QPainter& p, QRectF box, QColor colour) {
    const double w = box.width();
    const double h = box.height();
    p.setPen(QPen(colour.darker(160), w / 24));
    p.setBrush(colour);
    p.drawEllipse(QRectF(box.left() + w * 0.32, box.top() + h * 0.06, w * 0.36, h * 0.36));
    QPainterPath body;
    body.moveTo(box.left() + w * 0.12, box.bottom() - h * 0.04);
    body.cubicTo(box.left() + w * 0.12, box.top() + h * 0.48, box.right() - w * 0.12,
                 box.top() + h * 0.48, box.right() - w * 0.12, box.bottom() - h * 0.04);
    body.closeSubpath();
    p.drawPath(body);
}

} // namespace

QIcon profile_item_icon() {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw_person(p, QRectF(0, 0, size, size), QColor(70, 120, 190));
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap profile_window_picture() {
    QPixmap pixmap(72, 200);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, 200);
    band.setColorAt(0, QColor(50, 105, 50));
    band.setColorAt(1, QColor(50, 230, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(4, 4, 64, 192), 8, 8);
    draw_person(p, QRectF(12, 20, 48, 48), QColor(240, 240, 240));
    draw_person(p, QRectF(20, 76, 32, 32), QColor(220, 220, 220));
    return pixmap;
}

QPixmap about_picture() {
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Two panes side by side, the product's sign.
    const QColor frame(40, 70, 120);
    p.setPen(QPen(frame, 2));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(6, 14, 84, 68), 6, 6);
    p.setBrush(QColor(50, 105, 50));
    p.drawRect(QRectF(6, 14, 84, 12));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 5; ++row) {
        p.setBrush(row % 2 ? QColor(200, 215, 235) : QColor(225, 235, 245));
        p.drawRect(QRectF(12, 32 + row * 9, 34, 7));
        p.drawRect(QRectF(52, 32 + row * 9, 34, 7));
    }
    p.setPen(QPen(frame, 2));
    p.drawLine(QPointF(48, 28), QPointF(48, 80));
    return pixmap;
}

} // namespace zr
