#include "icon_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace zr {

namespace {

const QColor outline(60, 60, 60);

} // namespace

bool IconPainter::draw(const QString& key) {
    m_p.setRenderHint(QPainter::Antialiasing);
    if (key == u"Ordner")
        folder(QColor(240, 200, 80));
    else if (key == u"Favoriten") {
        folder(QColor(240, 200, 80));
        star(QColor(220, 40, 40), 20, 19, 8);
    } else if (key == u"floppy")
        floppy(QColor(90, 90, 100), QColor(235, 235, 235));
    else if (key == u"Floppy")
        floppy(QColor(40, 70, 160), QColor(250, 230, 120));
    else if (key == u"laufwerk")
        drive(QColor(170, 170, 175), QColor(40, 200, 40));
    else if (key == u"Laufwerk")
        drive(QColor(90, 110, 140), QColor(250, 160, 30));
    else if (key == u"cdr")
        disc(QColor(200, 200, 215));
    else if (key == u"CDR")
        disc(QColor(230, 180, 90));
    else if (key == u"Datei")
        document();
    else if (key == u"txt") {
        document();
        text_lines();
    } else if (key == u"htm") {
        document();
        globe(15, 19, 7);
    } else if (key == u"app")
        application();
    else if (key == u"bmp")
        picture();
    else if (key == u"wav")
        sound();
    else if (key == u"l_info")
        info();
    else if (key == u"l_cam")
        camera();
    else if (key == u"l_pc")
        computer();
    else if (key == u"auto_word")
        badge(QColor(40, 80, 180), QStringLiteral("W"));
    else if (key == u"auto_excel")
        badge(QColor(30, 130, 60), QStringLiteral("X"));
    else if (key == u"auto_ppt")
        badge(QColor(210, 90, 40), QStringLiteral("P"));
    else if (key == u"auto_access")
        badge(QColor(150, 30, 50), QStringLiteral("A"));
    else if (key == u"auto_soffice")
        badge(QColor(20, 140, 150), QStringLiteral("S"));
    else if (key == u"auto_midi")
        note(QColor(120, 60, 170));
    else if (key == u"mp3")
        note(QColor(200, 40, 120));
    else if (key == u"zipB")
        archive();
    else if (key.size() == 3 && key.startsWith(u'i') && key.mid(1).toInt() >= 15 &&
             key.mid(1).toInt() <= 55)
        numbered_picture(key.mid(1).toInt());
    else
        return false;
    return true;
}

void IconPainter::document() {
    QPainterPath page;
    page.moveTo(6, 2);
    page.lineTo(20, 2);
    page.lineTo(27, 9);
    page.lineTo(27, 30);
    page.lineTo(6, 30);
    page.closeSubpath();
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(Qt::white);
    m_p.drawPath(page);
    m_p.setBrush(QColor(210, 210, 210));
    m_p.drawPolygon(QPolygonF({QPointF(20, 2), QPointF(20, 9), QPointF(27, 9)}));
}

void IconPainter::folder(QColor colour) {
    m_p.setPen(QPen(colour.darker(170), 1.2));
    m_p.setBrush(colour.darker(115));
    m_p.drawRoundedRect(QRectF(2, 6, 12, 6), 1.5, 1.5);
    m_p.drawRoundedRect(QRectF(2, 9, 28, 19), 1.5, 1.5);
    m_p.setBrush(colour);
    m_p.drawRoundedRect(QRectF(2, 12, 28, 16), 1.5, 1.5);
}

void IconPainter::star(QColor colour, double cx, double cy, double radius) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? radius : radius * 0.45;
        points << QPointF(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    m_p.setPen(QPen(colour.darker(150), 1));
    m_p.setBrush(colour);
    m_p.drawPolygon(points);
}

void IconPainter::floppy(QColor body, QColor label) {
    m_p.setPen(QPen(body.darker(160), 1.2));
    m_p.setBrush(body);
    m_p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
    m_p.setBrush(QColor(200, 200, 205));
    m_p.drawRect(QRectF(9, 3, 14, 9));
    m_p.setBrush(body.darker(130));
    m_p.drawRect(QRectF(17, 4.5, 4, 6));
    m_p.setBrush(label);
    m_p.drawRect(QRectF(7, 16, 18, 12));
}

void IconPainter::drive(QColor body, QColor light) {
    m_p.setPen(QPen(body.darker(170), 1.2));
    m_p.setBrush(body);
    m_p.drawRoundedRect(QRectF(2, 10, 28, 13), 2, 2);
    m_p.setBrush(body.darker(125));
    m_p.drawRect(QRectF(5, 15, 15, 3));
    m_p.setBrush(light);
    m_p.drawEllipse(QRectF(23, 14.5, 4, 4));
}

void IconPainter::disc(QColor colour) {
    QRadialGradient shine(QPointF(12, 12), 16);
    shine.setColorAt(0, colour.lighter(130));
    shine.setColorAt(1, colour.darker(120));
    m_p.setPen(QPen(colour.darker(180), 1.2));
    m_p.setBrush(shine);
    m_p.drawEllipse(QRectF(2, 2, 28, 28));
    m_p.setBrush(Qt::white);
    m_p.drawEllipse(QRectF(12, 12, 8, 8));
}

void IconPainter::text_lines() {
    m_p.setPen(QPen(QColor(90, 90, 140), 1.5));
    for (int y = 13; y <= 26; y += 4)
        m_p.drawLine(QPointF(9, y), QPointF(24, y));
}

