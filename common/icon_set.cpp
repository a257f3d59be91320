#include "icon_set.h"

#include "icon_painter.h"

#include <QPainter>

namespace zr {

namespace {

const QString blank_key = QStringLiteral("leer");

} // namespace

QIcon IconSet::icon(const QString& key) const {
    QIcon both;
    both.addPixmap(large(key));
    both.addPixmap(small(key));
    return both;
}

bool IconSet::knows(const QString& key) {
    if (key == blank_key)
        return true;
    QPixmap scratch(1, 1);
    QPainter painter(&scratch);
    return IconPainter(painter).draw(key);
}

QPixmap IconSet::picture(const QString& key, int size) const {
    const QString cache_key = key + QLatin1Char('/') + QString::number(size);
    auto found = m_cache.constFind(cache_key);
    if (found != m_cache.constEnd())
        return *found;
    const QPixmap made = painted(key, size);
    m_cache.insert(cache_key, made);
    return made;
}

QPixmap IconSet::painted(const QString& key, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (key == blank_key)
        return pixmap;
    QPainter painter(&pixmap);
    painter.scale(size / 32.0, size / 32.0);
    if (!IconPainter(painter).draw(key))
        IconPainter(painter).draw(QStringLiteral("Datei"));
    return pixmap;
}

} // namespace zr
