#include "display/ui/DisplayCard.h"

#include "display/Overlay.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

DisplayCard::DisplayCard(QWidget& display) : QFrame(&display) {
    setStyleSheet(QStringLiteral("DisplayCard{background-color:#0b1a33;border:4px solid #f0c000;}"
                                 " QLabel{color:white;background:transparent;}"));
    setAttribute(Qt::WA_StyledBackground, true);
    hide();
    display.installEventFilter(this);
}

bool DisplayCard::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && e->type() == QEvent::Resize && isVisible()) {
        place();
    }
    return QFrame::eventFilter(watched, e);
}

void DisplayCard::place() {
    setGeometry(CardRect(parentWidget()->size()));
    layOut();
    raise();
}

void DisplayCard::fit(QLabel* label, int preferred) {
    QFont font = label->font();
    const int size = FittingPixelSize(preferred, label->contentsRect().size(), [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).size(0, label->text());
    });
    font.setPixelSize(size);
    label->setFont(font);
}
