#include "display/ui/CountdownWindow.h"

#include "display/ui/DisplayWindow.h"
#include "match/Match.h"
#include "match/Timeout.h"
#include "shared/ui/Drawing.h"

#include <QCloseEvent>

CountdownWindow::CountdownWindow(Match& match, const DisplayWindow& display, QTimer& blinkTimer)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), match_(match), display_(display),
      blinkTimer_(blinkTimer) {
    setObjectName(QStringLiteral("CountdownWindow"));
    setWindowTitle(QStringLiteral("Brivanta"));
    setStyleSheet(
        QStringLiteral("CountdownWindow{background-color:#0b1a33;} QLabel{color:white;}"));
    setAttribute(Qt::WA_StyledBackground, true);
    resize(TwipsInPixel(4800), TwipsInPixel(2400));
    const QString tahoma = QStringLiteral("Tahoma");
    iconImage = new QLabel(this);
    Place(iconImage, 120, 120, 1500, 1500);
    iconImage->setScaledContents(true);
    iconImage->setPixmap(QPixmap(QStringLiteral(":/display/stopwatch.png")));
    reasonLabel = new QLabel(QStringLiteral("Tempo Locali 1a Richiesta"), this);
    Place(reasonLabel, 1740, 120, 2940, 900);
    reasonLabel->setFont(Character(tahoma, 12, true));
    reasonLabel->setWordWrap(true);
    secondsCaption = new QLabel(QStringLiteral("30 Sec"), this);
    Place(secondsCaption, 120, 1740, 1500, 500);
    secondsCaption->setFont(Character(tahoma, 12, true));
    secondsCaption->setAlignment(Qt::AlignCenter);
    secondsLabel = new QLabel(QStringLiteral("30"), this);
    Place(secondsLabel, 1740, 1020, 2940, 1260);
    secondsLabel->setFont(Character(tahoma, 48, true));
    secondsLabel->setAlignment(Qt::AlignCenter);
    courtChangePicture = new QLabel(this);
    courtChangePicture->setPixmap(QPixmap(QStringLiteral(":/display/court_change.png")));
    courtChangePicture->hide();
    spareImage = new QLabel(this);
    spareImage->hide();
    tickTimer.setInterval(990);
    connect(&tickTimer, &QTimer::timeout, this, [this] { tick(); });
    // Loaded at the display's left edge, centred on its height.
    move(display_.x() + TwipsInPixel(50), display_.y() + display_.height() / 2 - height() / 2);
}

void CountdownWindow::open(const QString& text, bool courtChange) {
    tickTimer.start();
    courtChange_ = courtChange;
    if (courtChange) {
        iconImage->setPixmap(courtChangePicture->pixmap());
    }
    reasonLabel->setText(text);
    match_.CountdownCancelled = false;
    show();
}

void CountdownWindow::tick() {
    blinkTimer_.stop();
    if (!TickTimeout(match_)) {
        closeCountdown();
        return;
    }
    move(x() + (display_.width() - width()) / TickCountdown, y());
    secondsLabel->setText(QString::number(TickCountdown - match_.TickCount));
}

void CountdownWindow::closeCountdown() {
    blinkTimer_.start();
    tickTimer.stop();
    hide();
}

void CountdownWindow::closeEvent(QCloseEvent* e) {
    match_.TickCount = 0;
    closeCountdown();
    e->accept();
}
