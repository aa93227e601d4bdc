#pragma once

#include <QStyledItemDelegate>

namespace brevanta {

// Draws each cell with a line below and to its right, as a grid of rows and columns, for
// lists (tree views without children) that QTreeView would otherwise draw without lines.
class GridLineDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace brevanta
