#include "console/ui/AboutBox.h"

#include "platform/Shell.h"
#include "shared/CommonSettings.h"
#include "shared/Product.h"
#include "shared/ui/Drawing.h"

#include <QEvent>
#include <QMouseEvent>

AboutBox::AboutBox(const CommonSettings& common, Shell& shell) : common_(common), shell_(shell) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    resize(TwipsInPixel(9615), TwipsInPixel(6270));
    const auto label = [this](int l, int t, int w, int h, double points, bool bold) {
        auto* e = new QLabel(this);
        Place(e, l, t, w, h);
        e->setFont(Character(QStringLiteral("Tahoma"), points, bold));
        e->setWordWrap(true);
        return e;
    };
    lblTitle = label(5040, 840, 4365, 480, 14, true);
    lblVersion = label(7560, 840, 3405, 285, 8.25, false);
    lblDescription = label(5040, 1140, 4125, 2310, 9, false);
    lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    titleLabel = label(720, 0, 8415, 855, 24, true);
    titleLabel->setText(QStringLiteral("Brivanta"));
    picture = label(360, 1140, 4620, 2310, 8.25, false);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QStringLiteral(":/sponsor/sample_display.jpg")));
    contactLink = label(540, 4140, 2400, 345, 8.25, false);
    contactLink->setStyleSheet(QStringLiteral("color:#0645ad;text-decoration:underline;"));
    contactLink->setCursor(Qt::PointingHandCursor);
    contactLink->installEventFilter(this);
    creditsLabel = label(2960, 3840, 4690, 945, 8.25, false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    Place(okButton, 7920, 3780, 1260, 765);
    connect(okButton, &QPushButton::clicked, this, [this] { closeBox(); });
}

void AboutBox::load() {
    setWindowTitle(QStringLiteral("About Brivanta"));
    lblTitle->setText(QStringLiteral("Brivanta"));
    lblVersion->setText(QStringLiteral("Version ") + VersionText(ProgramVersion()));
    lblDescription->setText(common_.Translate(QStringLiteral(
        "Brivanta è un tabellone multimediale per la pallavolo: due schermi, gestione delle "
        "squadre, loghi, foto degli atleti, immagini degli sponsor e statistiche della partita. "
        "Basta un televisore collegato al computer.")));
    contactLink->setText(ContactAddress());
    creditsLabel->setText(common_.Translate(
        QStringLiteral("Non esitare a contattarmi per qualsiasi  <----- problema o consiglio")));
}

bool AboutBox::eventFilter(QObject* object, QEvent* event) {
    if (object == contactLink && event->type() == QEvent::MouseButtonRelease) {
        openContact();
        return true;
    }
    return QDialog::eventFilter(object, event);
}

void AboutBox::openContact() {
    shell_.Open(QStringLiteral("mailto:") + contactLink->text());
}

void AboutBox::closeBox() {
    accept();
}
