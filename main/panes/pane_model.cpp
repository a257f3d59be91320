#include "pane_model.h"

namespace zr {

namespace {

const QString& column_text(const PaneItem& item, int column) {
    switch (column) {
    case 1:
        return item.size;
    case 2:
        return item.type;
    case 3:
        return item.modified;
    default:
        return item.text;
    }
}

} // namespace

void PaneModel::clear() { set_items({}); }

void PaneModel::set_items(QList<PaneItem> items) {
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

int PaneModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

int PaneModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant PaneModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const PaneItem& item = m_items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return column_text(item, index.column());
    case image_key_role:
        return index.column() == 0 ? QVariant(item.image_key) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == 1 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant PaneModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QString headers[] = {QStringLiteral("Name"), QString::fromUtf8("Größe"),
                                      QStringLiteral("Typ"), QString::fromUtf8("Geändert")};
    return section >= 0 && section < 4 ? QVariant(headers[section]) : QVariant();
}

} // namespace zr
