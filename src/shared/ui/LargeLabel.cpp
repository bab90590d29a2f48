#include "shared/ui/LargeLabel.h"

#include <QPainter>

void LargeLabel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    const QRect area = contentsRect();
    const QString key = text() + u'\x1f' + QString::number(area.width()) + u'x' +
                        QString::number(area.height()) + u'\x1f' + font().toString() + u'\x1f' +
                        palette().color(foregroundRole()).name() + u'\x1f' +
                        QString::number(alignment()) + (wordWrap() ? u'w' : u'-');
    if (key != key_ || drawing_.isNull()) {
        key_ = key;
        const qreal dpr = devicePixelRatioF();
        drawing_ = QPixmap(area.size() * dpr);
        drawing_.setDevicePixelRatio(dpr);
        drawing_.fill(Qt::transparent);
        QPainter painter(&drawing_);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(QRect(QPoint(), area.size()),
                         static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0),
                         text());
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), drawing_);
}
