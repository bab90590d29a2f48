#include "shared/ui/Anteprima.h"

#include "shared/Geometria.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

void CopiaTabellone(QWidget& finestra, QLabel& anteprima) {
    const QRect area(0, 0, finestra.width() - TwipsInPixel(400),
                     finestra.height() - TwipsInPixel(700));
    if (area.isEmpty() || anteprima.size().isEmpty()) {
        return;
    }
    anteprima.setPixmap(finestra.grab(area).scaled(anteprima.size(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation));
}
