#pragma once

#include "main/panes/pane_item.h"

#include <QList>

namespace zr {

// What a folder listing writes in the main window.
class ListingTarget {
public:
    virtual ~ListingTarget() = default;
    // The upload and copy items enabled, delete and new folder visible.
    virtual void set_listing_menu_states() = 0;
    virtual void set_pane_items(int pane, QList<PaneItem> items) = 0;
    // The pane's folder label.
    virtual void set_pane_caption(int pane, const QString& text) = 0;
    virtual void set_window_title(const QString& title) = 0;
    virtual void set_status_text(const QString& text) = 0;
};

} // namespace zr
