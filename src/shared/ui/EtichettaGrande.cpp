#include "shared/ui/EtichettaGrande.h"

#include <QPainter>

void EtichettaGrande::paintEvent(QPaintEvent* e) {
    if (disegnando_) {
        QLabel::paintEvent(e);
        return;
    }
    const QString chiave = text() + u'\x1f' + QString::number(width()) + u'x' +
                           QString::number(height()) + u'\x1f' + font().toString() + u'\x1f' +
                           styleSheet() + u'\x1f' + (isEnabled() ? u'1' : u'0');
    if (chiave != chiave_ || disegno_.isNull()) {
        chiave_ = chiave;
        const qreal dpr = devicePixelRatioF();
        disegno_ = QPixmap(size() * dpr);
        disegno_.setDevicePixelRatio(dpr);
        disegno_.fill(Qt::transparent);
        disegnando_ = true;
        render(&disegno_, QPoint(), QRegion(), QWidget::RenderFlags());
        disegnando_ = false;
    }
    QPainter pittore(this);
    pittore.drawPixmap(0, 0, disegno_);
}
