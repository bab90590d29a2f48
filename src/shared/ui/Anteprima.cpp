#include "shared/ui/Anteprima.h"

#include "shared/Geometria.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

void CopiaTabellone(QWidget& finestra, QLabel& anteprima) {
    const QRect area(0, 0, finestra.width() - TwipsInPixel(400),
                     finestra.height() - TwipsInPixel(700));
    if (area.isEmpty() || anteprima.size().isEmpty()) {
        return;
    }
    // Painted straight at the preview's size: a full-size copy scaled down costs several
    // times more at every tick.
    QPixmap copia(anteprima.size());
    copia.fill(Qt::white);
    QPainter pittore(&copia);
    pittore.scale(static_cast<double>(copia.width()) / area.width(),
                  static_cast<double>(copia.height()) / area.height());
    finestra.render(&pittore, QPoint(), QRegion(area));
    pittore.end();
    anteprima.setPixmap(copia);
}
