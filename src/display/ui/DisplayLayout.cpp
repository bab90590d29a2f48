#include "display/ui/DisplayWindow.h"
#include "shared/ui/EtichettaGrande.h"

#include <QPixmap>
#include <QStyle>

namespace {

const QString Tahoma = QStringLiteral("Tahoma");

QLabel* Etichetta(QWidget* genitore, int l, int t, int w, int h, const QString& testo,
                  double punti, Qt::Alignment allineamento = Qt::AlignCenter) {
    auto* e = new EtichettaGrande(testo, genitore);
    Posiziona(e, l, t, w, h);
    e->setFont(Carattere(Tahoma, punti, true));
    e->setAlignment(allineamento);
    return e;
}

QLabel* Immagine(QWidget* genitore, int l, int t, int w, int h) {
    auto* e = new QLabel(genitore);
    Posiziona(e, l, t, w, h);
    e->setScaledContents(true);
    return e;
}

QLabel* Contenitore(QWidget* genitore, const QString& risorsa) {
    auto* e = new QLabel(genitore);
    e->setPixmap(QPixmap(risorsa));
    e->hide();
    return e;
}

QFrame* Pannello(QWidget* genitore, int l, int t, int w, int h) {
    auto* f = new QFrame(genitore);
    Posiziona(f, l, t, w, h);
    f->setAutoFillBackground(true);
    return f;
}

} // namespace

