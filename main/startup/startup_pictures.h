#pragma once

#include <QIcon>
#include <QPixmap>

namespace zr {

// The picture of the image key "leer" that every profile item shows.
QIcon profile_item_icon();
// The decoration at the side of the profile window.
QPixmap profile_window_picture();
// The product picture of the about box.
QPixmap about_picture();

} // namespace zr
