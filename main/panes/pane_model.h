#pragma once

#include "main/panes/pane_item.h"

#include <QAbstractTableModel>
#include <QList>

namespace zr {

// The items of one file pane with the columns "Name", "Größe", "Typ" and "Geändert".
class PaneModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The item's image key, for the view to pick its picture.
    static constexpr int image_key_role = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void set_items(QList<PaneItem> items);
    const QList<PaneItem>& items() const { return m_items; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PaneItem> m_items;
};

} // namespace zr
