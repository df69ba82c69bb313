#pragma once

#include <QSortFilterProxyModel>

namespace cdx {

// Shows folders and the files the user may execute, hiding everything else
// from a file dialog.
class ExecutableFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};

} // namespace cdx
