#pragma once

#include <QStyledItemDelegate>

// Draws one plain line of text per item. The history repaints at every point and the
// style's full item layout costs more than the whole score change.
class SimpleLine : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
