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

    Image4 = Immagine(this, 120, 60, 1815, 1110);
    Image1[0] = Immagine(this, 2280, 0, 1185, 1185);
    Image1[1] = Immagine(this, 3720, 0, 1185, 1185);
    Label5 = Etichetta(this, 5040, 0, 1215, 375, QStringLiteral("SET 1"), 12);
    Label4 = Etichetta(this, 5880, 0, 1275, 375, QStringLiteral("00:00"), 12);
    const int sinistraParziale[5] = {5040, 6240, 5040, 6240, 5640};
    const int altoParziale[5] = {240, 240, 540, 540, 840};
    for (int i = 0; i < 5; ++i) {
        Label15[i] = Etichetta(this, sinistraParziale[i], altoParziale[i], 975, 375,
                               QStringLiteral("25/16"), 15.75);
        Label15[i]->hide();
    }
    Label1 = Etichetta(this, 0, 1200, 1995, 1575, QStringLiteral("Locali"), 15.75);
    LabScore[0] = Etichetta(this, 1980, 1200, 1635, 1575, QStringLiteral("0"), 63.75);
    LabScore[1] = Etichetta(this, 3600, 1200, 1635, 1575, QStringLiteral("0"), 63.75);
    Label2 = Etichetta(this, 5220, 1200, 1995, 1575, QStringLiteral("Ospiti"), 15.75);
    for (QLabel* e : {Label1, Label2}) {
        e->setWordWrap(true);
    }
    for (int i = 0; i < 2; ++i) {
        Shape1[i] = new QFrame(this);
        Shape1[i]->setGeometry(LabScore[i]->geometry());
        Shape1[i]->setStyleSheet(QStringLiteral("border:3px solid red;background:transparent;"));
        Shape1[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Shape1[i]->hide();
    }
    Label3[0] = Etichetta(this, 2010, 2340, 255, 495, QStringLiteral("0"), 21.75);
    Label3[1] = Etichetta(this, 4930, 2340, 255, 555, QStringLiteral("0"), 21.75);
    Label6[0] = Etichetta(this, 3360, 2400, 255, 495, QStringLiteral("0"), 18);
    Label6[1] = Etichetta(this, 3620, 2400, 255, 495, QStringLiteral("0"), 18);
    Image8[0] = Immagine(this, 2280, 2460, 375, 375);
    Image8[1] = Immagine(this, 4580, 2460, 375, 375);
    Image8[2] = Immagine(this, 3070, 2460, 315, 315);
    Image8[3] = Immagine(this, 3860, 2460, 315, 315);
    for (int i = 0; i < 4; ++i) {
        Image8[i]->setPixmap(QPixmap(i < 2 ? QStringLiteral(":/display/palla.png")
                                           : QStringLiteral(":/display/cronometro.png")));
    }
    const int sinistraSponsor[5] = {30, 1469, 2908, 4347, 5776};
    for (int i = 0; i < 5; ++i) {
        Image3[i] = Immagine(this, sinistraSponsor[i], 2880, 1335, 821);
    }
    Label7 = Etichetta(this, 1080, 0, 1575, 255, QStringLiteral("7335 x 3930 pixel"), 8.25);
    Label7->hide();
    CreaPannelli();
    ApplicaColori(colori_);
    DopoLayout();
}

