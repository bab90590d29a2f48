#include "shared/ui/EtichettaGrande.h"

#include <QPainter>

void EtichettaGrande::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    const QRect area = contentsRect();
    const QString chiave = text() + u'\x1f' + QString::number(area.width()) + u'x' +
                           QString::number(area.height()) + u'\x1f' + font().toString() +
                           u'\x1f' + palette().color(foregroundRole()).name() + u'\x1f' +
                           QString::number(alignment()) + (wordWrap() ? u'w' : u'-');
    if (chiave != chiave_ || disegno_.isNull()) {
        chiave_ = chiave;
        const qreal dpr = devicePixelRatioF();
        disegno_ = QPixmap(area.size() * dpr);
        disegno_.setDevicePixelRatio(dpr);
        disegno_.fill(Qt::transparent);
        QPainter testo(&disegno_);
        testo.setFont(font());
        testo.setPen(palette().color(foregroundRole()));
        testo.drawText(QRect(QPoint(), area.size()),
                       static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0),
                       text());
    }
    QPainter pittore(this);
    pittore.drawPixmap(area.topLeft(), disegno_);
}
