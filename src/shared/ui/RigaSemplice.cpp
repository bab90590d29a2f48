#include "shared/ui/RigaSemplice.h"

#include <QPainter>

void RigaSemplice::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    const bool scelta = option.state.testFlag(QStyle::State_Selected);
    if (scelta) {
        painter->fillRect(option.rect, option.palette.highlight());
    }
    painter->setPen(scelta ? option.palette.highlightedText().color()
                           : option.palette.text().color());
    painter->setFont(option.font);
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
}
