#pragma once

#include <QString>

namespace zr {

// One row of a file pane: the item text, its three sub-items and its image key.
struct PaneItem {
    QString text;
    QString size;     // sub-item 1
    QString type;     // sub-item 2
    QString modified; // sub-item 3
    QString image_key;
};

} // namespace zr
