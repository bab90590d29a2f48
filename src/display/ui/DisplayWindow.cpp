#include "display/ui/DisplayWindow.h"

#include "match/Partita.h"
#include "platform/Impostazioni.h"
#include "platform/Piattaforma.h"
#include "shared/Modulo1.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr int LarghezzaDisegno = 7080;
constexpr int AltezzaDisegno = 3315;
// The designed window with its title bar and borders.
constexpr double LarghezzaEsterna = 7335;
constexpr double AltezzaEsterna = 3930;
constexpr int FuoriSchermo = 1000; // the banner's rest beyond the right edge
constexpr double ProporzioneBanner = 164.0 / 640.0;
} // namespace

DisplayWindow::DisplayWindow(Piattaforma& piattaforma, const Partita& partita, Modulo1& modulo, Lettore& lettore)
    : piattaforma_(piattaforma), partita_(partita), modulo_(modulo), lettore_(lettore) {
    lavoroPresentazione_.setMaxThreadCount(1);
    setObjectName(QStringLiteral("DisplayWindow"));
    setWindowTitle(QStringLiteral("Brivanta"));
    resize(TwipsInPixel(LarghezzaDisegno), TwipsInPixel(AltezzaDisegno));
    CreaControlli();
    clockTimer.setInterval(1000);
    sponsorTimer.setInterval(4000);
    panelSlideTimer.setInterval(10);
    connect(&clockTimer, &QTimer::timeout, this, [this] { clockTick(); });
    connect(&sponsorTimer, &QTimer::timeout, this, [this] { sponsorTick(); });
    connect(&panelSlideTimer, &QTimer::timeout, this, [this] { panelSlideTick(); });
    connect(&presentationTimer, &QTimer::timeout, this, [this] { presentationTick(); });
    TimerIngrandimento.setInterval(16);
    connect(&TimerIngrandimento, &QTimer::timeout, this, [this] { TimerIngrandimento_Timer(); });
    connect(&foto_, &CacheImmagini::ImmaginePronta, this,
            [this](const QString& percorso, int larghezza) {
                if (percorso == fotoMostrata_ && larghezza == LarghezzaFoto()) {
                    MostraFotoMarcatore();
                }
            });
    connect(&sponsor_, &CacheImmagini::ImmaginePronta, this,
            [this](const QString& percorso, int larghezza) {
                for (int k = 0; k < SlotBanda; ++k) {
                    if (attesiSlot_[k] == percorso && larghezza == LarghezzaSlot()) {
                        attesiSlot_[k].clear();
                        MostraSponsor(k, percorso, sponsor_.Immagine(percorso, larghezza));
                    }
                }
            });
    clockTimer.start();
    sponsorTimer.start();
    Form_Load();
}

void DisplayWindow::Form_Load() {
    controlli_.clear();
    auto testo = [this](QWidget* w) { controlli_.push_back({w, true}); };
    auto figura = [this](QObject* o) { controlli_.push_back({o, false}); };
    figura(headerLogo);
    for (QLabel* e : teamLogos) figura(e);
    testo(setLabel);
    testo(clockLabel);
    for (QLabel* e : partialLabels) testo(e);
    testo(homeNameLabel);
    for (QLabel* e : LabScore) testo(e);
    testo(guestsNameLabel);
    for (QFrame* f : scoreFrames) figura(f);
    for (QLabel* e : setsWonLabels) testo(e);
    for (QLabel* e : timeoutLabels) testo(e);
    for (QLabel* e : sideIcons) figura(e);
    for (QLabel* e : sponsorSlots) figura(e);
    testo(designSizeLabel);
    figura(overlayPanels[1]);
    testo(scorerTitle);
    figura(scorerPhoto);
    for (QLabel* e : {scorerName, scorerNumberBackdrop, scorerNumber}) testo(e);
    figura(scorerBall);
    figura(overlayPanels[0]);
    testo(statisticsTitle);
    for (int i = 0; i < 2; ++i) {
        testo(statisticsTeamNames[i]);
        figura(statisticsLogos[i]);
        testo(statisticsTotals[i]);
    }
    for (int i = 0; i < 4; ++i) {
        for (QLabel* e : {statisticsHomeNames[i], statisticsHomePoints[i], statisticsGuestsPoints[i], statisticsGuestsNames[i]}) testo(e);
    }
    figura(presentationCard);
    testo(presentationHeading);
    figura(presentationPhoto);
    for (QLabel* e : {presentationSide, presentationNumber, presentationRole}) testo(e);
    figura(bannerFrame);
    testo(bannerText);
    figura(bannerPicture);
    figura(bannerIcon);
    figura(spareImage);
    for (QLabel* e : builtInPictures) figura(e);
    for (QTimer* t : {&clockTimer, &sponsorTimer, &panelSlideTimer, &presentationTimer}) figura(t);
    geometria_ = RegistraGeometria({LarghezzaEsterna, AltezzaEsterna}, controlli_);
}

