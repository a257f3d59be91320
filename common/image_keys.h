#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// The image keys of the system's pictures. Keys are case-sensitive: "floppy" and "Floppy" are
// two pictures.
struct ImageKeys {
    // How many pictures the icon chooser shows.
    static constexpr int chooser_count = 55;

    // The key of the chooser's position p (0 to 54); empty outside that range.
    static QString chooser_key(int position);
    // The chooser's keys in position order.
    static QStringList chooser_keys();
    // Every key the file panes' image lists hold, chooser keys first; "leer" is not among them.
    static QStringList pane_keys();
};

} // namespace zr
