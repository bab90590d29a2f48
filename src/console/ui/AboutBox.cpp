#include "console/ui/AboutBox.h"

#include "platform/Shell.h"
#include "shared/Modulo1.h"
#include "shared/Prodotto.h"
#include "shared/ui/Disegno.h"

#include <QEvent>
#include <QMouseEvent>

AboutBox::AboutBox(const Modulo1& modulo, Shell& shell) : modulo_(modulo), shell_(shell) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    resize(TwipsInPixel(9615), TwipsInPixel(6270));
    const auto etichetta = [this](int l, int t, int w, int h, double punti, bool grassetto) {
        auto* e = new QLabel(this);
        Posiziona(e, l, t, w, h);
        e->setFont(Carattere(QStringLiteral("Tahoma"), punti, grassetto));
        e->setWordWrap(true);
        return e;
    };
    lblTitle = etichetta(5040, 840, 4365, 480, 14, true);
    lblVersion = etichetta(7560, 840, 3405, 285, 8.25, false);
    lblDescription = etichetta(5040, 1140, 4125, 2310, 9, false);
    lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    titleLabel = etichetta(720, 0, 8415, 855, 24, true);
    titleLabel->setText(QStringLiteral("Brivanta"));
    picture = etichetta(360, 1140, 4620, 2310, 8.25, false);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/sponsor/esempio_tabellone.jpg")));
    contactLink = etichetta(540, 4140, 2400, 345, 8.25, false);
    contactLink->setStyleSheet(QStringLiteral("color:#0645ad;text-decoration:underline;"));
    contactLink->setCursor(Qt::PointingHandCursor);
    contactLink->installEventFilter(this);
    creditsLabel = etichetta(2960, 3840, 4690, 945, 8.25, false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    Posiziona(okButton, 7920, 3780, 1260, 765);
    connect(okButton, &QPushButton::clicked, this, [this] { closeBox(); });
}

void AboutBox::Form_Load() {
    setWindowTitle(QStringLiteral("About Brivanta"));
    lblTitle->setText(QStringLiteral("Brivanta"));
    lblVersion->setText(QStringLiteral("Version ") + TestoVersione(VersioneProgramma()));
    lblDescription->setText(modulo_.Traduci(QStringLiteral(
        "Brivanta è un tabellone multimediale per la pallavolo: due schermi, gestione delle "
        "squadre, loghi, foto degli atleti, immagini degli sponsor e statistiche della partita. "
        "Basta un televisore collegato al computer.")));
    contactLink->setText(IndirizzoContatto());
    creditsLabel->setText(modulo_.Traduci(
        QStringLiteral("Non esitare a contattarmi per qualsiasi  <----- problema o consiglio")));
}

bool AboutBox::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == contactLink && evento->type() == QEvent::MouseButtonRelease) {
        openContact();
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void AboutBox::openContact() {
    shell_.Apri(QStringLiteral("mailto:") + contactLink->text());
}

void AboutBox::closeBox() {
    accept();
}
