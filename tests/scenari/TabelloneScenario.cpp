#include "scenari/ConsoleDiProva.h"

#include <QImage>

namespace {

using TabelloneScenario = ConsoleDiProva;

TEST_F(TabelloneScenario, ClockAndFinishedSetsTakeTurns) {
    Punti(0, 25);
    for (int i = 0; i < 3; ++i) {
        d.clockTick();
    }
    EXPECT_EQ(QStringLiteral("15:42"), d.clockLabel->text());
    EXPECT_EQ(QStringLiteral("2°SET"), d.setLabel->text());
    d.clockTick();
    EXPECT_EQ(QStringLiteral("1s 25/ 0"), d.clockLabel->text());
}

TEST_F(TabelloneScenario, ScorerPanelSlidesInAndOutWhileTheLightIsRed) {
    console.codeBoxes[0]->setText(QStringLiteral("7"));
    console.changeScore(0);
    EXPECT_TRUE(d.panelSlideTimer.isActive());
    QFrame* pannello = d.overlayPanels[1];
    for (int i = 0; i < 50; ++i) {
        d.panelSlideTick();
    }
    EXPECT_EQ(0, pannello->y());
    EXPECT_FALSE(console.TimerFrames.isActive()) << "the blink pauses during a slide";
    EXPECT_TRUE(console.eventLight->styleSheet().contains(QStringLiteral("rgb(128,0,0)")));
    for (int i = 50; i < 400; ++i) {
        d.panelSlideTick();
    }
    EXPECT_FALSE(d.panelSlideTimer.isActive());
    EXPECT_GE(pannello->y(), d.height());
    EXPECT_TRUE(console.TimerFrames.isActive());
    EXPECT_TRUE(console.eventLight->styleSheet().contains(QStringLiteral("rgb(0,128,0)")));
    EXPECT_TRUE(console.eventLight->text().isEmpty());
    EXPECT_EQ(d.scorerBall->pixmap().cacheKey(), d.scorerPhoto->pixmap().cacheKey());
}

TEST_F(TabelloneScenario, ScorerPhotoIsDecodedWhenPickedAndShownAtItsWidth) {
    const QString foto = a.programma + QStringLiteral("/Teams/Home/7.jpg");
    QImage immagine(800, 1000, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    ASSERT_TRUE(immagine.save(foto, "JPG"));
    Ambiente::CreaFile(a.programma + QStringLiteral("/Teams/Home/team.csv"),
                       "7;Rossi;Mario;2-Centrale;C\r\n");
    console.Form_Load();
    console.teamLists[0]->setCurrentItem(
        console.teamLists[0]->findItems(QStringLiteral("Home"), Qt::MatchExactly).first());
    console.chooseTeam(0);
    const int larghezza = static_cast<int>(d.frameGeometry().width() / 1.6);
    EXPECT_FALSE(d.FotoPreparate().Pronta(foto, larghezza)) << "nothing decoded for a team";
    console.rosterLists[0]->setCurrentRow(1);
    console.pickAthlete(0);
    d.FotoPreparate().Attendi();
    EXPECT_TRUE(d.FotoPreparate().Pronta(foto, larghezza)) << "decoded once the athlete is picked";
    console.changeScore(0);
    EXPECT_EQ(larghezza, d.scorerPhoto->width());
    EXPECT_NEAR(d.scorerPhoto->width() * 1.25, d.scorerPhoto->height(), 1);
    EXPECT_NE(d.scorerBall->pixmap().cacheKey(), d.scorerPhoto->pixmap().cacheKey());
}

TEST_F(TabelloneScenario, BannerBlinksOnlyWhileDue) {
    Punti(0, 24);
    ASSERT_EQ(1, console.Match().StatoSetPoint);
    const bool prima = d.bannerIcon->isVisible();
    console.TimerFrames_Timer();
    EXPECT_NE(prima, d.bannerIcon->isVisible());
    console.Match().StatoSetPoint = 0;
    const bool fermo = d.bannerIcon->isVisible();
    console.TimerFrames_Timer();
    EXPECT_EQ(fermo, d.bannerIcon->isVisible());
}

TEST_F(TabelloneScenario, MarkerBorderTakesThePaletteInTurn) {
    d.show();
    Punti(3, 1);
    console.TimerFrames_Timer();
    EXPECT_TRUE(d.scoreFrames[1]->styleSheet().contains(QStringLiteral("rgb(0,0,128)")));
    console.TimerFrames_Timer();
    EXPECT_TRUE(d.scoreFrames[1]->styleSheet().contains(QStringLiteral("rgb(0,128,0)")));
}

TEST_F(TabelloneScenario, LivePreviewFollowsTheDisplay) {
    EXPECT_TRUE(console.previewImage->pixmap().isNull());
    console.refreshPreview();
    EXPECT_EQ(console.previewImage->size(), console.previewImage->pixmap().size());
    console.TimerTabellone_Timer();
    EXPECT_FALSE(console.previewImage->pixmap().isNull());
}

TEST_F(TabelloneScenario, BandOffReLaysTheDisplayAtTheConsolesTick) {
    a.f.impostazioni.valori[QStringLiteral("Sponsor")] = QStringLiteral("0");
    console.Form_Load();
    console.TimerAltezzaSponsor_Timer();
    EXPECT_NEAR(d.frameGeometry().width() / 2, d.LabScore[0]->width(), 1);
    EXPECT_FALSE(console.TimerAltezzaSponsor.isActive());
}

} // namespace
