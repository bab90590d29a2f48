#include "shared/ui/Preview.h"

#include "shared/Geometry.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

void DisplayCopy(QWidget& window, QLabel& preview) {
    const QRect area(0, 0, window.width() - TwipsInPixel(400), window.height() - TwipsInPixel(700));
    if (area.isEmpty() || preview.size().isEmpty()) {
        return;
    }
    // Painted straight at the preview's size: a full-size copy scaled down costs several
    // times more at every tick.
    QPixmap copy(preview.size());
    copy.fill(Qt::white);
    QPainter painter(&copy);
    painter.scale(static_cast<double>(copy.width()) / area.width(),
                  static_cast<double>(copy.height()) / area.height());
    window.render(&painter, QPoint(), QRegion(area));
    painter.end();
    preview.setPixmap(copy);
}
