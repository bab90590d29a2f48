#include "display/ui/CountdownWindow.h"

#include "display/ui/DisplayWindow.h"
#include "match/Partita.h"
#include "match/Timeout.h"
#include "shared/ui/Disegno.h"

#include <QCloseEvent>

CountdownWindow::CountdownWindow(Partita& partita, const DisplayWindow& display, QTimer& timerFrames)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint), partita_(partita), display_(display),
      timerFrames_(timerFrames) {
    setObjectName(QStringLiteral("CountdownWindow"));
    setWindowTitle(QStringLiteral("Brivanta"));
    setStyleSheet(QStringLiteral("CountdownWindow{background-color:#0b1a33;} QLabel{color:white;}"));
    setAttribute(Qt::WA_StyledBackground, true);
    resize(TwipsInPixel(4800), TwipsInPixel(2400));
    const QString tahoma = QStringLiteral("Tahoma");
    Image1 = new QLabel(this);
    Posiziona(Image1, 120, 120, 1500, 1500);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/display/cronometro.png")));
    Label1 = new QLabel(QStringLiteral("Tempo Locali 1a Richiesta"), this);
    Posiziona(Label1, 1740, 120, 2940, 900);
    Label1->setFont(Carattere(tahoma, 12, true));
    Label1->setWordWrap(true);
    Label2 = new QLabel(QStringLiteral("30 Sec"), this);
    Posiziona(Label2, 120, 1740, 1500, 500);
    Label2->setFont(Carattere(tahoma, 12, true));
    Label2->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel(QStringLiteral("30"), this);
    Posiziona(Label3, 1740, 1020, 2940, 1260);
    Label3->setFont(Carattere(tahoma, 48, true));
    Label3->setAlignment(Qt::AlignCenter);
    Picture1 = new QLabel(this);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/display/cambio_campo.png")));
    Picture1->hide();
    Picture2 = new QLabel(this);
    Picture2->hide();
    Timer1.setInterval(990);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    // Loaded at the display's left edge, centred on its height.
    move(display_.x() + TwipsInPixel(50), display_.y() + display_.height() / 2 - height() / 2);
}

void CountdownWindow::Apri(const QString& testo, bool cambioCampo) {
    Timer1.start();
    cambioCampo_ = cambioCampo;
    if (cambioCampo) {
        Image1->setPixmap(Picture1->pixmap());
    }
    Label1->setText(testo);
    partita_.ModoConteggio = 0;
    show();
}

void CountdownWindow::Timer1_Timer() {
    timerFrames_.stop();
    if (!TickTimeout(partita_)) {
        Chiudi();
        return;
    }
    move(x() + (display_.width() - width()) / TickCountdown, y());
    Label3->setText(QString::number(TickCountdown - partita_.TickConteggio));
}

void CountdownWindow::Chiudi() {
    timerFrames_.start();
    Timer1.stop();
    hide();
}

void CountdownWindow::closeEvent(QCloseEvent* e) {
    partita_.TickConteggio = 0;
    Chiudi();
    e->accept();
}
