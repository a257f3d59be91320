#pragma once

#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zr {

// The pictures of the system's image lists, large and small, under their image keys. Every
// key has a picture; an unknown one shows the plain file picture, and only "leer" is blank.
class IconSet {
public:
    static constexpr int large_size = 32;
    static constexpr int small_size = 16;

    QPixmap large(const QString& key) const { return picture(key, large_size); }
    QPixmap small(const QString& key) const { return picture(key, small_size); }
    // Both sizes in one icon, as a list view takes them.
    QIcon icon(const QString& key) const;
    // Whether the key has a picture of its own (not the fallback).
    static bool knows(const QString& key);

private:
    QPixmap picture(const QString& key, int size) const;
    static QPixmap painted(const QString& key, int size);

    mutable QHash<QString, QPixmap> m_cache;
};

} // namespace zr
