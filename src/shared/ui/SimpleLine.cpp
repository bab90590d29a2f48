#include "shared/ui/SimpleLine.h"

#include <QPainter>

void SimpleLine::paint(QPainter* painter, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const {
    const bool choice = option.state.testFlag(QStyle::State_Selected);
    if (choice) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    painter->setPen(choice ? option.palette.highlightedText().color()
                           : option.palette.text().color());
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
}