void DisplayWindow::CreaControlli() {
    setAttribute(Qt::WA_StyledBackground, true);

    headerLogo = Immagine(this, 120, 60, 1815, 1110);
    teamLogos[0] = Immagine(this, 2280, 0, 1185, 1185);
    teamLogos[1] = Immagine(this, 3720, 0, 1185, 1185);
    setLabel = Etichetta(this, 5040, 0, 1215, 375, QStringLiteral("SET 1"), 12);
    clockLabel = Etichetta(this, 5880, 0, 1275, 375, QStringLiteral("00:00"), 12);
    const int sinistraParziale[5] = {5040, 6240, 5040, 6240, 5640};
    const int altoParziale[5] = {240, 240, 540, 540, 840};
    for (int i = 0; i < 5; ++i) {
        partialLabels[i] = Etichetta(this, sinistraParziale[i], altoParziale[i], 975, 375,
                               QStringLiteral("25/16"), 15.75);
        partialLabels[i]->hide();
    }
    homeNameLabel = Etichetta(this, 0, 1200, 1995, 1575, QStringLiteral("Locali"), 15.75);
    LabScore[0] = Etichetta(this, 1980, 1200, 1635, 1575, QStringLiteral("0"), 63.75);
    LabScore[1] = Etichetta(this, 3600, 1200, 1635, 1575, QStringLiteral("0"), 63.75);
    guestsNameLabel = Etichetta(this, 5220, 1200, 1995, 1575, QStringLiteral("Ospiti"), 15.75);
    for (QLabel* e : {homeNameLabel, guestsNameLabel}) {
        e->setWordWrap(true);
    }
    for (int i = 0; i < 2; ++i) {
        scoreFrames[i] = new QFrame(this);
        scoreFrames[i]->setGeometry(LabScore[i]->geometry());
        scoreFrames[i]->setStyleSheet(QStringLiteral("border:3px solid red;background:transparent;"));
        scoreFrames[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        scoreFrames[i]->hide();
    }
    setsWonLabels[0] = Etichetta(this, 2010, 2340, 255, 495, QStringLiteral("0"), 21.75);
    setsWonLabels[1] = Etichetta(this, 4930, 2340, 255, 555, QStringLiteral("0"), 21.75);
    timeoutLabels[0] = Etichetta(this, 3360, 2400, 255, 495, QStringLiteral("0"), 18);
    timeoutLabels[1] = Etichetta(this, 3620, 2400, 255, 495, QStringLiteral("0"), 18);
    sideIcons[0] = Immagine(this, 2280, 2460, 375, 375);
    sideIcons[1] = Immagine(this, 4580, 2460, 375, 375);
    sideIcons[2] = Immagine(this, 3070, 2460, 315, 315);
    sideIcons[3] = Immagine(this, 3860, 2460, 315, 315);
    for (int i = 0; i < 4; ++i) {
        sideIcons[i]->setPixmap(QPixmap(i < 2 ? QStringLiteral(":/display/palla.png")
                                           : QStringLiteral(":/display/cronometro.png")));
    }
    const int sinistraSponsor[5] = {30, 1469, 2908, 4347, 5776};
    for (int i = 0; i < 5; ++i) {
        sponsorSlots[i] = Immagine(this, sinistraSponsor[i], 2880, 1335, 821);
    }
    designSizeLabel = Etichetta(this, 1080, 0, 1575, 255, QStringLiteral("7335 x 3930 pixel"), 8.25);
    designSizeLabel->hide();
    CreaPannelli();
    ApplicaColori(colori_);
    DopoLayout();
}

// After every layout, swapped or not: the last points' names lean towards the centre, and
// the presentation card stays out of sight unless a presentation runs.
void DisplayWindow::DopoLayout() {
    for (int i = 0; i < 4; ++i) {
        const bool casaADestra = statisticsHomeNames[i]->x() >= statisticsGuestsNames[i]->x();
        statisticsHomeNames[i]->setAlignment(casaADestra ? Qt::AlignLeft : Qt::AlignRight);
        statisticsGuestsNames[i]->setAlignment(casaADestra ? Qt::AlignRight : Qt::AlignLeft);
    }
    if (!presentationTimer.isActive()) {
        ParcheggiaPresentazione();
    }
}

void DisplayWindow::ApplicaColori(const ColoriPannello& colori) {
    colori_ = colori;
    schermo_.Colori = colori;
    // The clock, set label and partials sit on the board: their text follows it, so every
    // scheme the options can make stays readable (near-black on the design's white).
    setStyleSheet(QStringLiteral("DisplayWindow{background-color:%1;} QLabel{color:%2;}")
                      .arg(ColoreCss(colori[Sfondo]), ColoreCss(TestoLeggibile(colori[Sfondo]))));
    // A sheet replaced before the first show keeps the old background unless polished again.
    style()->unpolish(this);
    style()->polish(this);
    const auto stile = [](std::uint32_t sfondo, std::uint32_t testo) {
        return QStringLiteral("background-color:%1;color:%2;").arg(ColoreCss(sfondo), ColoreCss(testo));
    };
    homeNameLabel->setStyleSheet(stile(colori[NomeCasa], colori[TestoCasa]));
    LabScore[0]->setStyleSheet(stile(colori[PuntiCasa], colori[TestoCasa]));
    guestsNameLabel->setStyleSheet(stile(colori[NomeOspiti], colori[TestoOspiti]));
    LabScore[1]->setStyleSheet(stile(colori[PuntiOspiti], colori[TestoOspiti]));
    // The set and timeout counters sit on their side's score panel: they take its text colour.
    for (int lato = 0; lato < 2; ++lato) {
        const QString testo = QStringLiteral("color:%1;background:transparent;")
                                  .arg(ColoreCss(colori[lato == 0 ? TestoCasa : TestoOspiti]));
        setsWonLabels[lato]->setStyleSheet(testo);
        timeoutLabels[lato]->setStyleSheet(testo);
    }
}

void DisplayWindow::CreaPannelli() {
    overlayPanels[1] = Pannello(this, 0, 6720, 7335, 2750);
    scorerTitle = Etichetta(overlayPanels[1], 0, 0, 7335, 495, QStringLiteral("HA FATTO IL PUNTO:"), 15.75);
    scorerPhoto = Immagine(overlayPanels[1], 0, 480, 4260, 2325);
    scorerName = Etichetta(overlayPanels[1], 3150, 480, 4140, 555, QString(), 21.75, Qt::AlignRight);
    scorerNumberBackdrop = Etichetta(overlayPanels[1], 4320, 1080, 3135, 1935, QStringLiteral("99"), 78);
    scorerNumber = Etichetta(overlayPanels[1], 4260, 1020, 3135, 1695, QStringLiteral("99"), 78);
    // Both from their tops: the shadow keeps only its designed 60-twip offset.
    for (QLabel* e : {scorerNumberBackdrop, scorerNumber}) {
        e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    scorerBall = Contenitore(overlayPanels[1], QStringLiteral(":/display/pallone_mani.png"));

    overlayPanels[0] = Pannello(this, 0, 4020, 7335, 2865);
    statisticsTitle = Etichetta(overlayPanels[0], 0, 0, 7335, 495, QStringLiteral("Statistiche 1o SET"), 15.75);
    for (int i = 0; i < 2; ++i) {
        statisticsTeamNames[i] = Etichetta(overlayPanels[0], i == 0 ? 0 : 5400, 480, 1815, 855, QString(), 12);
        statisticsLogos[i] = Immagine(overlayPanels[0], i == 0 ? 1800 : 4560, 480, 850, 850);
        statisticsTotals[i] = Etichetta(overlayPanels[0], i == 0 ? 2640 : 3600, 480, 975, 855, QString(), 36);
    }
    for (int i = 0; i < 4; ++i) {
        const int top = 1320 + 360 * i;
        statisticsHomeNames[i] = Etichetta(overlayPanels[0], 0, top, 2655, 375, QString(), 12, Qt::AlignLeft);
        statisticsHomePoints[i] = Etichetta(overlayPanels[0], 2640, top, 975, 375, QString(), 14.25);
        statisticsGuestsPoints[i] = Etichetta(overlayPanels[0], 3600, top, 975, 375, QString(), 14.25);
        statisticsGuestsNames[i] = Etichetta(overlayPanels[0], 4560, top, 2655, 375, QString(), 12, Qt::AlignRight);
    }
    for (QFrame* f : overlayPanels) {
        f->setStyleSheet(QStringLiteral("QFrame{background-color:#10204a;} QLabel{color:white;}"));
    }

    presentationCard = Pannello(this, 7260, 0, 2415, 3675);
    // It rests under the right border; a window without borders would show its edge.
    presentationCard->hide();
    presentationHeading = Etichetta(presentationCard, 0, 0, 2415, 255, QString(), 9.75);
    presentationPhoto = Immagine(presentationCard, 0, 240, 2115, 3195);
    presentationSide = Etichetta(presentationCard, 2200, 720, 195, 1635, QStringLiteral("L O C A L I"), 12);
    presentationSide->setFont(Carattere(QStringLiteral("Courier New"), 12, true));
    presentationSide->setWordWrap(true);
    presentationNumber = Etichetta(presentationCard, 1680, 2760, 735, 675, QStringLiteral("99"), 26.25);
    presentationRole = Etichetta(presentationCard, 0, 3420, 2415, 255, QStringLiteral("Centrale"), 9.75);

    bannerFrame = Pannello(this, 9960, 180, 1905, 1545);
    bannerText = Etichetta(bannerFrame, 120, 480, 1635, 975, QStringLiteral("MATCH POINT"), 15.75);
    bannerPicture = Immagine(bannerFrame, 60, 170, 1785, 1305);
    bannerIcon = Immagine(this, 9960, 2520, 3300, 720);
    spareImage = Contenitore(this, QString());
    Posiziona(spareImage, 1380, 3420, 1095, 495);
    const char* risorse[5] = {":/display/atleta.png", nullptr, nullptr, ":/display/set_point.png",
                              ":/display/match_point.png"};
    for (int i = 0; i < 5; ++i) {
        builtInPictures[i] = Contenitore(this, risorse[i] ? QString::fromLatin1(risorse[i]) : QString());
    }
}