void DisplayWindow::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    emit Ridimensionato();
    if (isMaximized() || isFullScreen()) {
        SalvaPosizione();
    }
    ScalaGeometria(geometria_, InTwips(frameGeometry().size()), controlli_, true);
    DopoLayout();
    ImpostaBanda();
}

void DisplayWindow::SalvaPosizione() {
    auto& impostazioni = piattaforma_.impostazioni;
    impostazioni.Scrivi(QStringLiteral("Top"),
                        QString::number(static_cast<float>(PixelInTwips(y()))));
    impostazioni.Scrivi(QStringLiteral("Left"),
                        QString::number(static_cast<float>(PixelInTwips(x()))));
    impostazioni.Scrivi(QStringLiteral("FullScreen"),
                        isFullScreen() ? QStringLiteral("1") : QStringLiteral("0"));
}

void DisplayWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void DisplayWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        Form_Resize();
    }
}

void DisplayWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void DisplayWindow::Aggiorna() {
    const Partita& p = partita_;
    const auto& t = p.Tabellone;
    homeNameLabel->setText(t.Nome[0]);
    guestsNameLabel->setText(t.Nome[1]);
    setLabel->setText(p.EtichettaSet);
    for (int i = 0; i < 2; ++i) {
        LabScore[i]->setText(t.Punti[i]);
        setsWonLabels[i]->setText(QString::number(p.SetVinti[i]));
        timeoutLabels[i]->setText(QString::number(p.TimeChiesti[i]));
        scoreFrames[i]->setVisible(t.Marcatore[i]);
        if (t.Marcatore[i]) {
            scoreFrames[i]->raise();
        }
    }
    for (int i = 0; i < 5; ++i) {
        partialLabels[i]->setText(p.Parziali[i]);
    }
    bannerText->setText(t.TestoBanner);
    bannerIcon->setPixmap(builtInPictures[t.BannerMatchPoint ? 4 : 3]->pixmap());
    if (t.Banner) {
        PosizionaBanner();
    } else {
        NascondiBanner();
    }
    // The leading team stays as it was filled until its slide ends.
    if (squadraInTesta_) {
        return;
    }
    const auto& pannello = t.Pannello;
    scorerTitle->setText(pannello.Titolo);
    StilePannello(pannello.Lato);
    if (pannello.Scorre) {
        scorerName->setText(pannello.Cognome);
        scorerNumberBackdrop->setText(pannello.Numero);
        scorerNumber->setText(pannello.Numero);
    }
    if (p.FotoMarcatore.isEmpty()) {
        fotoMostrata_.clear();
    } else if (p.FotoMarcatore != fotoMostrata_) {
        MostraFotoMarcatore();
    }
}

int DisplayWindow::LarghezzaFoto() const {
    return static_cast<int>(Larghezza() / 1.6);
}

// The photo comes from the few recently decoded, else it is decoded now on a worker while
// the panel rises (it slides for longer than a phone photo takes); the default picture when
// there is none or it is not a picture.
void DisplayWindow::MostraFotoMarcatore() {
    fotoMostrata_ = partita_.FotoMarcatore;
    std::optional<QImage> foto = QImage();
    if (QFileInfo::exists(fotoMostrata_)) {
        foto = foto_.Pronta(fotoMostrata_, LarghezzaFoto());
        if (!foto) {
            scorerPhoto->clear();
            foto_.Prepara(fotoMostrata_, LarghezzaFoto());
            return;
        }
    }
    const QPixmap immagine = foto->isNull() ? scorerBall->pixmap() : QPixmap::fromImage(*foto);
    scorerPhoto->setPixmap(immagine);
    const int larghezza = LarghezzaFoto();
    const QSize naturale = immagine.size().isEmpty() ? QSize(1, 1) : immagine.size();
    scorerPhoto->setGeometry(0, scorerPhoto->y(), larghezza,
                        larghezza * naturale.height() / naturale.width());
}