// After every layout, swapped or not: the last points' names lean towards the centre, and
// the presentation card stays out of sight unless a presentation runs.
void DisplayWindow::DopoLayout() {
    for (int i = 0; i < 4; ++i) {
        const bool casaADestra = Label12[i]->x() >= Label14[i]->x();
        Label12[i]->setAlignment(casaADestra ? Qt::AlignLeft : Qt::AlignRight);
        Label14[i]->setAlignment(casaADestra ? Qt::AlignRight : Qt::AlignLeft);
    }
    if (!TimerP.isActive()) {
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
    Label1->setStyleSheet(stile(colori[NomeCasa], colori[TestoCasa]));
    LabScore[0]->setStyleSheet(stile(colori[PuntiCasa], colori[TestoCasa]));
    Label2->setStyleSheet(stile(colori[NomeOspiti], colori[TestoOspiti]));
    LabScore[1]->setStyleSheet(stile(colori[PuntiOspiti], colori[TestoOspiti]));
    // The set and timeout counters sit on their side's score panel: they take its text colour.
    for (int lato = 0; lato < 2; ++lato) {
        const QString testo = QStringLiteral("color:%1;background:transparent;")
                                  .arg(ColoreCss(colori[lato == 0 ? TestoCasa : TestoOspiti]));
        Label3[lato]->setStyleSheet(testo);
        Label6[lato]->setStyleSheet(testo);
    }
}

void DisplayWindow::CreaPannelli() {
    Frame1[1] = Pannello(this, 0, 6720, 7335, 2750);
    Label16 = Etichetta(Frame1[1], 0, 0, 7335, 495, QStringLiteral("HA FATTO IL PUNTO:"), 15.75);
    Image6 = Immagine(Frame1[1], 0, 480, 4260, 2325);
    Label17 = Etichetta(Frame1[1], 3150, 480, 4140, 555, QString(), 21.75, Qt::AlignRight);
    Label18 = Etichetta(Frame1[1], 4320, 1080, 3135, 1935, QStringLiteral("99"), 78);
    Label19 = Etichetta(Frame1[1], 4260, 1020, 3135, 1695, QStringLiteral("99"), 78);
    // Both from their tops: the shadow keeps only its designed 60-twip offset.
    for (QLabel* e : {Label18, Label19}) {
        e->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Picture2 = Contenitore(Frame1[1], QStringLiteral(":/display/pallone_mani.png"));

    Frame1[0] = Pannello(this, 0, 4020, 7335, 2865);
    Label8 = Etichetta(Frame1[0], 0, 0, 7335, 495, QStringLiteral("Statistiche 1o SET"), 15.75);
    for (int i = 0; i < 2; ++i) {
        Label10[i] = Etichetta(Frame1[0], i == 0 ? 0 : 5400, 480, 1815, 855, QString(), 12);
        Image5[i] = Immagine(Frame1[0], i == 0 ? 1800 : 4560, 480, 850, 850);
        Label9[i] = Etichetta(Frame1[0], i == 0 ? 2640 : 3600, 480, 975, 855, QString(), 36);
    }
    for (int i = 0; i < 4; ++i) {
        const int top = 1320 + 360 * i;
        Label12[i] = Etichetta(Frame1[0], 0, top, 2655, 375, QString(), 12, Qt::AlignLeft);
        Label11[i] = Etichetta(Frame1[0], 2640, top, 975, 375, QString(), 14.25);
        Label13[i] = Etichetta(Frame1[0], 3600, top, 975, 375, QString(), 14.25);
        Label14[i] = Etichetta(Frame1[0], 4560, top, 2655, 375, QString(), 12, Qt::AlignRight);
    }
    for (QFrame* f : Frame1) {
        f->setStyleSheet(QStringLiteral("QFrame{background-color:#10204a;} QLabel{color:white;}"));
    }

    Frame2 = Pannello(this, 7260, 0, 2415, 3675);
    // It rests under the right border; a window without borders would show its edge.
    Frame2->hide();
    Label20 = Etichetta(Frame2, 0, 0, 2415, 255, QString(), 9.75);
    Image2 = Immagine(Frame2, 0, 240, 2115, 3195);
    Label23 = Etichetta(Frame2, 2200, 720, 195, 1635, QStringLiteral("L O C A L I"), 12);
    Label23->setFont(Carattere(QStringLiteral("Courier New"), 12, true));
    Label23->setWordWrap(true);
    Label22 = Etichetta(Frame2, 1680, 2760, 735, 675, QStringLiteral("99"), 26.25);
    Label21 = Etichetta(Frame2, 0, 3420, 2415, 255, QStringLiteral("Centrale"), 9.75);

    Frame3 = Pannello(this, 9960, 180, 1905, 1545);
    Label24 = Etichetta(Frame3, 120, 480, 1635, 975, QStringLiteral("MATCH POINT"), 15.75);
    Image7 = Immagine(Frame3, 60, 170, 1785, 1305);
    Image9 = Immagine(this, 9960, 2520, 3300, 720);
    Picture1 = Contenitore(this, QString());
    Posiziona(Picture1, 1380, 3420, 1095, 495);
    const char* risorse[5] = {":/display/atleta.png", nullptr, nullptr, ":/display/set_point.png",
                              ":/display/match_point.png"};
    for (int i = 0; i < 5; ++i) {
        PictureN[i] = Contenitore(this, risorse[i] ? QString::fromLatin1(risorse[i]) : QString());
    }
}