void IconPainter::globe(double cx, double cy, double radius) {
    m_p.setPen(QPen(QColor(20, 80, 160), 1.2));
    m_p.setBrush(QColor(120, 180, 240));
    m_p.drawEllipse(QPointF(cx, cy), radius, radius);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(QPointF(cx, cy), radius * 0.45, radius);
    m_p.drawLine(QPointF(cx - radius, cy), QPointF(cx + radius, cy));
}

void IconPainter::application() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(Qt::white);
    m_p.drawRect(QRectF(2, 5, 28, 22));
    m_p.setBrush(QColor(30, 60, 150));
    m_p.drawRect(QRectF(2, 5, 28, 6));
    m_p.setBrush(QColor(220, 60, 50));
    m_p.drawRect(QRectF(25, 6.5, 3, 3));
}

void IconPainter::picture() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(QColor(170, 215, 250));
    m_p.drawRect(QRectF(2, 5, 28, 22));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(250, 210, 40));
    m_p.drawEllipse(QRectF(20, 8, 6, 6));
    m_p.setBrush(QColor(60, 150, 60));
    m_p.drawPolygon(QPolygonF(
        {QPointF(3, 26), QPointF(12, 13), QPointF(18, 21), QPointF(22, 17), QPointF(29, 26)}));
}

void IconPainter::sound() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(QColor(80, 80, 90));
    m_p.drawPolygon(QPolygonF({QPointF(3, 12), QPointF(9, 12), QPointF(16, 5), QPointF(16, 27),
                               QPointF(9, 20), QPointF(3, 20)}));
    m_p.setBrush(Qt::NoBrush);
    m_p.setPen(QPen(QColor(30, 120, 200), 2));
    m_p.drawArc(QRectF(14, 10, 8, 12), -60 * 16, 120 * 16);
    m_p.drawArc(QRectF(14, 5, 14, 22), -60 * 16, 120 * 16);
}

void IconPainter::badge(QColor colour, const QString& letter) {
    document();
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(colour);
    m_p.drawRoundedRect(QRectF(2, 13, 18, 16), 2, 2);
    QFont font = m_p.font();
    font.setBold(true);
    font.setPixelSize(13);
    m_p.setFont(font);
    m_p.setPen(Qt::white);
    m_p.drawText(QRectF(2, 13, 18, 16), Qt::AlignCenter, letter);
}

// The numbered pictures are documents with a mark of their own: its colour and shape follow
// the number, so no two of the 41 look alike.
void IconPainter::numbered_picture(int number) {
    document();
    const int index = number - 15;
    const QColor colour = QColor::fromHsv((index * 47) % 360, 190, 210);
    m_p.setPen(QPen(colour.darker(150), 1));
    m_p.setBrush(colour);
    const QRectF box(9, 13, 14, 14);
    switch (index % 5) {
    case 0:
        m_p.drawEllipse(box);
        break;
    case 1:
        m_p.drawRect(box);
        break;
    case 2:
        m_p.drawPolygon(QPolygonF({QPointF(16, 13), QPointF(23, 27), QPointF(9, 27)}));
        break;
    case 3:
        m_p.drawPolygon(
            QPolygonF({QPointF(16, 13), QPointF(23, 20), QPointF(16, 27), QPointF(9, 20)}));
        break;
    default:
        star(colour, 16, 20, 7.5);
        break;
    }
}

void IconPainter::info() {
    m_p.setPen(QPen(QColor(20, 60, 140), 1.2));
    m_p.setBrush(QColor(50, 110, 210));
    m_p.drawEllipse(QRectF(2, 2, 28, 28));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(Qt::white);
    m_p.drawEllipse(QRectF(14, 7, 4, 4));
    m_p.drawRect(QRectF(14, 13, 4, 12));
}

void IconPainter::camera() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(QColor(70, 70, 80));
    m_p.drawRect(QRectF(10, 6, 10, 5));
    m_p.drawRoundedRect(QRectF(2, 10, 28, 18), 3, 3);
    m_p.setBrush(QColor(140, 180, 220));
    m_p.drawEllipse(QRectF(10, 12, 13, 13));
}

void IconPainter::computer() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(QColor(200, 200, 195));
    m_p.drawRect(QRectF(4, 3, 24, 18));
    m_p.setBrush(QColor(40, 100, 160));
    m_p.drawRect(QRectF(7, 6, 18, 12));
    m_p.setBrush(QColor(200, 200, 195));
    m_p.drawRect(QRectF(12, 21, 8, 3));
    m_p.drawRect(QRectF(6, 24, 20, 5));
}

void IconPainter::note(QColor colour) {
    m_p.setPen(QPen(colour.darker(140), 2));
    m_p.setBrush(colour);
    m_p.drawEllipse(QRectF(5, 20, 8, 6));
    m_p.drawEllipse(QRectF(19, 17, 8, 6));
    m_p.drawLine(QPointF(12.5, 23), QPointF(12.5, 6));
    m_p.drawLine(QPointF(26.5, 20), QPointF(26.5, 3));
    m_p.setPen(QPen(colour.darker(140), 4));
    m_p.drawLine(QPointF(12.5, 6), QPointF(26.5, 3));
}

void IconPainter::archive() {
    m_p.setPen(QPen(outline, 1.2));
    m_p.setBrush(QColor(190, 140, 80));
    m_p.drawRect(QRectF(3, 6, 26, 22));
    m_p.setBrush(QColor(230, 230, 230));
    m_p.drawRect(QRectF(13, 6, 6, 22));
    m_p.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (int y = 8; y < 28; y += 3)
        m_p.drawLine(QPointF(14, y), QPointF(18, y));
}

} // namespace zr
