#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace zr {

// Draws the system's pictures by image key on a 32 by 32 grid; the caller scales the painter
// to the size it wants.
class IconPainter {
public:
    explicit IconPainter(QPainter& painter) : m_p(painter) {}

    // False for a key that has no picture of its own; nothing is drawn then.
    bool draw(const QString& key);

private:
    void document();
    void folder(QColor colour);
    void star(QColor colour, double cx, double cy, double radius);
    void floppy(QColor body, QColor label);
    void drive(QColor body, QColor light);
    void disc(QColor colour);
    void text_lines();
    void globe(double cx, double cy, double radius);
    void application();
    void picture();
    void sound();
    void badge(QColor colour, const QString& letter);
    void numbered_picture(int number);
    void info();
    void camera();
    void computer();
    void note(QColor colour);
    void archive();

    QPainter& m_p;
};

} // namespace zr
