#include "pane_icon_model.h"

#include "main/panes/pane_model.h"

namespace zr {

QVariant PaneIconModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DecorationRole || index.column() != 0)
        return QIdentityProxyModel::data(index, role);
    const QString key = QIdentityProxyModel::data(index, PaneModel::image_key_role).toString();
    return key.isEmpty() ? QVariant() : QVariant(m_images.icon(key));
}

} // namespace zr
