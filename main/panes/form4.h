#pragma once

#include "main/panes/listing_target.h"
#include "main/panes/pane_icon_model.h"
#include "main/panes/pane_model.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QTreeView;

namespace zr {

// The main window of the file manager: two file panes with their folder captions and the
// status line.
class Form4 final : public QMainWindow, public ListingTarget {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    std::array<PaneModel, 2> pane_models;
    std::array<PaneIconModel, 2> pane_views;
    std::array<QTreeView*, 2> ListView1{};
    std::array<QLabel*, 2> Label12{};
    QLabel* Label4;

    void set_listing_menu_states() override;
    void set_pane_items(int pane, QList<PaneItem> items) override;
    void set_pane_caption(int pane, const QString& text) override;
    void set_window_title(const QString& title) override;
    void set_status_text(const QString& text) override;
};

} // namespace zr
