#pragma once

#include "common/icon_set.h"

#include <QIdentityProxyModel>

namespace zr {

// A pane's items with the pictures of their image keys.
class PaneIconModel final : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    IconSet m_images;
};

} // namespace zr
