#include "display/ui/CountdownOverlay.h"

#include "match/Match.h"
#include "match/Timeout.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/LargeLabel.h"

#include <QLabel>

CountdownOverlay::CountdownOverlay(Match& match, QWidget& display, QTimer& blinkTimer)
    : DisplayCard(display), match_(match), blinkTimer_(blinkTimer) {
    setObjectName(QStringLiteral("CountdownOverlay"));
    const QFont tahoma = Character(QStringLiteral("Tahoma"), 12, true);
    iconImage = new QLabel(this);
    iconImage->setScaledContents(true);
    reasonLabel = new LargeLabel(this);
    reasonLabel->setFont(tahoma);
    reasonLabel->setAlignment(Qt::AlignCenter);
    secondsLabel = new LargeLabel(QString::number(TickCountdown), this);
    secondsLabel->setFont(tahoma);
    secondsLabel->setAlignment(Qt::AlignCenter);
    tickTimer.setInterval(990);
    connect(&tickTimer, &QTimer::timeout, this, [this] { tick(); });
}

void CountdownOverlay::open(const QString& text, bool courtChange) {
    tickTimer.start();
    courtChange_ = courtChange;
    iconImage->setPixmap(QPixmap(courtChange ? QStringLiteral(":/display/court_change.png")
                                             : QStringLiteral(":/display/stopwatch.png")));
    reasonLabel->setText(text);
    secondsLabel->setText(QString::number(TickCountdown - match_.TickCount));
    match_.CountdownCancelled = false;
    show();
    place();
}

// The request across the top, two lines; the picture and the seconds, as tall as it can be
// read from the far end of the hall, below.
void CountdownOverlay::layOut() {
    const int w = width();
    const int h = height();
    const int margin = h / 20;
    reasonLabel->setGeometry(margin, margin, w - 2 * margin, h * 36 / 100);
    const int lower = margin + reasonLabel->height();
    const int icon = h - lower - margin;
    iconImage->setGeometry(margin * 2, lower, icon, icon);
    secondsLabel->setGeometry(margin, lower, w - 2 * margin, icon);
    fit(reasonLabel, h * 15 / 100);
    fit(secondsLabel, icon);
}

void CountdownOverlay::tick() {
    blinkTimer_.stop();
    if (!TickTimeout(match_)) {
        closeCountdown();
        return;
    }
    secondsLabel->setText(QString::number(TickCountdown - match_.TickCount));
    // A panel that slid in meanwhile stays under the countdown.
    raise();
}

void CountdownOverlay::closeCountdown() {
    blinkTimer_.start();
    tickTimer.stop();
    hide();
}
