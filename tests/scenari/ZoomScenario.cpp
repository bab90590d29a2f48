#include "platform/Impostazioni.h"
#include "scenari/ConsoleDiProva.h"

namespace {

const QString AvvisoZoom = QStringLiteral(
    "Attenzione il tabellone viene ripristinato nella posizione con Locali a sinistra e Ospiti a "
    "destra. Dopo il settaggio dello zoom sarà di nuovo possibile invertire i pannelli");

class ZoomScenario : public ConsoleDiProva {
protected:
    bool CasaASinistra() const { return d.LabScore[0]->x() < d.LabScore[1]->x(); }
    void SenzaBanda() {
        a.f.impostazioni.valori[QStringLiteral("Sponsor")] = QStringLiteral("0");
        console.Form_Load();
        console.TimerAltezzaSponsor_Timer();
    }
};

TEST_F(ZoomScenario, SwapAskedFirstAndTwiceRestoresTheDisplay) {
    const QRect casa = d.LabScore[0]->geometry();
    Gira(Risposta::No);
    EXPECT_TRUE(CasaASinistra());
    EXPECT_FALSE(console.sidesSwappedMark->isChecked());
    Gira();
    EXPECT_FALSE(CasaASinistra());
    EXPECT_TRUE(console.sidesSwappedMark->isChecked());
    EXPECT_EQ(-1, console.Modulo().VersoTabellone);
    EXPECT_LT(console.LabScore[0]->x(), console.LabScore[1]->x()) << "the console never swaps";
    Gira();
    EXPECT_EQ(casa, d.LabScore[0]->geometry());
    EXPECT_FALSE(console.sidesSwappedMark->isChecked());
}

TEST_F(ZoomScenario, NewMatchOffersTheSwapBackFirstAndGoesOnEitherWay) {
    Gira();
    Punti(0, 3);
    a.f.dialoghi.Attendi(a.f.dialoghi.Mostrati.first(), Risposta::No);
    a.f.dialoghi.Attendi(QStringLiteral(
        "Attenzione se interrompi adesso la partita perderai tutti i punteggio di questo SET ed "
        "eventualmente dei precedenti : <OK> per Nuova Partita <Annulla> Per continuare questa "
        "partita."));
    console.newMatchFromButton();
    EXPECT_FALSE(CasaASinistra());
    EXPECT_TRUE(console.Match().Storico.isEmpty());
    a.f.dialoghi.Attendi(a.f.dialoghi.Mostrati.first(), Risposta::Si);
    a.f.dialoghi.AttendiFile(QString());
    console.loadMatchFromButton();
    EXPECT_TRUE(CasaASinistra());
}

TEST_F(ZoomScenario, ZoomOnASwappedDisplayRestoresTheOrientationFirst) {
    Gira();
    const int sotto = d.LabScore[0]->geometry().bottom();
    a.f.dialoghi.Attendi(AvvisoZoom);
    console.zoomIn();
    EXPECT_EQ(1, console.Modulo().VersoTabellone);
    EXPECT_FALSE(console.sidesSwappedMark->isChecked());
    EXPECT_TRUE(CasaASinistra());
    EXPECT_NEAR(sotto, d.LabScore[0]->geometry().bottom(), 1) << "the score grows upwards";
    EXPECT_EQ(QStringLiteral("Zoom All +"), console.zoomAllButton->text());
}

TEST_F(ZoomScenario, ZoomOnASwappedDisplayWithoutTheBandLeavesThePanelsSwapped) {
    SenzaBanda();
    Gira();
    a.f.dialoghi.Attendi(AvvisoZoom);
    console.zoomIn();
    EXPECT_EQ(1, console.Modulo().VersoTabellone);
    EXPECT_FALSE(CasaASinistra());
}

TEST_F(ZoomScenario, RepeatedStepsEndInABeepThatChangesNothing) {
    for (bool piu : {true, false}) {
        console.Form_Load();
        int passi = 0;
        while (a.f.dialoghi.Segnali == 0 && passi < 60) {
            piu ? console.zoomIn() : console.zoomOut();
            ++passi;
        }
        ASSERT_EQ(1, a.f.dialoghi.Segnali) << piu;
        const QRect punti = d.LabScore[0]->geometry();
        const QRect logo = d.headerLogo->geometry();
        piu ? console.zoomIn() : console.zoomOut();
        EXPECT_EQ(2, a.f.dialoghi.Segnali);
        EXPECT_EQ(punti, d.LabScore[0]->geometry());
        EXPECT_EQ(logo, d.headerLogo->geometry());
        a.f.dialoghi.Segnali = 0;
    }
}

TEST_F(ZoomScenario, ZoomAllMagnifiesThenReturnsToTheLayoutWithoutTheBand) {
    SenzaBanda();
    const double punti = d.LabScore[0]->font().pointSizeF();
    console.toggleZoomAll();
    EXPECT_EQ(QStringLiteral("Zoom All -"), console.zoomAllButton->text());
    constexpr double FontDisegno = 63.75;
    EXPECT_GT(d.LabScore[0]->font().pointSizeF(), 2 * FontDisegno);
    EXPECT_EQ(d.LabScore[0]->y(), d.scoreFrames[0]->y());
    for (QLabel* slot : d.sponsorSlots) {
        slot->show();
    }
    console.toggleZoomAll();
    EXPECT_EQ(QStringLiteral("Zoom All +"), console.zoomAllButton->text());
    EXPECT_DOUBLE_EQ(punti, d.LabScore[0]->font().pointSizeF());
    EXPECT_NEAR(d.frameGeometry().width() / 2, d.LabScore[0]->width(), 1)
        << "the band-off layout: half the display each";
    for (QLabel* slot : d.sponsorSlots) {
        EXPECT_TRUE(slot->isHidden());
    }
}

TEST_F(ZoomScenario, FullScreenAndSaveSettingsStoreThePosition) {
    d.move(300, 150);
    console.saveDisplayPosition();
    EXPECT_EQ(QStringLiteral("2250"), a.f.impostazioni.valori.value(QStringLiteral("Top")));
    EXPECT_EQ(QStringLiteral("4500"), a.f.impostazioni.valori.value(QStringLiteral("Left")));
    EXPECT_EQ(QStringLiteral("0"), a.f.impostazioni.valori.value(QStringLiteral("FullScreen")));
    console.putDisplayFullScreen();
    EXPECT_TRUE(d.isFullScreen()) << "no frame, no title bar";
    EXPECT_TRUE(a.f.impostazioni.valori.contains(QStringLiteral("Top")));
    EXPECT_EQ(QStringLiteral("1"), a.f.impostazioni.valori.value(QStringLiteral("FullScreen")));
}

TEST_F(ZoomScenario, FullScreenOnTheFirstScreenComesBackThereAtTheNextStart) {
    d.move(0, 0);
    console.putDisplayFullScreen();
    const auto memoria = a.f.impostazioni.valori;
    ASSERT_EQ(QStringLiteral("0"), memoria.value(QStringLiteral("Left")));
    ConsoleWindow dopo(a.f.piattaforma);
    dopo.Form_Load();
    EXPECT_TRUE(dopo.Tabellone().isFullScreen());
    EXPECT_EQ(QPoint(0, 0), dopo.Tabellone().pos());
}

} // namespace
