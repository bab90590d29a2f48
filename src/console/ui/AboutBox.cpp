#include "console/ui/AboutBox.h"

#include "platform/Shell.h"
#include "shared/CommonSettings.h"
#include "shared/Geometry.h"
#include "shared/Product.h"
#include "shared/ui/Drawing.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

AboutBox::AboutBox(const CommonSettings& common, Shell& shell) : common_(common), shell_(shell) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);
    const auto label = [this](double points, bool bold) {
        auto* e = new QLabel(this);
        e->setFont(Character(QStringLiteral("Tahoma"), points, bold));
        e->setWordWrap(true);
        return e;
    };
    // Laid out, not placed: the title and the description each keep their own rows whatever
    // the language and the fonts make of them.
    lblTitle = label(14, true);
    lblTitle->setWordWrap(false);
    lblVersion = label(8.25, false);
    lblVersion->setWordWrap(false);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    lblDescription = label(9, false);
    lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblDescription->setMinimumWidth(TwipsInPixel(4125));
    titleLabel = label(24, true);
    titleLabel->setWordWrap(false);
    titleLabel->setText(QStringLiteral("Brivanta"));
    picture = label(8.25, false);
    picture->setScaledContents(true);
    picture->setFixedSize(TwipsInPixel(4620), TwipsInPixel(2310));
    picture->setPixmap(QPixmap(QStringLiteral(":/sponsor/sample_display.jpg")));
    contactLink = label(8.25, false);
    contactLink->setWordWrap(false);
    contactLink->setStyleSheet(QStringLiteral("color:#0645ad;text-decoration:underline;"));
    contactLink->setCursor(Qt::PointingHandCursor);
    contactLink->installEventFilter(this);
    creditsLabel = label(8.25, false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setMinimumSize(TwipsInPixel(1260), TwipsInPixel(765) * 2 / 3);
    connect(okButton, &QPushButton::clicked, this, [this] { closeBox(); });

    auto* heading = new QHBoxLayout;
    heading->addWidget(lblTitle);
    heading->addStretch();
    heading->addWidget(lblVersion);
    auto* text = new QVBoxLayout;
    text->addLayout(heading);
    text->addWidget(lblDescription, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(contactLink);
    bottom->addWidget(creditsLabel, 1);
    bottom->addWidget(okButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(titleLabel);
    column->addLayout(middle, 1);
    column->addLayout(bottom);
    resize(TwipsInPixel(9615), TwipsInPixel(6270));
}

void AboutBox::load() {
    setWindowTitle(common_.Translate(QStringLiteral("Informazioni su")) +
                   QStringLiteral(" Brivanta"));
    lblTitle->setText(QStringLiteral("Brivanta"));
    lblVersion->setText(common_.Translate(QStringLiteral("Versione")) + u' ' +
                        VersionText(ProgramVersion()));
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