void DisplayWindow::PreparaFotoAtleta(const QString& percorso) {
    if (!percorso.isEmpty() && QFileInfo::exists(percorso)) {
        foto_.Prepara(percorso, LarghezzaFoto());
    }
}

void DisplayWindow::MostraStatistiche(const PannelloStatistiche& dati) {
    schermo_.Statistiche = dati;
    overlayPanels[0]->setVisible(true);
    statisticsTitle->setText(dati.Titolo);
    for (int i = 0; i < 2; ++i) {
        statisticsTotals[i]->setText(dati.Totali[i]);
        statisticsTeamNames[i]->setText(dati.Nomi[i]);
    }
    for (int r = 0; r < 4; ++r) {
        statisticsHomeNames[r]->setText(dati.NomiCasa[r]);
        statisticsHomePoints[r]->setText(dati.PuntiCasa[r]);
        statisticsGuestsPoints[r]->setText(dati.PuntiOspiti[r]);
        statisticsGuestsNames[r]->setText(dati.NomiOspiti[r]);
    }
}

// The number on the panel is two labels: scorerNumber carries the text, scorerNumberBackdrop behind it the
// side's colour, so the pair reads as one number.
void DisplayWindow::StilePannello(int lato) {
    const QString stile = LabScore[lato]->styleSheet();
    // Restyling is costly: only when the side's colours really change.
    if (stile == stilePannello_) {
        return;
    }
    stilePannello_ = stile;
    const QString sfondo = ColoreCss(colori_[lato == 0 ? PuntiCasa : PuntiOspiti]);
    scorerName->setStyleSheet(stile);
    scorerNumberBackdrop->setStyleSheet(QStringLiteral("background-color:%1;color:%1;").arg(sfondo));
    scorerNumber->setStyleSheet(stile + QStringLiteral("background:transparent;"));
}

void DisplayWindow::MostraSquadraInTesta(int lato, const QString& titolo, const QString& foto,
                                 const QString& set, const QString& punteggio) {
    squadraInTesta_ = true;
    schermo_.InTesta = {lato, titolo, set, punteggio};
    StilePannello(lato);
    scorerTitle->setText(titolo);
    const int larghezza = static_cast<int>(Larghezza() / 1.72);
    const QImage immagine = foto.isEmpty() ? QImage() : foto_.Immagine(foto, larghezza);
    if (immagine.isNull()) {
        scorerPhoto->setPixmap(QPixmap(QStringLiteral(":/teams/squadra.png")));
    } else {
        scorerPhoto->setPixmap(QPixmap::fromImage(immagine));
        scorerPhoto->resize(larghezza, larghezza * immagine.height() / immagine.width());
    }
    fotoMostrata_.clear();
    if (!set.isEmpty()) {
        scorerNumberBackdrop->setText(set);
        scorerNumber->setText(set);
        scorerName->setText(punteggio);
    }
}

void DisplayWindow::MostraLogo(int lato, const QPixmap& logo) {
    teamLogos[lato]->setPixmap(logo);
    statisticsLogos[lato]->setPixmap(logo);
    builtInPictures[2]->setPixmap(logo);
}

void DisplayWindow::PosizionaBanner() {
    const int larghezza = bannerIcon->width();
    bannerIcon->setGeometry(Larghezza() / 2 - larghezza / 2 - TwipsInPixel(50), 0, larghezza,
                        static_cast<int>(larghezza * ProporzioneBanner));
    bannerIcon->setVisible(true);
    bannerIcon->raise();
}

void DisplayWindow::NascondiBanner() {
    bannerFrame->move(Larghezza() + FuoriSchermo, bannerFrame->y());
    bannerIcon->move(Larghezza() + FuoriSchermo, bannerIcon->y());
}
