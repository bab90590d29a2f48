#include "display/ui/WinnerOverlay.h"

#include "display/Winner.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/LargeLabel.h"

WinnerOverlay::WinnerOverlay(QWidget& display) : DisplayCard(display) {
    setObjectName(QStringLiteral("WinnerOverlay"));
    const QFont tahoma = Character(QStringLiteral("Tahoma"), 12, true);
    winnerLabel = new LargeLabel(this);
    setsLabel = new LargeLabel(this);
    for (QLabel* e : {winnerLabel, setsLabel}) {
        e->setFont(tahoma);
        e->setAlignment(Qt::AlignCenter);
    }
}

void WinnerOverlay::showResult(const WinnerText& text) {
    if (text.Winner.isEmpty()) {
        hide();
        return;
    }
    winnerLabel->setText(text.Winner);
    setsLabel->setText(text.Sets);
    show();
    place();
}

// The winner on the upper half as large as it fits, the sets' scores smaller below.
void WinnerOverlay::layOut() {
    const int w = width();
    const int h = height();
    const int margin = h / 16;
    winnerLabel->setGeometry(margin, margin, w - 2 * margin, h * 50 / 100);
    const int lower = margin + winnerLabel->height();
    setsLabel->setGeometry(margin, lower, w - 2 * margin, h - lower - margin);
    fit(winnerLabel, h * 26 / 100);
    fit(setsLabel, h * 16 / 100);
}
